// A game in progress with its grid window beside it, as the desktop program
// holds them, on the scripted platform.
#pragma once

#include "game_fixture.h"
#include "view/grid_window.h"

namespace vantry::testing {

class ViewTest : public GameTest {
 protected:
  GridWindow grid{game};
};

}  // namespace vantry::testing
