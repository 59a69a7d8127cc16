#include "form/form_commands.h"

#include <array>
#include <string>
#include <string_view>
#include <variant>

#include "calc/number_text.h"
#include "toolkit/join_lines.h"
#include "toolkit/toolkit.h"

namespace form {
namespace {

// Integers are written as their digits, doubles through the number-to-text
// rule, as the window's own conversions do.
struct ClearStep {
  std::string_view control;
  std::variant<int, double> value;
};

// Text13, the blood-to-breath ratio, is deliberately left as it is.
constexpr std::array<ClearStep, 13> kClearSteps = {{
    {"Text1", 0},
    {"Text2", 0},
    {"Text3", 0},
    {"Text4", 0},
    {"Text5", 0.7947},
    {"Text6", 0.78},
    {"Text7", 0.15},
    {"Text8", 0},
    {"Text10", 15},
    {"Text11", 5},
    {"Text12", 0},
    {"Text9", 0},
    {"Label24", 0},
}};

std::u16string ValueText(const std::variant<int, double>& value) {
  if (const int* whole = std::get_if<int>(&value)) {
    const std::string digits = std::to_string(*whole);
    return std::u16string(digits.begin(), digits.end());
  }
  return calc::NumberToText16(std::get<double>(value));
}

constexpr std::u16string_view kPrintFailedTitle = u"印刷できません";

std::u16string PrintFailure(toolkit::PrintFault fault) {
  if (fault == toolkit::PrintFault::NoPrinter) {
    return toolkit::JoinLines(
        {u" 印刷できませんでした。", u"", u"使用できるプリンターが見つかりません。",
         u"プリンターが接続され、通常使うプリンターに設定されているか確かめて下さい。"});
  }
  return toolkit::JoinLines(
      {u" 印刷できませんでした。", u"", u"プリンターが印刷を受け付けませんでした。",
       u"プリンターの電源、接続、用紙を確かめてから、もう一度印刷して下さい。"});
}

}  // namespace

void ClearCommand(toolkit::Toolkit& toolkit) {
  for (const ClearStep& step : kClearSteps) {
    const std::u16string text = ValueText(step.value);
    if (step.control == "Label24")
      toolkit.SetCaption(step.control, text);
    else
      toolkit.SetText(step.control, text);
  }
}

void PrintCommand(toolkit::Toolkit& toolkit) {
  // The print button is left out of the printed image; it comes back even
  // when printing fails, so the user can try again.
  toolkit.SetVisible("Command3", false);
  const toolkit::PrintFault fault = toolkit.PrintWindow();
  toolkit.SetVisible("Command3", true);
  if (fault != toolkit::PrintFault::None)
    toolkit.ShowMessage(PrintFailure(fault), toolkit::MessageStyle::OkOnly, kPrintFailedTitle);
}

void CloseCommand(toolkit::Toolkit& toolkit) {
  toolkit.Unload();
}

}  // namespace form
