#pragma once
// The design of Form1: one row per control, front to back as designed, with
// its kind, name, caption, place and size in twips, font, colours, alignment
// and tab index. The window is built from this table and nothing else.

#include <array>
#include <cstdint>
#include <string_view>

namespace form {

enum class ControlKind { TextBox, CommandButton, Label };
enum class Alignment { Left, Centre, Right };

// A point size of 0 means the window's own font.
struct FontDesign {
  double points = 0;
  bool bold = false;
  bool italic = false;
};

inline constexpr std::int32_t kStandardColour = -1;

constexpr std::int32_t Rgb(int r, int g, int b) {
  return (r << 16) | (g << 8) | b;
}

struct ControlDesign {
  ControlKind kind;
  std::string_view name;
  std::u16string_view caption;
  int left, top, width, height;  // twips
  FontDesign font;
  std::int32_t textColour = kStandardColour;
  std::int32_t backColour = kStandardColour;
  Alignment alignment = Alignment::Left;
  int tabIndex = 0;
};

inline constexpr std::u16string_view kForm1Caption = u"Widmark法算定計算";
inline constexpr int kForm1ClientWidth = 9615;  // twips
inline constexpr int kForm1ClientHeight = 11580;
inline constexpr std::int32_t kForm1BackColour = Rgb(192, 192, 192);

// What "standard colours" stand for: the classic control face and text.
inline constexpr std::int32_t kStandardFace = Rgb(192, 192, 192);
inline constexpr std::int32_t kStandardText = Rgb(0, 0, 0);

// "ＭＳ Ｐゴシック": full-width ＭＳ, one ASCII space, full-width Ｐ.
inline constexpr std::u16string_view kDesignFace = u"ＭＳ Ｐゴシック";
inline constexpr FontDesign kWindowFont{9, false, false};

extern const std::array<ControlDesign, 75> kForm1Controls;

// The one place that knows the screen's scale: 15 twips a pixel at 96 dpi.
constexpr int TwipsToPixels(int twips) {
  return (twips + 7) / 15;
}

}  // namespace form
