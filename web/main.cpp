// Widmark法算定計算 in the browser: the page's script calls StartCalculator
// once the design face has loaded, and RunButton for each button pressed,
// through ccall with {async: true}, as a command may wait for a message box.
// After 計算する the panel below the window shows the calculation's detail.
#include <emscripten/emscripten.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "calc/calculate_command.h"
#include "form/button_commands.h"
#include "web/detail_panel.h"
#include "web/dom_toolkit.h"
#include "web/morning_check.h"
#include "web/page.h"

extern "C" {

EMSCRIPTEN_KEEPALIVE void StartCalculator() {
  web::BuildForm1();
  web::SetUpMorningCheck();
}

// 翌朝の確認: the serving chosen, a drink added, the window filled (1) or
// not (0), and after 計算する the answer.
EMSCRIPTEN_KEEPALIVE void ChoosePreset() {
  web::ChoosePreset();
}

EMSCRIPTEN_KEEPALIVE void AddDrink() {
  web::AddDrink();
}

EMSCRIPTEN_KEEPALIVE int FillWindow() {
  return web::FillWindow() ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE void ShowMorningAnswer() {
  web::ShowMorningAnswer();
}

EMSCRIPTEN_KEEPALIVE void SuggestMorningDate() {
  web::SuggestMorningDate();
}

EMSCRIPTEN_KEEPALIVE void ForgetMorningAnswer() {
  web::ForgetMorningAnswer();
}

// The calendar file as UTF-8, for the page to free; empty without an answer.
EMSCRIPTEN_KEEPALIVE char* MorningCalendar(const char* stamp) {
  const std::string file = web::MorningCalendar(stamp);
  char* copy = static_cast<char*>(std::malloc(file.size() + 1));
  std::memcpy(copy, file.c_str(), file.size() + 1);
  return copy;
}

EMSCRIPTEN_KEEPALIVE void RunButton(const char* button) {
  web::LastTitle().clear();
  if (const form::ButtonCommand* command = form::FindButtonCommand(button))
    command->run(web::PageToolkit());
  // The panel below the window works out what the calculation was for, once
  // the window has reached a figure; after a caution, or once the boxes are
  // erased, it shows nothing stale.
  const std::string_view name(button);
  if (name == "Command2") web::ClearDetailPanelAfterErase();
  if (name != "Command1") return;
  const std::u16string& title = web::LastTitle();
  if (title == u"有罪です" || title == u"不該当" || title == u"計算結果") {
    web::ShowDetailPanel();
    return;
  }
  web::ClearDetailPanel(title);
  if (title == u"計算できません") web::MarkInvalid(calc::BoxesNamed(web::PageToolkit()));
}

// The panel's own inputs changed after a calculation.
EMSCRIPTEN_KEEPALIVE void UpdatePanel() {
  web::ShowDetailPanel();
}

}  // extern "C"

int main() {
  return 0;  // the runtime stays for the page's calls
}
