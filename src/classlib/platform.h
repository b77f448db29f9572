#pragma once

#include "classlib/system_services.h"
#include "classlib/view_observer.h"

namespace vantry {

class Platform : public SystemServices, public ViewObserver {};

}  // namespace vantry
