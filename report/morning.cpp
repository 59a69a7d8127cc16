#include "report/morning.h"

#include <cstdio>
#include <vector>

#include "calc/input_boxes.h"
#include "report/panel_words.h"
#include "report/text.h"

namespace report {

// clang-format off
const std::array<DrinkPreset, 10> kDrinkPresets = {{
    {u"缶ビール 350mL 5%", u"350", u"5", analysis::Drink::Beer},
    {u"缶ビール 500mL 5%", u"500", u"5", analysis::Drink::Beer},
    {u"生ビール 中ジョッキ 400mL 5%", u"400", u"5", analysis::Drink::Beer},
    {u"日本酒 1合 180mL 15%", u"180", u"15", analysis::Drink::Sake},
    {u"ワイン 1杯 120mL 12%", u"120", u"12", analysis::Drink::Other},
    {u"缶チューハイ 350mL 5%", u"350", u"5", analysis::Drink::Other},
    {u"缶チューハイ 350mL 9%", u"350", u"9", analysis::Drink::Other},
    {u"ハイボール 350mL 7%", u"350", u"7", analysis::Drink::Other},
    {u"ウイスキー シングル 30mL 40%", u"30", u"40", analysis::Drink::Other},
    {u"焼酎 ロック1杯 60mL 25%", u"60", u"25", analysis::Drink::Other},
}};
// clang-format on

namespace {

constexpr std::u16string_view kZeroAt = u"アルコールが0になるのは（慎重な数値で）";

std::u16string Paragraph(std::u16string_view cls, const std::u16string& text) {
  return u"<p class=\"" + std::u16string(cls) + u"\">" + text + u"</p>";
}

// Days since 1970-01-01 and back, on the proleptic Gregorian calendar.
std::int64_t DaysOf(CivilDate d) {
  const std::int64_t y = d.year - (d.month <= 2 ? 1 : 0);
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (d.month + (d.month > 2 ? -3 : 9)) + 2) / 5 + d.day - 1;
  return era * 146097 + yoe * 365 + yoe / 4 - yoe / 100 + doy - 719468;
}

CivilDate DateOf(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t doe = days - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  return {static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0)), month, day};
}

// Long lines folded at 75 octets, never inside a UTF-8 character.
std::string Folded(const std::string& line) {
  std::string out;
  std::size_t width = 0;
  for (std::size_t i = 0; i < line.size();) {
    std::size_t length = 1;
    const auto lead = static_cast<unsigned char>(line[i]);
    if (lead >= 0xF0)
      length = 4;
    else if (lead >= 0xE0)
      length = 3;
    else if (lead >= 0xC0)
      length = 2;
    if (width + length > 75) {
      out += "\r\n ";
      width = 1;
    }
    out.append(line, i, length);
    width += length;
    i += length;
  }
  return out + "\r\n";
}

// TEXT values escape backslash, semicolon and comma.
std::string CalendarText(std::u16string_view text) {
  std::string out;
  for (const char c : Utf8(text)) {
    if (c == '\\' || c == ';' || c == ',') out += '\\';
    out += c;
  }
  return out;
}

}  // namespace

MorningAnswer MorningAnswerOf(const analysis::Case& panel,
                              std::optional<std::int64_t> driveAfterStart) {
  const analysis::ScenarioAnalysis& entered = panel.scenarios[0];
  const analysis::ScenarioAnalysis& cautious = panel.scenarios[1];
  MorningAnswer answer;
  if (!panel.drinkingMinutes || !panel.inputs.startMinute || !cautious.result ||
      !cautious.minutesToZero) {
    answer.spoken = std::u16string(kZeroAt) + u"求められません。入力を確かめて下さい。";
    answer.html = Paragraph(u"zero", answer.spoken);
    return answer;
  }
  const int start = *panel.inputs.startMinute;
  answer.zeroAfterStart = *panel.drinkingMinutes + *cautious.minutesToZero;
  answer.spoken = std::u16string(kZeroAt) + ClockTime(start, *answer.zeroAfterStart) + u" ごろ以降";
  answer.html = Paragraph(u"zero", answer.spoken);
  if (driveAfterStart) {
    const double figure = cautious.result.figure;
    std::u16string line = u"運転する予定の " + ClockTime(start, *driveAfterStart) +
                          u" には、慎重な数値で呼気1リットルあたり " +
                          (figure > 0 ? Number(figure) : u"0") + u" mg。";
    line += figure > 0 ? u"アルコールがまだ体に残っているおそれがあります。"
                       : u"計算上は0ですが、推定にすぎず、残っていないことを確かめたものでは"
                         u"ありません。";
    answer.html += Paragraph(u"drive", line);
  }
  answer.html += Paragraph(u"safety", std::u16string(kSafetyWords));
  if (entered.result) {
    const auto at = [&](const std::optional<std::int64_t>& minutes) {
      return minutes ? ClockTime(start, *minutes) : u"求められません";
    };
    answer.html += Paragraph(u"entered",
                             u"入力した数値（前提を変えない場合）では、0.15以下になる"
                             u"のは " +
                                 at(entered.minutesToLimit) + u"、0になるのは " +
                                 at(entered.minutesToZero) + u"。");
  }
  return answer;
}

CivilDate StartDate(CivilDate today, int nowMinute, int startMinute) {
  return startMinute <= nowMinute ? today : DateOf(DaysOf(today) - 1);
}

std::string CalendarFile(CivilDate date, int startMinute, std::int64_t minutesAfterStart,
                         std::string_view stamp) {
  const std::int64_t at = startMinute + minutesAfterStart;
  const CivilDate day = DateOf(DaysOf(date) + at / (24 * 60));
  const std::int64_t minute = at % (24 * 60);
  char when[32];
  std::snprintf(when, sizeof when, "%04d%02d%02dT%02d%02d00", day.year, day.month, day.day,
                static_cast<int>(minute / 60), static_cast<int>(minute % 60));
  std::string file =
      "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Widmark//Morning check//JA\r\n"
      "BEGIN:VEVENT\r\n";
  file += "UID:" + std::string(when) + "-" + std::string(stamp) + "@widmark.invalid\r\n";
  file += "DTSTAMP:" + std::string(stamp) + "\r\n";
  file += "DTSTART:" + std::string(when) + "\r\n";
  file += Folded("SUMMARY:" + CalendarText(u"アルコールが0になる見込み（慎重な数値）"));
  file += Folded("DESCRIPTION:" + CalendarText(kSafetyWords));
  return file + "END:VEVENT\r\nEND:VCALENDAR\r\n";
}

std::u16string DoubtNotes(const std::array<std::u16string, 13>& texts, const analysis::Case& c,
                          std::u16string_view drinkingText) {
  const calc::WidmarkInputs& in = c.inputs.entered;
  const std::optional<double>& drinkingHours = c.inputs.drinkingHours;
  std::vector<std::u16string> notes;
  const auto named = [&](std::size_t box) {
    std::u16string text(u"「");
    text += calc::kInputBoxTable[box].caption;
    text += u"」の「";
    text += Escape(texts[box]);
    return text + u"」";
  };
  // Text1 is 0: the amounts, weight, times and strengths, in box order.
  for (const std::size_t box : {0, 1, 2, 3, 7, 8, 9, 10, 11}) {
    const double value = in.*calc::kFieldOfBox[box];
    if (value < 0) {
      notes.push_back(named(box) + u"はマイナスです。");
    } else if (box == 2 && value < 20) {
      notes.push_back(named(box) + u"は20 kg未満で、体重として考えにくい値です。");
    } else if (box == 2 && value > 250) {
      notes.push_back(named(box) + u"は250 kgを超え、体重として考えにくい値です。");
    } else if (box >= 9 && value > 100) {
      notes.push_back(named(box) + u"は100度（%）を超え、アルコール濃度としてありえない値です。");
    }
  }
  if (drinkingHours) {
    const std::u16string drinking = u"飲酒時間「" + Escape(drinkingText) + u"」";
    const std::optional<double>& elapsed = c.drivingHours;
    if (*drinkingHours < 0) notes.push_back(drinking + u"はマイナスです。");
    if (elapsed && *drinkingHours > *elapsed)
      notes.push_back(drinking + u"が、飲酒開始後の経過時間より長くなっています。");
    if (*drinkingHours > 24) notes.push_back(drinking + u"が24時間を超えています。");
  }
  if (notes.empty()) return u"";
  std::u16string html = u"<ul class=\"doubts\" aria-label=\"入力の確認\">";
  for (const std::u16string& note : notes) html += u"<li>" + note + u"入力を確かめて下さい。</li>";
  return html + u"</ul>";
}

}  // namespace report
