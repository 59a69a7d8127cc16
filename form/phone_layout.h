#pragma once
// Form1 read in order, and set on a narrow screen (a phone): the same
// controls, captions and boxes, one under another on a grid of four columns
// (box, unit, box, unit). The list is the reading order at every width: each
// caption, then its box, then its unit (the minutes and the strengths, which
// share a caption, after their neighbour's unit); the figure's caption, then
// the figure and its unit; the notes and credits last. On a phone it is the
// Tab order too. Controls the list leaves out have nothing to read (empty
// decoration, and captions the design itself covers) and are not read.

#include <array>
#include <string>
#include <string_view>

namespace form {

inline constexpr int kPhoneColumns = 4;

struct PhonePlace {
  std::string_view control;
  int firstColumn;  // 1 to kPhoneColumns
  int lastColumn;
};

extern const std::array<PhonePlace, 62> kPhoneLayout;

// The window's title, read as the page's heading; and the figure, read with
// its caption and its unit.
inline constexpr std::string_view kHeading = "Label1";
inline constexpr std::string_view kFigureCaption = "Label6";
inline constexpr std::string_view kFigure = "Label24";
inline constexpr std::string_view kFigureUnit = "Label18";

// Whether a control is read at all (it stands in the list above).
bool IsRead(std::string_view control);

// A caption as one text to read: its lines joined, runs of blanks (ASCII,
// full-width, CR LF) made one space, none at either end.
std::u16string ReadableText(std::u16string_view caption);

// A wrapped line with nothing to read: blanks and rule dashes only.
bool IsDecorativeLine(std::u16string_view line);

// A caption written in English: printable ASCII and blanks, with a letter.
bool IsEnglish(std::u16string_view caption);

}  // namespace form
