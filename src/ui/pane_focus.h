// The button pane for the keyboard: every button, check box, radio button
// and list is reached with Tab and Shift+Tab and shows its focus, and each
// has an accessible name. A click with the mouse still hands the keyboard
// back to the grid afterwards; a control worked from the keyboard keeps it.
#pragma once

#include <functional>

namespace vantry {

class ButtonPane;

// Opens the pane's controls to Tab and names them; returns focusGrid
// wrapped so that it moves the focus only after mouse input on the pane.
std::function<void()> openPaneToKeyboard(ButtonPane& pane, std::function<void()> focusGrid);

}  // namespace vantry
