// The pure parts of the panel and the sheet, natively: durations, clock times, servings,
// the verdict words, escaping, and where the chart draws the two limits.
#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <regex>
#include <string>
#include <tuple>

#include "calc/morning.h"
#include "report/chart.h"
#include "report/morning.h"
#include "report/panel_words.h"
#include "report/text.h"
#include "tests/utf8.h"

namespace {

using testing_support::Utf8;

TEST(Report, TextPieces) {
  const std::pair<std::u16string, std::u16string> kCases[] = {
      {report::Duration(0), u"0時間0分"},
      {report::Duration(59), u"0時間59分"},
      {report::Duration(142), u"2時間22分"},
      {report::Duration(std::nullopt), u"求められません"},
      {report::ClockTime(20 * 60, 0), u"20:00"},
      {report::ClockTime(20 * 60, 312), u"翌日 1:12"},
      {report::ClockTime(23 * 60 + 30, 309), u"翌日 4:39"},
      {report::ClockTime(0, 3 * 1440 + 5), u"3日後 0:05"},
      {report::Grouped(1234567), u"1,234,567"},
      {report::Grouped(999), u"999"},
      {report::Servings(350, 350), u"1.0"},
      {report::Servings(35, 350), u"0.1"},  // a half rounds up
      {report::Servings(2345, 350), u"6.7"},
      {report::Escape(u"<b a=\"1\">&'"), u"&lt;b a=&quot;1&quot;&gt;&amp;&#39;"},
      {std::u16string(report::VerdictText(calc::Verdict::Punishable)),
       u"可罰的酒気帯び運転（0.15を超える）"},
      {std::u16string(report::VerdictText(calc::Verdict::NotPunishable)),
       u"該当しない（0.15以下）"},
      {std::u16string(report::VerdictText(calc::Verdict::BelowZero)), u"アルコール保有量は０"},
  };
  for (const auto& [actual, expected] : kCases) EXPECT_EQ(Utf8(actual), Utf8(expected));
}

// The 0.15 and 0.25 lines stand at 0.15 and 0.25 of the chart's scale: their
// heights above the time axis are as 3 to 5, whatever the scale's top.
TEST(Report, ChartDrawsTheLimitsToScale) {
  const calc::WidmarkInputs in{200, 300, 70, 1, 0.7947, 0.78, 0.15, 0, 0, 15, 5, 0, 2000};
  const std::string svg = Utf8(report::Chart(calc::Analyse(in)));
  const std::regex line("<line class=\"(axis|threshold)\" x1=\"[0-9.]+\" y1=\"([0-9.]+)\"");
  std::vector<double> axis, threshold;
  for (auto it = std::sregex_iterator(svg.begin(), svg.end(), line); it != std::sregex_iterator();
       ++it) {
    ((*it)[1] == "axis" ? axis : threshold).push_back(std::stod((*it)[2]));
  }
  ASSERT_EQ(threshold.size(), 2u);
  const double zero = axis.at(0);
  EXPECT_NEAR((zero - threshold[0]) / (zero - threshold[1]), 0.15 / 0.25, 0.01);
  EXPECT_GT(threshold[1], 16);  // below the top of the plot
}

}  // namespace

namespace {

// The morning check's sums: each kind's mL, and its strength weighted by
// volume; a kind with no rows keeps the window's strength (none here).
TEST(Morning, DrinksSumByKindWithTheirWeightedStrength) {
  const calc::DrinkRow rows[] = {
      {calc::Drink::Beer, 350, 5, 3},   {calc::Drink::Other, 120, 12, 2},
      {calc::Drink::Sake, 180, 15, 2},  {calc::Drink::Other, 350, 9, 1},
  };
  const calc::DrinkTotals totals = calc::SumDrinks(rows);
  ASSERT_FALSE(totals.fault);
  const auto& [sake, beer, other] = totals.kinds;
  EXPECT_EQ(sake.amount, 360);
  EXPECT_EQ(sake.strength, 15);
  EXPECT_EQ(beer.amount, 1050);
  EXPECT_EQ(other.amount, 590);
  EXPECT_EQ(other.strength, (240.0 * 12 + 350.0 * 9) / 590);  // not the plain mean 10.5
  EXPECT_FALSE(calc::SumDrinks({}).kinds[0].strength);
  const calc::DrinkRow huge[] = {{calc::Drink::Beer, 1e308, 5, 10}};
  EXPECT_TRUE(calc::SumDrinks(huge).fault);
}

// Each time earlier than the one before it is the next day.
TEST(Morning, ClockTimesBecomeTheWindowsTime) {
  struct Case {
    int start, end;
    std::optional<int> drive;
    std::int64_t drinking, elapsed;
  };
  const Case kCases[] = {
      {19 * 60 + 30, 23 * 60 + 45, 8 * 60, 255, 750},  // the party: 12 h 30 min
      {19 * 60 + 30, 23 * 60 + 45, std::nullopt, 255, 255},
      {22 * 60, 1 * 60, 23 * 60, 180, 1500},            // past midnight, drive the next night
      {20 * 60, 20 * 60, 20 * 60, 0, 0},                // the same time is no later
  };
  for (const Case& c : kCases) {
    const calc::MorningTimes times = calc::TimesOf(c.start, c.end, c.drive);
    EXPECT_EQ(times.drinkingMinutes, c.drinking) << c.start;
    EXPECT_EQ(times.elapsedMinutes, c.elapsed) << c.start;
  }
}

// A reminder the phone can keep: floating local time across a month's and
// a year's end, long lines folded at 75 octets between characters.
TEST(Morning, CalendarFileHoldsTheAnswersTime) {
  const std::string file =
      report::CalendarFile({2026, 12, 31}, 23 * 60, 2 * 60 + 5, "20261231T100000Z");
  EXPECT_NE(file.find("\r\nDTSTART:20270101T010500\r\n"), std::string::npos) << file;
  EXPECT_NE(file.find("\r\nDTSTAMP:20261231T100000Z\r\n"), std::string::npos);
  EXPECT_EQ(file.rfind("BEGIN:VCALENDAR\r\n", 0), 0u);
  for (std::size_t at = 0, next; (next = file.find("\r\n", at)) != std::string::npos; at = next + 2) {
    EXPECT_LE(next - at, 75u);
    if (next + 2 < file.size() && file[next + 2] == ' ')  // a fold never splits a character
      EXPECT_NE(static_cast<unsigned char>(file[next + 3]) & 0xC0, 0x80);
  }
  EXPECT_NE(report::CalendarFile({2028, 2, 28}, 22 * 60, 3 * 60, "x").find("DTSTART:20280229T010000"),
            std::string::npos);
  // A check at 7:00 of drinking that began at 19:30 began the day before.
  const report::CivilDate day = report::StartDate({2027, 1, 1}, 7 * 60, 19 * 60 + 30);
  EXPECT_EQ(std::tie(day.year, day.month, day.day), std::make_tuple(2026, 12, 31));
  EXPECT_EQ(report::StartDate({2027, 3, 1}, 20 * 60, 19 * 60 + 30).day, 1);
}

// Notes on inputs no person or drink can have, each naming its box and text;
// none for the window's defaults.
TEST(Morning, DoubtsNameTheBoxAndItsText) {
  const std::array<std::u16string, 13> kDefaults = {u"200", u"300", u"70", u"1", u"0.7947",
                                                    u"0.78", u"0.15", u"0", u"0", u"15",
                                                    u"5", u"0", u"2000"};
  const calc::WidmarkInputs defaults{200, 300, 70, 1, 0.7947, 0.78, 0.15, 0, 0, 15, 5, 0, 2000};
  struct Case {
    const char* name;
    std::size_t box;  // Text1 is 0
    double value;
    std::optional<double> drinking;
    std::u16string expected;  // a part of the note
  };
  const Case kCases[] = {
      {"defaults", 0, 200, std::nullopt, u""},
      {"light", 2, 19, std::nullopt, u"「あなたの体重は（単位はＫｇ）」の「19」は20 kg未満"},
      {"lightest allowed", 2, 20, std::nullopt, u""},
      {"heavy", 2, 251, std::nullopt, u"250 kgを超え"},
      {"negative weight", 2, -62, std::nullopt, u"「-62」はマイナス"},
      {"negative amount", 8, -1, std::nullopt, u"「ワインその他のアルコール類」の「-1」はマイナス"},
      {"negative minutes", 7, -5, std::nullopt, u"「飲酒開始後の経過時間は（分）」の「-5」"},
      {"strength over 100", 11, 150, std::nullopt, u"100度（%）を超え"},
      {"strength of 100", 11, 100, std::nullopt, u""},
      {"drinking longer", 3, 1, 3.5, u"飲酒時間「3時間30分」が、飲酒開始後の経過時間より長く"},
      {"drinking over a day", 3, 30, 25, u"24時間を超えて"},
  };
  for (const Case& c : kCases) {
    std::array<std::u16string, 13> texts = kDefaults;
    calc::WidmarkInputs in = defaults;
    texts[c.box] = report::Number(c.value);
    in.*calc::kFieldOfBox[c.box] = c.value;
    const std::string notes = Utf8(report::DoubtNotes(texts, in, c.drinking, u"3時間30分"));
    if (c.expected.empty())
      EXPECT_EQ(notes, "") << c.name;
    else
      EXPECT_NE(notes.find(Utf8(c.expected)), std::string::npos) << c.name << ": " << notes;
  }
}

}  // namespace
