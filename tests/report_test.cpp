// The pure parts of the panel and the sheet, natively: durations, clock times, servings,
// the verdict words, escaping, and where the chart draws the two limits.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "report/chart.h"
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
