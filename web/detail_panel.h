#pragma once
// The panel below the window, 計算の詳細: after each calculation, the boxes
// and the panel's own inputs read as the calculate command reads them, and
// the panel's results shown; the calculation sheet made ready for print.

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "analysis/case.h"
#include "report/detail_panel.h"

namespace web {

using analysis::MinuteOfDay;

// Reads the boxes as the calculate command does and shows the panel; a box
// that cannot be read leaves the panel saying so.
void ShowDetailPanel();

// Empties the panel after a calculation that ended in the box titled so.
void ClearDetailPanel(std::u16string_view title);

// Empties the panel, once it has been shown, after 入力数値抹消 erased the
// boxes (the panel's own inputs keep their texts).
void ClearDetailPanelAfterErase();

// The boxes and the panel's inputs read by the window's rule (an empty pair
// of times is not given), or why they cannot be read, as the panel says it.
std::variant<report::PanelInputs, std::u16string> ReadPanel();

// A date input's value, YYYY-MM-DD; none where it is empty or no date.
std::optional<analysis::CivilDate> DateOfBox(const char* id);

// Notes on the inputs as they stand that cannot be right; empty if none.
std::u16string Doubts(const analysis::Case& c);

// Marks the boxes a 計算できません box named, and takes the focus to the first.
void MarkInvalid(const std::vector<std::string_view>& boxes);

}  // namespace web
