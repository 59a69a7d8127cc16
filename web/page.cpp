#include "web/page.h"

#include <emscripten/emscripten.h>

#include <cstdlib>
#include <string>
#include <unordered_map>
#include <vector>

#include "calc/input_boxes.h"
#include "form/caption_wrap.h"
#include "form/contrast.h"
#include "form/form1_design.h"
#include "form/phone_layout.h"

// The page's side (page.js) of each call.
// clang-format off
EM_JS(void, CreateControl, (int kind, const char* name, int left, int top, int width, int height,
                            double pixels, int bold, int italic, int textColour, int backColour,
                            int alignment, int tabIndex, int framed, int stack, int read,
                            int english, int readableColour), {
  Module.page.createControl(kind, UTF8ToString(name), left, top, width, height, pixels, bold,
                            italic, textColour, backColour, alignment, tabIndex, framed, stack,
                            read, english, readableColour);
});

// `decorative` holds one '1' or '0' a line; `whole` is the caption as read.
EM_JS(void, ShowLines, (const char* name, const char16_t* lines, int bytes,
                        const char* decorative, const char16_t* whole, int wholeBytes), {
  Module.page.showLines(UTF8ToString(name), UTF16ToString(lines, bytes).split("\n"),
                        UTF8ToString(decorative), UTF16ToString(whole, wholeBytes));
});

EM_JS(void, NameBox, (const char* name, const char16_t* caption, int captionBytes), {
  document.getElementById(UTF8ToString(name)).setAttribute(
      "aria-label", UTF16ToString(caption, captionBytes));
});

EM_JS(void, SetValue, (const char* name, const char16_t* text, int bytes), {
  document.getElementById(UTF8ToString(name)).value = UTF16ToString(text, bytes);
});

EM_JS(char16_t*, Value, (const char* name), {
  const text = document.getElementById(UTF8ToString(name)).value;
  const bytes = (text.length + 1) * 2;
  const copy = _malloc(bytes);
  stringToUTF16(text, copy, bytes);
  return copy;
});

EM_JS(void, NameFigure, (const char* figure, const char* caption, const char* unit), {
  Module.page.nameFigure(UTF8ToString(figure), UTF8ToString(caption), UTF8ToString(unit));
});

EM_JS(void, SetPhonePlace, (const char* name, int firstColumn, int lastColumn), {
  const element = document.getElementById(UTF8ToString(name));
  element.dataset.phone = "";
  element.style.setProperty("--phone-column", `${firstColumn} / ${lastColumn + 1}`);
});

EM_JS(void, SetTitle, (const char16_t* title, int bytes), {
  document.title = UTF16ToString(title, bytes);
});

EM_JS(void, MeasureCharacters, (const char16_t* text, int length, double pixels, int bold,
                                int italic, double* advances), {
  Module.page.measure(HEAPU16.subarray(text >> 1, (text >> 1) + length), pixels, bold, italic,
                      HEAPF64.subarray(advances >> 3, (advances >> 3) + length));
});

// clang-format on

namespace web {
namespace {

int Bytes(std::u16string_view text) {
  return static_cast<int>(text.size() * sizeof(char16_t));
}

// Points at 96 dots per inch, as the desktop draws them.
double Pixels(const form::FontDesign& font) {
  const form::FontDesign design = font.points == 0 ? form::kWindowFont : font;
  return design.points * 96 / 72;
}

// The width a caption wraps in, as on the desktop: a framed label's text
// keeps 3 pixels from each side, a button's 1 (its frame).
double CaptionWidth(const form::ControlDesign& row) {
  const int width = form::TwipsToPixels(row.width);
  if (row.kind == form::ControlKind::CommandButton) return width - 2;
  return row.backColour != form::kStandardColour ? width - 6 : width;
}

// The text colour where the design's own falls short of reading against
// its background; the standard colour where it does not.
std::int32_t ReadableColour(const form::ControlDesign& row) {
  if (row.textColour == form::kStandardColour) return form::kStandardColour;
  const std::int32_t back =
      row.backColour == form::kStandardColour ? form::kStandardFace : row.backColour;
  const std::int32_t readable = form::ReadableOn(row.textColour, back, form::kTextContrast);
  return readable == row.textColour ? form::kStandardColour : readable;
}

form::FontDesign Font(const form::ControlDesign& row) {
  return row.font.points == 0 ? form::kWindowFont : row.font;
}

}  // namespace

const form::ControlDesign* FindControl(std::string_view name) {
  for (const form::ControlDesign& row : form::kForm1Controls)
    if (row.name == name) return &row;
  return nullptr;
}

std::u16string BoxText(std::string_view box) {
  const std::string name(box);
  char16_t* text = Value(name.c_str());
  std::u16string copy(text);
  std::free(text);
  return copy;
}

void SetBoxText(std::string_view box, std::u16string_view text) {
  const std::string name(box);
  SetValue(name.c_str(), text.data(), Bytes(text));
}

void ShowCaption(const form::ControlDesign& row, std::u16string_view caption) {
  // One call to the page measures every character of the caption.
  const form::FontDesign font = Font(row);
  std::vector<double> measured(caption.size());
  MeasureCharacters(caption.data(), static_cast<int>(caption.size()), Pixels(font), font.bold,
                    font.italic, measured.data());
  std::unordered_map<char16_t, double> advances;
  for (std::size_t i = 0; i < caption.size(); ++i) advances.emplace(caption[i], measured[i]);
  const auto advance = [&advances](char16_t c) { return advances.at(c); };
  const std::string name(row.name);
  const form::Alignment alignment =
      row.kind == form::ControlKind::CommandButton ? form::Alignment::Centre : row.alignment;
  std::u16string joined;
  std::string decorative;
  for (const std::u16string& line :
       form::WrapCaption(caption, advance, CaptionWidth(row), alignment)) {
    if (!decorative.empty()) joined += u'\n';
    joined += line;
    decorative += form::IsDecorativeLine(line) ? '1' : '0';
  }
  const std::u16string whole = form::ReadableText(caption);
  ShowLines(name.c_str(), joined.data(), Bytes(joined), decorative.c_str(), whole.data(),
            Bytes(whole));
}

void BuildForm1() {
  SetTitle(form::kForm1Caption.data(), Bytes(form::kForm1Caption));
  // The page holds the controls in reading order, those with nothing to read
  // last; each stacks as the table lists them, front to back.
  std::vector<std::size_t> order;
  for (const form::PhonePlace& place : form::kPhoneLayout)
    for (std::size_t i = 0; i < form::kForm1Controls.size(); ++i)
      if (form::kForm1Controls[i].name == place.control) order.push_back(i);
  for (std::size_t i = 0; i < form::kForm1Controls.size(); ++i)
    if (!form::IsRead(form::kForm1Controls[i].name)) order.push_back(i);
  for (const std::size_t i : order) {
    const form::ControlDesign& row = form::kForm1Controls[i];
    const std::string name(row.name);
    const form::FontDesign font = Font(row);
    CreateControl(static_cast<int>(row.kind), name.c_str(), form::TwipsToPixels(row.left),
                  form::TwipsToPixels(row.top), form::TwipsToPixels(row.width),
                  form::TwipsToPixels(row.height), Pixels(font), font.bold, font.italic,
                  row.textColour, row.backColour, static_cast<int>(row.alignment), row.tabIndex,
                  row.backColour != form::kStandardColour,
                  static_cast<int>(form::kForm1Controls.size() - i),
                  row.name == form::kHeading ? 2
                  : form::IsRead(row.name)   ? 1
                                             : 0,
                  form::IsEnglish(row.caption), ReadableColour(row));
    if (row.kind == form::ControlKind::TextBox)
      SetBoxText(row.name, row.caption);
    else
      ShowCaption(row, row.caption);
  }
  // Where each control stands on a narrow screen; the page's style uses it
  // below the window's width.
  for (const form::PhonePlace& place : form::kPhoneLayout) {
    const std::string name(place.control);
    SetPhonePlace(name.c_str(), place.firstColumn, place.lastColumn);
  }
  const std::string figure(form::kFigure), caption(form::kFigureCaption), unit(form::kFigureUnit);
  NameFigure(figure.c_str(), caption.c_str(), unit.c_str());
  // A box is named by the words that ask for it, its unit among them.
  for (const calc::InputBox& box : calc::kInputBoxTable) {
    const std::string name(box.name);
    NameBox(name.c_str(), box.caption.data(), Bytes(box.caption));
  }
}

}  // namespace web
