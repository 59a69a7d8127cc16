#pragma once
// The toolkit over the page: message boxes as modal <dialog>s whose answer
// the command awaits (Asyncify suspends the C++ stack meanwhile), Form1's
// controls as elements by their design names, the browser's print, and a
// closed window.

#include "toolkit/toolkit.h"

namespace web {

class DomToolkit : public toolkit::Toolkit {
 public:
  int ShowMessage(std::u16string_view prompt, toolkit::MessageStyle style,
                  std::u16string_view title) override;
  std::u16string Text(std::string_view box) const override;
  void SetText(std::string_view box, std::u16string_view text) override;
  void SetCaption(std::string_view label, std::u16string_view caption) override;
  void SetVisible(std::string_view button, bool visible) override;
  toolkit::PrintFault PrintWindow() override;
  void Unload() override;
};

}  // namespace web
