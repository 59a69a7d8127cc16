#include "web/morning_check.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "analysis/morning.h"
#include "analysis/scenarios.h"
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

// The list's rows, one a line: kind, volume, strength, count and the name
// it shows, tab-separated.
EM_JS(char16_t*, DrinkRows, (), {
  const text = [...document.querySelectorAll("#DrinkList > li")]
      .map((row) => [row.dataset.kind, row.dataset.volume, row.dataset.strength, row.dataset.count,
                     row.querySelector("span").textContent].join("\t"))
      .join("\n");
  const bytes = (text.length + 1) * 2;
  const copy = _malloc(bytes);
  stringToUTF16(text, copy, bytes);
  return copy;
});

EM_JS(void, SayInMorningCheck, (const char16_t* html, int htmlBytes, const char16_t* notes,
                                int notesBytes, const char16_t* spoken, int spokenBytes,
                                const char* focus, int calendar), {
  Module.page.showMorning(UTF16ToString(html, htmlBytes), UTF16ToString(notes, notesBytes),
                          UTF16ToString(spoken, spokenBytes), UTF8ToString(focus), calendar);
});

// The local date as year * 10000 + month * 100 + day, and the minute of the day.
EM_JS(int, Today, (), {
  const now = new Date();
  return now.getFullYear() * 10000 + (now.getMonth() + 1) * 100 + now.getDate();
});
EM_JS(int, NowMinute, (), {
  const now = new Date();
  return now.getHours() * 60 + now.getMinutes();
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
  SayInMorningCheck(html.data(), Bytes(html), u"", 0, text.data(), Bytes(text), focus, 0);
}

analysis::CivilDate TodayDate() {
  const int today = Today();
  return {today / 10000, today / 100 % 100, today % 100};
}

std::u16string DateText(analysis::CivilDate date) {
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return report::Ascii(text);
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

// The answer on screen, for the calendar; none once an input changes.
struct LastAnswer {
  analysis::CivilDate date;
  int startMinute;
  std::int64_t zeroAfterStart;
  std::u16string description;
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

namespace {

struct Listed {
  analysis::DrinkRow row;
  std::u16string name;
};
std::vector<Listed> ListedDrinks() {
  char16_t* raw = DrinkRows();
  const std::u16string text(raw);
  std::free(raw);
  std::vector<Listed> drinks;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find(u'\n', at);
    if (end == std::u16string::npos) end = text.size();
    std::vector<std::u16string_view> fields;
    std::size_t from = at;
    for (std::size_t tab; (tab = text.find(u'\t', from)) < end; from = tab + 1)
      fields.push_back(std::u16string_view(text).substr(from, tab - from));
    fields.push_back(std::u16string_view(text).substr(from, end - from));
    if (fields.size() == 5) {
      double numbers[4];
      for (std::size_t i = 0; i < 4; ++i) numbers[i] = calc::ReadNumber(fields[i]).value;
      if (numbers[0] >= 0 && numbers[0] < 3)
        drinks.push_back({{static_cast<analysis::Drink>(static_cast<int>(numbers[0])), numbers[1],
                           numbers[2], numbers[3]},
                          std::u16string(fields[4])});
    }
    at = end + 1;
  }
  return drinks;
}

// The window's thirteen boxes read by its own rule.
calc::WidmarkInputs WindowInputs() {
  calc::WidmarkInputs in{};
  for (std::size_t i = 0; i < calc::kInputBoxes; ++i)
    in.*calc::kFieldOfBox[i] = calc::ReadNumber(BoxText(calc::kInputBoxTable[i].name)).value;
  return in;
}

void SetTime(std::int64_t minutes) {
  SetBoxText("Text4", report::Ascii(std::to_string(minutes / 60)));
  SetBoxText("Text8", report::Ascii(std::to_string(minutes % 60)));
}

}  // namespace

void SuggestMorningDate() {
  const std::optional<int> start = MinuteOfDay(BoxText("MorningStart"));
  if (!start) return;
  SetBoxText("MorningDate", DateText(analysis::StartDate(TodayDate(), NowMinute(), *start)));
}

bool FillWindow() {
  std::vector<analysis::DrinkRow> rows;
  for (const Listed& drink : ListedDrinks()) rows.push_back(drink.row);
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
  if (!DateOfBox("MorningDate")) SuggestMorningDate();
  if (!DateOfBox("MorningDate")) {
    Refuse(u"飲み始めた日を入力して下さい。", "MorningDate");
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
  // The purpose box's cautious values, the unfavourable end of its ratio.
  SetBoxText("Text6", u"0.6");
  SetBoxText("Text7", u"0.11");
  SetBoxText("Text13", u"1900");
  // The time since drinking ended: to driving, or without a time to drive,
  // to the answer itself, so that the window shows the 0 it answers.
  const std::optional<int> drive = MinuteOfDay(BoxText("DriveAt"));
  const analysis::MorningTimes times = analysis::TimesOf(*start, *end, drive);
  if (times.driveAfterEnd) {
    SetTime(*times.driveAfterEnd);
  } else {
    calc::WidmarkInputs in = WindowInputs();
    in.ElapsedHours = 0;
    in.ElapsedMinutes = 0;
    SetTime(analysis::MinutesUntil(in, 0).value_or(0));
  }
  SetBoxText("DrinkStart", BoxText("MorningStart"));
  SetBoxText("DrinkEnd", BoxText("MorningEnd"));
  SetBoxText("DriveTime", BoxText("DriveAt"));
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
    SayInMorningCheck(why->data(), Bytes(*why), u"", 0, why->data(), Bytes(*why), "MorningGo", 0);
    return;
  }
  report::MorningCheck check;
  for (const Listed& drink : ListedDrinks())
    check.drinks.push_back({drink.name, drink.row.volume, drink.row.strength, drink.row.count});
  check.weight = BoxText("MorningWeight");
  const std::optional<int> start = MinuteOfDay(BoxText("MorningStart"));
  const std::optional<int> end = MinuteOfDay(BoxText("MorningEnd"));
  const std::optional<analysis::CivilDate> date = DateOfBox("MorningDate");
  if (!start || !end || !date) return;  // FillWindow refused already
  check.start = *start;
  check.end = *end;
  check.drive = MinuteOfDay(BoxText("DriveAt"));
  check.date = *date;
  check.today = TodayDate();
  check.nowMinute = NowMinute();
  const analysis::Case c = analysis::ComputeCase(std::get<report::PanelInputs>(read));
  const report::MorningAnswer answer = report::MorningAnswerOf(c, check);
  if (answer.zeroAfterStart)
    Last() = LastAnswer{*date, *start, *answer.zeroAfterStart, answer.calendar};
  SayInMorningCheck(answer.html.data(), Bytes(answer.html), answer.notes.data(),
                    Bytes(answer.notes), answer.spoken.data(), Bytes(answer.spoken), "",
                    Last() ? 1 : 0);
}

void ForgetMorningAnswer() {
  Last().reset();
}

std::string MorningCalendar(const char* stamp) {
  if (!Last()) return "";
  return report::CalendarFile(Last()->date, Last()->startMinute, Last()->zeroAfterStart, stamp,
                              Last()->description);
}

}  // namespace web
