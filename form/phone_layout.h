#pragma once
// Form1 on a narrow screen (a phone): the same controls, captions, boxes and
// Tab order, set one under another in reading order on a grid of four
// columns (box, unit, box, unit), each box on the row below its caption,
// its unit beside it; then the buttons and the figure, then the notes,
// credits and remaining captions. Controls the list leaves out show nothing
// there (empty decoration, and captions the design itself covers).

#include <array>
#include <string_view>

namespace form {

inline constexpr int kPhoneColumns = 4;

struct PhonePlace {
  std::string_view control;
  int firstColumn;  // 1 to kPhoneColumns
  int lastColumn;
};

extern const std::array<PhonePlace, 62> kPhoneLayout;

}  // namespace form
