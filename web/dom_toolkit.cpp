#include "web/dom_toolkit.h"

#include <emscripten/emscripten.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "form/form1_design.h"
#include "toolkit/toolkit.h"
#include "web/page.h"

// The page's side (page.js) of each call.
// clang-format off
EM_ASYNC_JS(int, ShowBox, (const char16_t* prompt, int promptBytes, int style,
                           const char16_t* title, int titleBytes), {
  return await Module.page.showMessage(UTF16ToString(prompt, promptBytes), style,
                                       UTF16ToString(title, titleBytes));
});

EM_JS(void, ShowControl, (const char* name, int visible), {
  document.getElementById(UTF8ToString(name)).style.visibility = visible ? "" : "hidden";
});

EM_JS(void, PrintPage, (), {
  document.body.dataset.print = "window";  // 印刷する prints the window, not the sheet
  window.print();
});

EM_JS(void, CloseWindow, (), {
  Module.page.close();
});
// clang-format on

namespace web {
namespace {

int Bytes(std::u16string_view text) {
  return static_cast<int>(text.size() * sizeof(char16_t));
}

// A command that names a control Form1 lacks, or one of another kind, is a
// programming fault: stop with its name rather than act on nothing.
const form::ControlDesign& Found(std::string_view name, form::ControlKind kind) {
  const form::ControlDesign* row = FindControl(name);
  if (row == nullptr || row->kind != kind) {
    std::fprintf(stderr, "Form1 has no control %.*s of that kind\n", static_cast<int>(name.size()),
                 name.data());
    std::abort();
  }
  return *row;
}

}  // namespace

// Every operation is forwarded to the page; see page.js for the other side.
class DomToolkit final : public toolkit::Toolkit {
 public:
  int ShowMessage(std::u16string_view prompt, toolkit::MessageStyle style,
                  std::u16string_view title) override {
    LastTitle().assign(title);
    return ShowBox(prompt.data(), Bytes(prompt), static_cast<int>(style), title.data(),
                   Bytes(title));
  }

  std::u16string Text(std::string_view box) const override {
    return BoxText(Found(box, form::ControlKind::TextBox).name);
  }

  void SetText(std::string_view box, std::u16string_view text) override {
    SetBoxText(Found(box, form::ControlKind::TextBox).name, text);
  }

  void SetCaption(std::string_view label, std::u16string_view caption) override {
    ShowCaption(Found(label, form::ControlKind::Label), caption);
  }

  void SetVisible(std::string_view button, bool visible) override {
    const std::string name(Found(button, form::ControlKind::CommandButton).name);
    ShowControl(name.c_str(), visible);
  }

  // The browser chooses the printer and reports nothing back.
  toolkit::PrintFault PrintWindow() override {
    PrintPage();
    return toolkit::PrintFault::None;
  }

  void Unload() override { CloseWindow(); }
};

std::u16string& LastTitle() {
  static std::u16string title;
  return title;
}

toolkit::Toolkit& PageToolkit() {
  static DomToolkit toolkit;
  return toolkit;
}

}  // namespace web
