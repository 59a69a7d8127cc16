#pragma once
// The operations every command calls on the window toolkit: message boxes,
// the boxes' texts, captions, visibility, printing and unloading. Each front
// end implements them over its own window (app/qt_toolkit.h over Qt); tests
// implement them with scripted answers. Plain C++, so that the commands in
// calc/ and info/ know nothing of the front end that runs them.

#include <string>
#include <string_view>

namespace toolkit {

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

  // One print job holding the window as it looks now.
  virtual PrintFault PrintWindow() = 0;
  virtual void Unload() = 0;
};

}  // namespace toolkit
