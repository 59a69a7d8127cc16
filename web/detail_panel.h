#pragma once
// The panel below the window, 計算の詳細: after each calculation, the three
// scenarios side by side (figure, verdict, times to the limit and to zero),
// the working of the entered figure step by step, and a chart of the figure
// over the hours since drinking began, as HTML with inline SVG.

#include <string>

namespace calc {
struct WidmarkInputs;
}

namespace web {

std::u16string DetailPanelHtml(const calc::WidmarkInputs& entered);

// Reads the boxes as the calculate command does and shows the panel; a box
// that cannot be read leaves the panel saying so.
void ShowDetailPanel();

}  // namespace web
