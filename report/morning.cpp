#include "report/morning.h"

#include <cstdio>
#include <vector>

#include "calc/input_boxes.h"
#include "calc/number_text.h"
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
constexpr std::u16string_view kSummary = u"アルコールが0になる目安（慎重な数値）";

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

// TEXT values escape backslash, semicolon and comma, and a line break is \n.
std::string CalendarText(std::u16string_view text) {
  std::string out;
  for (const char c : Utf8(text)) {
    if (c == '\n') {
      out += "\\n";
      continue;
    }
    if (c == '\\' || c == ';' || c == ',') out += '\\';
    out += c;
  }
  return out;
}

std::u16string Clock(int minute) {
  return ClockTime(minute, 0);
}

// The check's own box and what it held: 「体重（kg）」の「5」.
std::u16string Named(std::u16string_view box, std::u16string_view text) {
  return u"「" + std::u16string(box) + u"」の「" + std::u16string(text) + u"」";
}

// Notes on the check's own inputs, each with what it was taken as.
std::vector<std::u16string> CheckNotes(const MorningCheck& check, const analysis::Case& c) {
  std::vector<std::u16string> notes;
  for (const CheckedDrink& drink : check.drinks) {
    const std::u16string strength =
        Named(u"度数（%）", Number(drink.strength)) + u"（" + drink.name + u"）";
    if (drink.volume < 0)
      notes.push_back(Named(u"1杯の量（mL）", Number(drink.volume)) + u"（" + drink.name +
                      u"）はマイナスです。");
    if (drink.strength < 0) {
      notes.push_back(strength + u"はマイナスです。");
    } else if (drink.strength > 100) {
      notes.push_back(strength + u"は100%を超え、アルコール度数としてありえない値です。");
    } else if (drink.strength > 0 && drink.strength < 1) {
      notes.push_back(strength + u"は" + Number(drink.strength) + u"%として計算しました。" +
                      Number(drink.strength * 100) + u"%の誤りではありませんか。");
    }
  }
  const double weight = c.inputs.entered.BodyWeight;
  const std::u16string named = Named(u"体重（kg）", check.weight);
  if (weight < 0)
    notes.push_back(named + u"はマイナスです。");
  else if (weight < 20)
    notes.push_back(named + u"は20 kg未満で、体重として考えにくい値です。");
  else if (weight > 250)
    notes.push_back(named + u"は250 kgを超え、体重として考えにくい値です。");
  const analysis::MorningTimes times = analysis::TimesOf(check.start, check.end, check.drive);
  if (times.drinkingMinutes > 12 * 60) {
    std::u16string note = Named(u"飲み終えた時刻", Clock(check.end));
    if (check.end < check.start)
      note += u"は" + Named(u"飲み始めた時刻", Clock(check.start)) + u"より前のため、翌日";
    note += u"として、飲酒時間" + Duration(times.drinkingMinutes) +
            u"で計算しました。12時間を超えています。";
    notes.push_back(note);
  }
  if (check.drive && times.driveAfterEnd) {
    const std::int64_t driveAt = times.drinkingMinutes + *times.driveAfterEnd;
    const std::u16string named = Named(u"運転する予定の時刻", Clock(*check.drive));
    if (times.driveDuringDrinking) {
      notes.push_back(named + u"は飲んでいた間の時刻のため、翌日の" +
                      DatedTime(check.date, check.start, driveAt) + u"として計算しました。");
    }
    const std::int64_t now = analysis::DaysOf(check.today) * 1440 + check.nowMinute;
    if (analysis::DaysOf(check.date) * 1440 + check.start + driveAt < now) {
      notes.push_back(named + u"は" + DatedTime(check.date, check.start, driveAt) +
                      u"として計算しましたが、この時刻はもう過ぎています。");
    }
  }
  return notes;
}

// The drive-time line's words for a tired reader: the figure rounded up to
// two decimals, its multiple of the limit, and what it means.
std::vector<std::u16string> DriveLines(const MorningCheck& check, std::int64_t driveAt,
                                       double figure) {
  std::u16string line = u"運転する予定の " + DatedTime(check.date, check.start, driveAt) +
                        u" には、慎重な数値で呼気1リットルあたり ";
  std::vector<std::u16string> lines;
  if (figure >= calc::kLegalLimit) {
    lines.push_back(line + calc::RoundUpToDecimals(figure, 2) + u" mg（基準0.15の約" +
                    calc::RoundToDecimals(figure / calc::kLegalLimit, 1) + u"倍）。");
    lines.push_back(u"基準値以上のアルコールが残っているおそれがあります。運転しないでください。");
  } else if (figure > 0) {
    lines.push_back(line + calc::RoundUpToDecimals(figure, 2) + u" mg。");
    lines.push_back(u"基準値未満でも、アルコールがまだ体に残っているおそれがあります。");
  } else {
    lines.push_back(line + u"0 mg。");
    lines.push_back(
        u"計算上は0ですが、推定にすぎず、残っていないことを確かめたものではありません。");
  }
  if (const std::u16string_view band = EffectsBand(figure); !band.empty()) lines.emplace_back(band);
  return lines;
}

}  // namespace

MorningAnswer MorningAnswerOf(const analysis::Case& panel, const MorningCheck& check) {
  const analysis::ScenarioAnalysis& cautious = panel.scenarios[1];
  MorningAnswer answer;
  std::vector<std::pair<std::u16string_view, std::u16string>> lines;  // class, text
  const analysis::MorningTimes times = analysis::TimesOf(check.start, check.end, check.drive);
  if (!panel.fromEnd || !cautious.result || !cautious.minutesToZero) {
    lines.emplace_back(u"zero",
                       std::u16string(kZeroAt) + u"求められません。入力を確かめて下さい。");
  } else {
    answer.zeroAfterStart = times.drinkingMinutes + *cautious.minutesToZero;
    lines.emplace_back(u"zero", std::u16string(kZeroAt) +
                                    DatedTime(check.date, check.start, *answer.zeroAfterStart) +
                                    u" ごろ以降");
    if (times.driveAfterEnd) {
      const auto drive =
          DriveLines(check, times.drinkingMinutes + *times.driveAfterEnd, cautious.result.figure);
      for (std::size_t i = 0; i < drive.size(); ++i)
        lines.emplace_back(i == 0 ? u"drive" : i == 1 ? u"warning" : u"effects", drive[i]);
    }
  }
  lines.emplace_back(u"safety", std::u16string(kSafetyWords));
  for (const auto& [cls, text] : lines) {
    answer.html += u"<p class=\"" + std::u16string(cls) + u"\">" + Escape(text) + u"</p>";
    answer.spoken += text + (text.ends_with(u"。") ? u"" : u"。");
  }
  const std::vector<std::u16string> notes = CheckNotes(check, panel);
  if (!notes.empty()) {
    answer.notes = u"<ul class=\"doubts\" aria-label=\"入力の確認\">";
    for (const std::u16string& note : notes) {
      answer.notes += u"<li>" + Escape(note) + u"入力を確かめて下さい。</li>";
      answer.spoken += note + u"入力を確かめて下さい。";
    }
    answer.notes += u"</ul>";
  }
  if (answer.zeroAfterStart) {
    // What the reminder stands on: the drinks, the weight, the times, the warning.
    std::u16string& text = answer.calendar;
    text = std::u16string(lines.front().second) + u"\n";
    for (const CheckedDrink& drink : check.drinks) text += drink.name + u"\n";
    text += u"体重 " + check.weight + u" kg\n飲み始め " + DatedTime(check.date, check.start, 0) +
            u"、飲み終わり " + DatedTime(check.date, check.start, times.drinkingMinutes) + u"\n";
    text += std::u16string(kSafetyWords);
  }
  return answer;
}

std::string CalendarFile(CivilDate date, int startMinute, std::int64_t minutesAfterStart,
                         std::string_view stamp, std::u16string_view description) {
  const std::int64_t at = startMinute + minutesAfterStart;
  const CivilDate day = analysis::DateOf(analysis::DaysOf(date) + at / (24 * 60));
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
  file += Folded("SUMMARY:" + CalendarText(kSummary));
  file += Folded("DESCRIPTION:" + CalendarText(description));
  file += "BEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:PT0M\r\n";
  file += Folded("DESCRIPTION:" + CalendarText(kSummary));
  return file + "END:VALARM\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n";
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
