#include "calc/calculate_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "calc/input_boxes.h"
#include "tests/fake_toolkit.h"
#include "tests/utf8.h"

namespace {

using testing_support::FakeToolkit;
using testing_support::ShownBox;
using testing_support::Utf8;

const std::u16string kPunishablePrompt =
    u" 計算した結果、アルコール保有量は可罰的酒気帯び運転の法定数値\r\n"
    u"\r\n"
    u"０．１５以上 \r\n"
    u"\r\n"
    u"0.2524862592となりました。\r\n"
    u"\r\n"
    u"可罰的酒気帯び運転成立です。処罰されます。\r\n"
    u"\r\n"
    u"\u3000\u3000０．１５以上の場合、９０日間の運転免許停止の行政処分を受けます（累積点数がある場"
    u"合は別です）。\r\n"
    u"\r\n"
    u"\u3000\u3000０．２５以上の場合、即、運転免許取消の行政処分を受けます。\r\n"
    u"\r\n"
    u"\u3000\u3000\u3000（平成２１年６月１日から改正道路交通法が施行されています）";

std::u16string NotPunishablePrompt(const std::u16string& figure) {
  return u" 計算した結果、アルコール保有量は可罰的酒気帯び運転の法定数値\r\n"
         u"\r\n"
         u"０．１５以下 \r\n"
         u"\r\n" +
         figure +
         u"となりました。\r\n"
         u"\r\n"
         u"可罰的酒気帯び運転には該当しません。";
}

const std::u16string kBelowZeroPrompt = u" 計算した結果、アルコール保有量は\u3000\uFF10\u3000です";

const std::u16string kProductIsZero =
    u" 「アルコール体内分布係数」と「あなたの体重は（単位はＫｇ）」の積が０（または０に近すぎる値）"
    u"のため、計算できません。\r\n\r\n入力した数値を確かめて下さい。";

std::u16string TooLarge(const std::u16string& boxes) {
  return u" 計算の途中で数値が大きくなりすぎたため、計算できません。\r\n\r\n次の欄の数値を確かめて"
         u"下"
         u"さい。\r\n" +
         boxes;
}

std::u16string Unreadable(const std::u16string& boxAndText) {
  return u" " + boxAndText +
         u"は数値として読み取れません。\r\n\r\n数字で入力して下さい。例：1000、２．５";
}

// The boxes the page marks after a 計算できません box are the ones it names,
// in its order; after any other box, none.
void ExpectBoxesNamed(const FakeToolkit& toolkit, const ShownBox& box) {
  const std::vector<std::string_view> named = calc::BoxesNamed(toolkit);
  if (box.title != u"計算できません") {
    EXPECT_TRUE(named.empty()) << named.front();
    return;
  }
  ASSERT_FALSE(named.empty());
  std::size_t from = 0;
  for (const std::string_view name : named) {
    const auto row = std::find_if(calc::kInputBoxTable.begin(), calc::kInputBoxTable.end(),
                                  [name](const calc::InputBox& b) { return b.name == name; });
    from = box.prompt.find(u"「" + std::u16string(row->caption) + u"」", from);
    ASSERT_NE(from, std::u16string::npos) << name << " not named, or out of order";
  }
}

struct Flow {
  const char* name;
  std::map<std::string, std::u16string> typed;  // box texts changed before the click
  std::u16string title;                         // of the one box shown
  std::u16string prompt;   // the whole prompt, or a part of it when partOfPrompt
  std::u16string during;   // Label24 while the box is open
  std::u16string label24;  // Label24 afterwards
  bool partOfPrompt = false;
};

const std::map<std::string, std::u16string> kAtTheLimit = {
    {"Text1", u"100"}, {"Text2", u"0"}, {"Text3", u"100"}, {"Text4", u"1"},  {"Text5", u"1"},
    {"Text6", u"1"},   {"Text7", u"0"}, {"Text10", u"15"}, {"Text11", u"0"}, {"Text13", u"1000"}};
const std::map<std::string, std::u16string> kNoDrinkNoTime = {{"Text1", u"0"}, {"Text2", u"0"},
                                                              {"Text9", u"0"}, {"Text4", u"0"},
                                                              {"Text8", u"0"}, {"Text3", u"0"}};

// Label24 holds "9.9" from an earlier calculation in every flow.
const std::vector<Flow> kFlows = {
    {"Defaults", {}, u"有罪です", kPunishablePrompt, u"0.2524862592", u"0.2524862592"},
    {"TwentyMinutes",
     {{"Text8", u"20"}},
     u"有罪です",
     u"\r\n0.2274862592025となりました。\r\n",
     u"0.2274862592025",
     u"0.2274862592025",
     true},
    {"ExactlyAtTheLimit", kAtTheLimit, u"不該当", NotPunishablePrompt(u"0.15"), u"0.15", u"0.15"},
    {"ZeroStrengthsNoElimination",
     {{"Text10", u"0"}, {"Text11", u"0"}, {"Text12", u"0"}, {"Text7", u"0"}},
     u"不該当",
     NotPunishablePrompt(u"0"),
     u"0",
     u"0"},
    {"ZeroStrengthsDefaultRate",
     {{"Text10", u"0"}, {"Text11", u"0"}, {"Text12", u"0"}},
     u"計算結果",
     kBelowZeroPrompt,
     u"9.9",
     u"0"},
    {"TenHours", {{"Text4", u"10"}}, u"計算結果", kBelowZeroPrompt, u"9.9", u"0"},
    {"NothingGiven", kNoDrinkNoTime, u"注意", u" 飲酒量を入力してください", u"9.9", u"9.9"},
    {"AmountsEmpty",
     {{"Text1", u""}, {"Text2", u""}, {"Text9", u""}},
     u"注意",
     u" 飲酒量を入力してください",
     u"9.9",
     u"9.9"},
    {"LettersAreNotZero",  // reported before the missing amount, not read as 0
     {{"Text1", u"0"}, {"Text2", u""}, {"Text9", u"x1"}},
     u"計算できません",
     Unreadable(u"「ワインその他のアルコール類」の「x1」"),
     u"9.9",
     u"9.9"},
    {"ThousandsSeparator",
     {{"Text2", u"1,000"}, {"Text3", u"abc"}},
     u"計算できません",
     Unreadable(u"「飲酒ビールの量（単位はＣＣ）」の「1,000」"),
     u"9.9",
     u"9.9"},
    {"LongTextCutAtTwentyCharacters",  // a pair is one character; tab and line feed show as blanks
     {{"Text3", u"\U0001F37A\t" + std::u16string(18, u'x') + u"\n5"}},
     u"計算できません",
     Unreadable(u"「あなたの体重は（単位はＫｇ）」の「\U0001F37A " + std::u16string(18, u'x') +
                u"…」"),
     u"9.9",
     u"9.9"},
    {"BeyondRangeBeforeUnreadable",
     {{"Text1", u"1e999"}, {"Text2", u"1e999,5"}},
     u"計算できません",
     u"「飲酒日本酒の量（単位はＣＣ）」の数値が大きすぎて",
     u"9.9",
     u"9.9",
     true},
    {"FullWidthAsTyped",  // an input method's digits give the figure of "300" and "1"
     {{"Text2", u"３００"}, {"Text4", u"\u3000１．０"}},
     u"有罪です",
     kPunishablePrompt,
     u"0.2524862592",
     u"0.2524862592"},
    {"OtherDrinksOnly",
     {{"Text1", u"0"}, {"Text2", u"0"}, {"Text9", u"500"}, {"Text12", u"12"}},
     u"有罪です",
     u"\r\n0.3616483456となりました。\r\n",
     u"0.3616483456",
     u"0.3616483456",
     true},
    {"NoTime",
     {{"Text4", u"0"}, {"Text8", u""}},
     u"注意",
     u" 飲酒開始後の経過時間を入力してください",
     u"9.9",
     u"9.9"},
    {"MinutesOnly",
     {{"Text4", u"0"}, {"Text8", u"30"}},
     u"有罪です",
     u"\r\n0.2899862592となりました。\r\n",
     u"0.2899862592",
     u"0.2899862592",
     true},
    {"NegativeHours",
     {{"Text4", u"-1"}},
     u"有罪です",
     u"\r\n0.4024862592となりました。\r\n",
     u"0.4024862592",
     u"0.4024862592",
     true},
    {"BlankBeforeMinusHours",  // a figure, not the missing time
     {{"Text4", u" -1"}},
     u"有罪です",
     u"\r\n0.4024862592となりました。\r\n",
     u"0.4024862592",
     u"0.4024862592",
     true},
    {"NoWeight", {{"Text3", u"0"}}, u"注意", u" 体重を入力してください", u"9.9", u"9.9"},
    {"FactorZero", {{"Text6", u"0"}}, u"計算できません", kProductIsZero, u"9.9", u"9.9"},
    {"FactorZeroOneCcOfSakeAlone",
     {{"Text1", u"1"}, {"Text2", u"0"}, {"Text9", u"0"}, {"Text6", u"0"}},
     u"計算できません",
     kProductIsZero,
     u"9.9",
     u"9.9"},
    {"NoAlcoholAndNoFactor",  // 0/0
     {{"Text10", u"0"}, {"Text11", u"0"}, {"Text12", u"0"}, {"Text6", u"0"}},
     u"計算できません",
     kProductIsZero,
     u"9.9",
     u"9.9"},
    {"EthanolMassOverflows",
     {{"Text5", u"1e307"}},
     u"計算できません",
     TooLarge(
         u"「飲酒日本酒の量（単位はＣＣ）」「飲酒ビールの量（単位はＣＣ）」「ワインその他のアルコー"
         u"ル類」「エタノールの比重」"),
     u"9.9",
     u"9.9"},
    {"RatioZero",
     {{"Text13", u"0"}},
     u"計算できません",
     u" 「血中量の呼気量への換算率」が０のため、計算できません。\r\n\r\n入力した数値を確かめて下さ"
     u"い。",
     u"9.9",
     u"9.9"},
    {"ConcentrationTooLarge",
     {{"Text1", u"1e33"}},
     u"計算できません",
     TooLarge(
         u"「飲酒日本酒の量（単位はＣＣ）」「飲酒ビールの量（単位はＣＣ）」「ワインその他のアルコー"
         u"ル類」「エタノールの比重」「アルコール体内分布係数」「あなたの体重は（単位はＫｇ）」"),
     u"9.9",
     u"9.9"},
    {"TwoBoxesBeyondRange",
     {{"Text1", u"1e999"}, {"Text3", u"1e999"}},
     u"計算できません",
     u" 「飲酒日本酒の量（単位はＣＣ）」の数値が大きすぎて読み取れません。\r\n\r\n入力した数値を確"
     u"かめて下さい。",
     u"9.9",
     u"9.9"},
    {"NumberBeyondRange",
     {{"Text5", u"1e999"}},
     u"計算できません",
     u" 「エタノールの比重」の数値が大きすぎて読み取れません。\r\n\r\n入力した数値を確かめて下さい"
     u"。",
     u"9.9",
     u"9.9"},
    {"BeyondRangeBeforeMissingAmount",
     {{"Text1", u"0"}, {"Text2", u"0"}, {"Text13", u"-1e400"}},
     u"計算できません",
     u"「血中量の呼気量への換算率」の数値が大きすぎて",
     u"9.9",
     u"9.9",
     true},
};

class CalculateFlow : public testing::TestWithParam<Flow> {};

TEST_P(CalculateFlow, ShowsOneBoxAndTheFigure) {
  const Flow& flow = GetParam();
  FakeToolkit toolkit;
  toolkit.texts["Label24"] = u"9.9";
  for (const auto& [box, text] : flow.typed) toolkit.texts[box] = text;

  calc::CalculateCommand(toolkit);

  ASSERT_EQ(toolkit.boxes.size(), 1u);
  const auto& box = toolkit.boxes[0];
  EXPECT_EQ(Utf8(box.title), Utf8(flow.title));
  EXPECT_EQ(box.style, toolkit::MessageStyle::OkOnly);
  if (flow.partOfPrompt) {
    EXPECT_NE(box.prompt.find(flow.prompt), std::u16string::npos) << Utf8(box.prompt);
  } else {
    EXPECT_EQ(Utf8(box.prompt), Utf8(flow.prompt));
  }
  EXPECT_EQ(Utf8(box.label24), Utf8(flow.during));
  EXPECT_EQ(Utf8(toolkit.texts["Label24"]), Utf8(flow.label24));

  // Every box read exactly once, in order, whatever the outcome; no box written.
  std::vector<std::string> expectedReads;
  for (int i = 1; i <= 13; ++i) expectedReads.push_back("Text" + std::to_string(i));
  EXPECT_EQ(toolkit.reads, expectedReads);
  for (const auto& written : toolkit.writes) EXPECT_EQ(written, "Label24");
  ExpectBoxesNamed(toolkit, box);
}

INSTANTIATE_TEST_SUITE_P(Calculate, CalculateFlow, testing::ValuesIn(kFlows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Calculate, ChecksComeInOrder) {
  // With everything missing, each fix uncovers the next check's message.
  FakeToolkit toolkit;
  for (const auto& [box, text] : kNoDrinkNoTime) toolkit.texts[box] = text;
  calc::CalculateCommand(toolkit);
  toolkit.texts["Text2"] = u"300";
  calc::CalculateCommand(toolkit);
  toolkit.texts["Text8"] = u"45";
  calc::CalculateCommand(toolkit);
  toolkit.texts["Text3"] = u"70";
  calc::CalculateCommand(toolkit);

  std::vector<std::string> titles, prompts;
  for (const auto& box : toolkit.boxes) {
    titles.push_back(Utf8(box.title));
    prompts.push_back(Utf8(box.prompt));
  }
  EXPECT_EQ(titles, (std::vector<std::string>{"注意", "注意", "注意", "不該当"}));
  EXPECT_EQ(prompts[0], " 飲酒量を入力してください");
  EXPECT_EQ(prompts[1], " 飲酒開始後の経過時間を入力してください");
  EXPECT_EQ(prompts[2], " 体重を入力してください");
}

TEST(Calculate, EveryFaultPromptNamesItsBoxes) {
  // Each failing step's report names exactly the boxes that feed it.
  const std::u16string kDrinks =
      u"「飲酒日本酒の量（単位はＣＣ）」「飲酒ビールの量（単位はＣＣ）」「ワインその他のアルコール"
      u"類」";
  const std::u16string kTimes =
      u"「飲酒開始後の経過時間は（時間）」「飲酒開始後の経過時間は（分）」";
  const std::vector<std::pair<std::map<std::string, std::u16string>, std::u16string>> faults = {
      {{{"Text2", u"1e308"}},  // volume
       TooLarge(
           kDrinks +
           u"「日本酒のアルコール濃度（度）」「ビールのアルコール濃度（度）」「ワインその他のアル"
           u"コール濃度（度）」")},
      {{{"Text3", u"1e300"}, {"Text6", u"1e10"}},  // distribution mass
       TooLarge(u"「アルコール体内分布係数」「あなたの体重は（単位はＫｇ）」")},
      {{{"Text8", u"1e300"}}, TooLarge(kTimes)},                                        // minutes
      {{{"Text4", u"1.7976931348623157e308"}, {"Text8", u"1e297"}}, TooLarge(kTimes)},  // time
      {{{"Text7", u"1e300"}, {"Text4", u"1e10"}},  // eliminated
       TooLarge(u"「体内アルコール減少率」" + kTimes)},
      {{{"Text7", u"-1e306"}}, TooLarge(u"「体内アルコール減少率」" + kTimes)},  // milligrams
      {{{"Text13", u"1e-320"}}, TooLarge(u"「血中量の呼気量への換算率」")},      // quotient
  };
  for (const auto& [typed, prompt] : faults) {
    FakeToolkit toolkit;
    for (const auto& [box, text] : typed) toolkit.texts[box] = text;
    calc::CalculateCommand(toolkit);
    ASSERT_EQ(toolkit.boxes.size(), 1u);
    EXPECT_EQ(Utf8(toolkit.boxes[0].title), "計算できません");
    EXPECT_EQ(Utf8(toolkit.boxes[0].prompt), Utf8(prompt));
    EXPECT_EQ(Utf8(toolkit.texts["Label24"]), "0");
    ExpectBoxesNamed(toolkit, toolkit.boxes[0]);
  }
}

}  // namespace
