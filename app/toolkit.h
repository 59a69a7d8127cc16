#pragma once
// The operations every command calls on the window toolkit: message boxes,
// the boxes' texts, captions, visibility, printing and unloading. The Qt
// adapter (app/qt_toolkit.h) implements them over Form1; tests implement them
// with scripted answers. Plain C++, so commands stay free of Qt.

#include <initializer_list>
#include <string>
#include <string_view>

namespace app {

// Windows message-box numbering: 0 is OK only, 4 is Yes and No (Yes default).
enum class MessageStyle { OkOnly = 0, YesNo = 4 };

inline constexpr int kAnswerOk = 1;
inline constexpr int kAnswerYes = 6;
inline constexpr int kAnswerNo = 7;

enum class PrintFault { None, NoPrinter, JobFailed };

class Toolkit {
 public:
  virtual ~Toolkit() = default;

  // A modal box; the prompt's lines are joined by CR LF. Returns the answer.
  virtual int ShowMessage(std::u16string_view prompt, MessageStyle style,
                          std::u16string_view title) = 0;

  // Controls are named as in the window's design: "Text1", "Label24", ...
  virtual std::u16string Text(std::string_view box) const = 0;
  virtual void SetText(std::string_view box, std::u16string_view text) = 0;
  virtual void SetCaption(std::string_view label, std::u16string_view caption) = 0;
  virtual void SetVisible(std::string_view button, bool visible) = 0;

  // One print job holding the window's image as it looks now.
  virtual PrintFault PrintWindow() = 0;
  virtual void Unload() = 0;
};

}  // namespace app

namespace app {

// Joins a prompt's lines (or paragraphs) with a separator: no break before
// the first or after the last.
template <typename Lines>
std::u16string JoinLines(const Lines& lines, std::u16string_view separator = u"\r\n") {
  std::u16string prompt;
  bool first = true;
  for (std::u16string_view line : lines) {
    if (!first) prompt += separator;
    prompt += line;
    first = false;
  }
  return prompt;
}

inline std::u16string JoinLines(std::initializer_list<std::u16string_view> lines,
                                std::u16string_view separator = u"\r\n") {
  return JoinLines<std::initializer_list<std::u16string_view>>(lines, separator);
}

}  // namespace app
