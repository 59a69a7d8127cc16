#include "web/morning_check.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "analysis/morning.h"
#include "calc/input_boxes.h"
#include "calc/number_text.h"
#include "calc/numeric_input.h"
#include "report/morning.h"
#include "report/panel_words.h"
#include "report/text.h"
#include "web/detail_panel.h"
#include "web/dom_toolkit.h"
#include "web/page.h"

// The page's side (page.js).
// clang-format off
EM_JS(void, AddPresetOption, (int index, const char16_t* name, int bytes), {
  const option = document.createElement("option");
  option.value = String(index);
  option.textContent = UTF16ToString(name, bytes);
  document.getElementById("DrinkPreset").appendChild(option);
});

EM_JS(int, ChosenPreset, (), {
  return Number(document.getElementById("DrinkPreset").value);
});

EM_JS(void, AppendDrinkRow, (int kind, const char16_t* shown, int shownBytes,
                             const char16_t* volume, int volumeBytes, const char16_t* strength,
                             int strengthBytes, const char16_t* count, int countBytes), {
  Module.page.appendDrink(kind, UTF16ToString(shown, shownBytes), UTF16ToString(volume, volumeBytes),
                          UTF16ToString(strength, strengthBytes), UTF16ToString(count, countBytes));
});

// The list's rows, one a line: kind, volume, strength, count, tab-separated.
EM_JS(char16_t*, DrinkRows, (), {
  const text = [...document.querySelectorAll("#DrinkList > li")]
      .map((row) => [row.dataset.kind, row.dataset.volume, row.dataset.strength, row.dataset.count].join("\t"))
      .join("\n");
  const bytes = (text.length + 1) * 2;
  const copy = _malloc(bytes);
  stringToUTF16(text, copy, bytes);
  return copy;
});

EM_JS(void, SayInMorningCheck, (const char16_t* html, int htmlBytes, const char16_t* spoken,
                                int spokenBytes, const char* focus, int calendar), {
  Module.page.showMorning(UTF16ToString(html, htmlBytes), UTF16ToString(spoken, spokenBytes),
                          UTF8ToString(focus), calendar);
});

EM_JS(void, ShowMorningNotes, (const char16_t* html, int bytes), {
  document.getElementById("MorningNotes").innerHTML = UTF16ToString(html, bytes);
});
// clang-format on

namespace web {
namespace {

int Bytes(std::u16string_view text) {
  return static_cast<int>(text.size() * sizeof(char16_t));
}

std::u16string Paragraph(std::u16string_view text) {
  return u"<p class=\"refused\">" + report::Escape(text) + u"</p>";
}

// Says why the check stops, and takes the focus to the input at fault.
void Refuse(std::u16string_view text, const char* focus) {
  const std::u16string html = Paragraph(text);
  SayInMorningCheck(html.data(), Bytes(html), text.data(), Bytes(text), focus, 0);
}

// An input's text read by the window's rule, or the reason it cannot be.
struct Read {
  std::optional<double> value;
  std::u16string text;
};
Read ReadInput(const char* id) {
  Read read{std::nullopt, BoxText(id)};
  const calc::NumberReading reading = calc::ReadNumber(read.text);
  if (reading) read.value = reading.value;
  return read;
}

bool Blank(std::u16string_view text) {
  return text.find_first_not_of(u" \t\n\u3000") == std::u16string_view::npos;
}

// The box that holds a field of the window's inputs.
std::string_view BoxOf(double calc::WidmarkInputs::*field) {
  const auto at = std::find(calc::kFieldOfBox.begin(), calc::kFieldOfBox.end(), field);
  return calc::kInputBoxTable[static_cast<std::size_t>(at - calc::kFieldOfBox.begin())].name;
}

// The last answer, for the calendar.
struct LastAnswer {
  int startMinute;
  std::int64_t zeroAfterStart;
};
std::optional<LastAnswer>& Last() {
  static std::optional<LastAnswer> last;
  return last;
}

}  // namespace

void SetUpMorningCheck() {
  for (std::size_t i = 0; i < report::kDrinkPresets.size(); ++i) {
    const std::u16string_view name = report::kDrinkPresets[i].name;
    AddPresetOption(static_cast<int>(i), name.data(), Bytes(name));
  }
  ChoosePreset();
}

void ChoosePreset() {
  const auto i = static_cast<std::size_t>(ChosenPreset());
  if (i >= report::kDrinkPresets.size()) return;
  SetBoxText("DrinkVolume", report::kDrinkPresets[i].volume);
  SetBoxText("DrinkStrength", report::kDrinkPresets[i].strength);
}

void AddDrink() {
  const auto preset = static_cast<std::size_t>(ChosenPreset());
  if (preset >= report::kDrinkPresets.size()) return;
  struct Field {
    const char* id;
    std::u16string_view words;
  };
  constexpr Field kFields[] = {
      {"DrinkVolume", u"1杯の量（mL）"}, {"DrinkStrength", u"度数（%）"}, {"DrinkCount", u"杯数"}};
  std::u16string texts[3];
  for (std::size_t i = 0; i < 3; ++i) {
    const Read read = ReadInput(kFields[i].id);
    if (!read.value || Blank(read.text)) {
      Refuse(u"「" + std::u16string(kFields[i].words) + u"」に数値を入力して下さい。",
             kFields[i].id);
      return;
    }
    texts[i] = calc::NumberToText16(*read.value);
    // A count is a whole number of servings, one at least.
    if (i == 2 && !(*read.value >= 1 && std::floor(*read.value) == *read.value)) {
      Refuse(u"「杯数」は1以上の整数で入力して下さい（入力：" + read.text + u"）。", kFields[i].id);
      return;
    }
  }
  // The row keeps the drink's name; a serving or strength typed over the
  // preset's is the user's own, counted as the preset's kind.
  const report::DrinkPreset& chosen = report::kDrinkPresets[preset];
  const analysis::Drink kind = chosen.kind;
  const bool asPreset = texts[0] == chosen.volume && texts[1] == chosen.strength;
  const std::u16string shown = (asPreset ? std::u16string(chosen.name)
                                         : u"手入力（" + std::u16string(report::DrinkTitle(kind)) +
                                               u"） " + texts[0] + u"mL " + texts[1] + u"%") +
                               u" × " + texts[2];
  AppendDrinkRow(static_cast<int>(kind), shown.data(), Bytes(shown), texts[0].data(),
                 Bytes(texts[0]), texts[1].data(), Bytes(texts[1]), texts[2].data(),
                 Bytes(texts[2]));
  SetBoxText("DrinkCount", u"1");  // the next drink starts from one serving
}

bool FillWindow() {
  std::vector<analysis::DrinkRow> rows;
  {
    char16_t* raw = DrinkRows();
    const std::u16string text(raw);
    std::free(raw);
    std::size_t at = 0;
    while (at < text.size()) {
      std::size_t end = text.find(u'\n', at);
      if (end == std::u16string::npos) end = text.size();
      std::vector<double> fields;
      std::size_t from = at;
      for (std::size_t tab; (tab = text.find(u'\t', from)) < end; from = tab + 1)
        fields.push_back(
            calc::ReadNumber(std::u16string_view(text).substr(from, tab - from)).value);
      fields.push_back(calc::ReadNumber(std::u16string_view(text).substr(from, end - from)).value);
      if (fields.size() == 4 && fields[0] >= 0 && fields[0] < 3)
        rows.push_back({static_cast<analysis::Drink>(static_cast<int>(fields[0])), fields[1],
                        fields[2], fields[3]});
      at = end + 1;
    }
  }
  if (rows.empty()) {
    Refuse(u"飲んだものをリストに加えてから、確認して下さい（「リストに加える」）。",
           "DrinkPreset");
    return false;
  }
  const Read weight = ReadInput("MorningWeight");
  if (!weight.value || Blank(weight.text)) {
    Refuse(u"体重（kg）を数値で入力して下さい。", "MorningWeight");
    return false;
  }
  const std::optional<int> start = MinuteOfDay(BoxText("MorningStart"));
  const std::optional<int> end = MinuteOfDay(BoxText("MorningEnd"));
  if (!start) {
    Refuse(u"飲み始めた時刻を入力して下さい。", "MorningStart");
    return false;
  }
  if (!end) {
    Refuse(u"飲み終えた時刻を入力して下さい。", "MorningEnd");
    return false;
  }
  const analysis::DrinkTotals totals = analysis::SumDrinks(rows);
  if (totals.fault) {
    Refuse(u"リストの量または度数が大きすぎて計算できません。リストを確かめて下さい。",
           "DrinkPreset");
    return false;
  }
  for (const analysis::Drink kind : analysis::kDrinks) {
    const analysis::KindTotal& total = totals.kinds[static_cast<std::size_t>(kind)];
    SetBoxText(BoxOf(analysis::AmountOf(kind)), calc::NumberToText16(total.amount));
    if (total.strength)
      SetBoxText(BoxOf(analysis::StrengthOf(kind)), calc::NumberToText16(*total.strength));
  }
  SetBoxText("Text3", calc::NumberToText16(*weight.value));
  const std::optional<int> drive = MinuteOfDay(BoxText("DriveAt"));
  const analysis::MorningTimes times = analysis::TimesOf(*start, *end, drive);
  SetBoxText("Text4", report::Ascii(std::to_string(times.elapsedMinutes / 60)));
  SetBoxText("Text8", report::Ascii(std::to_string(times.elapsedMinutes % 60)));
  SetBoxText("DrinkStart", BoxText("MorningStart"));
  SetBoxText("DrinkEnd", BoxText("MorningEnd"));
  return true;
}

void ShowMorningAnswer() {
  Last().reset();
  const std::u16string& title = LastTitle();
  if (title != u"有罪です" && title != u"不該当" && title != u"計算結果") {
    Refuse(
        u"計算は「" + title + u"」で終わったため、答えを出せませんでした。入力を確かめて下さい。",
        "MorningGo");
    return;
  }
  const auto read = ReadPanel();
  if (const auto* why = std::get_if<std::u16string>(&read)) {
    SayInMorningCheck(why->data(), Bytes(*why), u"", 0, "MorningGo", 0);
    return;
  }
  const report::PanelInputs& in = std::get<report::PanelInputs>(read);
  std::optional<std::int64_t> drive;
  const std::optional<int> start = MinuteOfDay(BoxText("MorningStart"));
  const std::optional<int> end = MinuteOfDay(BoxText("MorningEnd"));
  const std::optional<int> driveAt = MinuteOfDay(BoxText("DriveAt"));
  if (start && end && driveAt) drive = analysis::TimesOf(*start, *end, driveAt).elapsedMinutes;
  const analysis::Case c = analysis::ComputeCase(in);
  const report::MorningAnswer answer = report::MorningAnswerOf(c, drive);
  if (answer.zeroAfterStart && in.startMinute)
    Last() = LastAnswer{*in.startMinute, *answer.zeroAfterStart};
  SayInMorningCheck(answer.html.data(), Bytes(answer.html), answer.spoken.data(),
                    Bytes(answer.spoken), "", Last() ? 1 : 0);
  const std::u16string notes = Doubts(c);
  ShowMorningNotes(notes.data(), Bytes(notes));
}

std::string MorningCalendar(int year, int month, int day, int nowMinute, const char* stamp) {
  if (!Last()) return "";
  const report::CivilDate date =
      report::StartDate({year, month, day}, nowMinute, Last()->startMinute);
  return report::CalendarFile(date, Last()->startMinute, Last()->zeroAfterStart, stamp);
}

}  // namespace web
