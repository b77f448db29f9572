// The numbers of the colour elements: the grid draws with them, and the marks
// a hint or the game leaves on the grid name one. The colours themselves and
// their names belong to the view.
#pragma once

namespace vantry {

// The element numbers drawing and hints use.
enum ColorElementNumber : int {
  kColorBackground = 0,
  kColorAnswerGiven = 1,
  kColorAnswerUser = 2,
  kColorPossible = 3,
  kColorPossibleUserDeleted = 4,
  kColorDigitsEnter = 5,
  kColorDigitsCreate = 6,
  kColorLines = 7,
  kColorHintRemove = 8,
  kColorHintSet = 9,
  kColorHintChains = 10,
  kColorHintXOut = 11,
  kColorHintHighlight = 12,
  kColorHighlightDigits = 13,
  kColorHighlightBgNormal = 14,
  kColorHighlightBg2OrMore = 15,
  kColorHighlightBgAll = 16,
  kColorHighlightBgOnly = 17,
  kColorNakedSingle = 18,
  kColorNoPossibilities = 19,
  kColorHighlightButtons = 20,
  kColorColoring1 = 21,  // ... kColorColoring1 + 5 for the sixth colouring
};

}  // namespace vantry
