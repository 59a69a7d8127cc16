#pragma once
// The toolkit over Qt: message boxes window-modal over Form1, the controls
// of Form1 by name, printing of its image, and unloading it.

#include "toolkit/toolkit.h"

class QWidget;

namespace app {

class Form1;

class QtToolkit : public toolkit::Toolkit {
 public:
  explicit QtToolkit(Form1& form) : m_form(form) {}

  int ShowMessage(std::u16string_view prompt, toolkit::MessageStyle style,
                  std::u16string_view title) override;
  std::u16string Text(std::string_view box) const override;
  void SetText(std::string_view box, std::u16string_view text) override;
  void SetCaption(std::string_view label, std::u16string_view caption) override;
  void SetVisible(std::string_view button, bool visible) override;
  toolkit::PrintFault PrintWindow() override;
  void Unload() override;

 private:
  Form1& m_form;
  // A button that held the focus when it was hidden gets it back when shown:
  // Qt would otherwise leave it on the next control.
  QWidget* m_refocus = nullptr;
};

}  // namespace app
