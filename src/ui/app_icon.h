// The program's icon, drawn at run time: a small grid with one digit.
#pragma once

#include <QIcon>

namespace vantry {

QIcon vantryIcon();

}  // namespace vantry
