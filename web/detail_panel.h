#pragma once
// The panel below the window, 計算の詳細: after each calculation, the boxes
// and the panel's own inputs read as the calculate command reads them, and
// the panel's results shown; the calculation sheet made ready for print.

#include <string_view>

namespace web {

// Reads the boxes as the calculate command does and shows the panel; a box
// that cannot be read leaves the panel saying so.
void ShowDetailPanel();

// Empties the panel after a calculation that ended in the box titled so.
void ClearDetailPanel(std::u16string_view title);

}  // namespace web
