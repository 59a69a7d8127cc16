#include "form/form_commands.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "calc/calculate_command.h"
#include "form/button_commands.h"
#include "form/caption_wrap.h"
#include "form/contrast.h"
#include "form/form1_design.h"
#include "form/phone_layout.h"
#include "tests/case_name.h"
#include "tests/fake_toolkit.h"
#include "tests/utf8.h"

namespace {

using testing_support::FakeToolkit;

class Clear : public testing::TestWithParam<std::u16string> {};

TEST_P(Clear, WritesTheTableInOrderAndKeepsTheRatio) {
  FakeToolkit toolkit;
  for (auto& [name, text] : toolkit.texts) text = u"7.5e1 junk";
  toolkit.texts["Text13"] = GetParam();

  for (int times = 0; times < 2; ++times) {  // clearing twice is clearing once
    toolkit.writes.clear();
    form::ClearCommand(toolkit);
    const std::map<std::string, std::u16string> expected = {
        {"Text1", u"0"},        {"Text2", u"0"},    {"Text3", u"0"},    {"Text4", u"0"},
        {"Text5", u"0.7947"},   {"Text6", u"0.78"}, {"Text7", u"0.15"}, {"Text8", u"0"},
        {"Text9", u"0"},        {"Text10", u"15"},  {"Text11", u"5"},   {"Text12", u"0"},
        {"Text13", GetParam()}, {"Label24", u"0"}};
    EXPECT_EQ(toolkit.texts, expected);
    EXPECT_EQ(toolkit.writes, (std::vector<std::string>{"Text1", "Text2", "Text3", "Text4", "Text5",
                                                        "Text6", "Text7", "Text8", "Text10",
                                                        "Text11", "Text12", "Text9", "Label24"}));
  }
  EXPECT_TRUE(toolkit.boxes.empty());
}

INSTANTIATE_TEST_SUITE_P(FormCommands, Clear, testing::Values(u"2300", u"", u"2000"),
                         [](const auto& info) {
                           return "Ratio" +
                                  testing_support::CaseName(testing_support::Utf8(info.param));
                         });

TEST(FormCommands, CalculationAfterClearAsksForTheAmountFirst) {
  FakeToolkit toolkit;
  calc::CalculateCommand(toolkit);
  form::ClearCommand(toolkit);
  EXPECT_EQ(toolkit.texts["Label24"], u"0");
  calc::CalculateCommand(toolkit);
  ASSERT_EQ(toolkit.boxes.size(), 2u);
  EXPECT_EQ(toolkit.boxes[1].title, u"注意");
  EXPECT_EQ(toolkit.boxes[1].prompt, u" 飲酒量を入力してください");
}

struct PrintCase {
  const char* name;
  toolkit::PrintFault fault;
  bool reported;
};

class Print : public testing::TestWithParam<PrintCase> {};

TEST_P(Print, HidesTheButtonOnlyWhilePrinting) {
  FakeToolkit toolkit;
  toolkit.printFault = GetParam().fault;
  const auto before = toolkit.texts;
  form::PrintCommand(toolkit);
  EXPECT_EQ(toolkit.visibility,
            (std::vector<std::string>{"Command3 hidden", "printed", "Command3 shown"}));
  EXPECT_EQ(toolkit.texts, before);
  ASSERT_EQ(toolkit.boxes.size(), GetParam().reported ? 1u : 0u);
  if (GetParam().reported) {
    EXPECT_EQ(toolkit.boxes[0].title, u"印刷できません");
    EXPECT_NE(toolkit.boxes[0].prompt.find(u"プリンター"), std::u16string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(
    FormCommands, Print,
    testing::Values(PrintCase{"Printed", toolkit::PrintFault::None, false},
                    PrintCase{"NoPrinter", toolkit::PrintFault::NoPrinter, true},
                    PrintCase{"JobFailed", toolkit::PrintFault::JobFailed, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormCommands, CloseUnloadsWithoutAsking) {
  FakeToolkit toolkit;
  toolkit.texts["Text1"] = u"edited";
  form::CloseCommand(toolkit);
  EXPECT_EQ(toolkit.unloads, 1);
  EXPECT_TRUE(toolkit.boxes.empty());
}

// Every button of the design runs its own command, and the table names no
// other: a swapped or misspelt row would bind a button to the wrong action
// or to nothing.
TEST(FormCommands, EveryButtonRunsItsCommand) {
  const std::map<std::string, std::string> kEffect = {
      {"Command1", "有罪です"},         {"Command2", "cleared"},      {"Command3", "printed"},
      {"Command4", "使用目的"},         {"Command5", "お尋ね"},       {"Command7", "判決例"},
      {"Command8", "unloaded"},         {"Command9", "地獄への警告"}, {"Command10", "影響"},
      {"Command11", "ディフオルト数値"}};
  std::map<std::string, std::string> seen;
  for (const form::ControlDesign& row : form::kForm1Controls) {
    if (row.kind != form::ControlKind::CommandButton) continue;
    const form::ButtonCommand* command = form::FindButtonCommand(row.name);
    ASSERT_NE(command, nullptr) << row.name;
    FakeToolkit toolkit;
    command->run(toolkit);
    std::string& effect = seen[std::string(row.name)];
    if (!toolkit.boxes.empty())
      effect = testing_support::Utf8(toolkit.boxes[0].title);
    else if (toolkit.unloads > 0)
      effect = "unloaded";
    else if (!toolkit.visibility.empty())
      effect = "printed";
    else if (!toolkit.writes.empty())
      effect = "cleared";
  }
  EXPECT_EQ(seen, kEffect);
  EXPECT_EQ(form::kButtonCommands.size(), kEffect.size());
}

// The wrapping rule itself, each character one unit wide.
struct WrapCase {
  const char* name;
  std::u16string caption;
  double width;
  form::Alignment alignment;
  std::vector<std::u16string> lines;
};

class Wrap : public testing::TestWithParam<WrapCase> {};

TEST_P(Wrap, BreaksAsDesigned) {
  const WrapCase& c = GetParam();
  const auto lines = form::WrapCaption(
      c.caption, [](char16_t) { return 1.0; }, c.width, c.alignment);
  std::vector<std::string> actual, expected;
  for (const auto& line : lines) actual.push_back(testing_support::Utf8(line));
  for (const auto& line : c.lines) expected.push_back(testing_support::Utf8(line));
  EXPECT_EQ(actual, expected);
}

constexpr auto kLeft = form::Alignment::Left;
constexpr auto kCentre = form::Alignment::Centre;

INSTANTIATE_TEST_SUITE_P(
    FormCommands, Wrap,
    testing::Values(
        WrapCase{"ExactFitStaysOnOneLine", u"abc def", 7, kLeft, {u"abc def"}},
        WrapCase{"OneShortBreaksAfterTheSpace", u"abc def", 6, kLeft, {u"abc ", u"def"}},
        WrapCase{"LeftKeepsBlanksAfterAWrap", u"aaaa   bbbb", 5, kLeft, {u"aaaa ", u" bbbb"}},
        WrapCase{"CentreDropsBlanksAtAWrap", u"aaaa   bbbb", 5, kCentre, {u"aaaa", u"bbbb"}},
        WrapCase{"CentreKeepsBlanksWhenItFits", u" ab ", 10, kCentre, {u" ab "}},
        WrapCase{"FullWidthBreaksAnywhere", u"あいうえ", 3, kLeft, {u"あいう", u"え"}},
        WrapCase{"HalfWidthKatakanaIsOneWord", u"あｱｲｳ", 3, kLeft, {u"あ", u"ｱｲｳ"}},
        WrapCase{"LongWordBreaksBetweenLetters", u"abcdefg", 3, kLeft, {u"abc", u"def", u"g"}},
        WrapCase{"CrLfStartsALine", u"ab\r\ncd", 9, kLeft, {u"ab", u"cd"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The phone arrangement places every box and button once, and every caption
// with something to read (Label21's text lies under other labels on the
// window too), each within the grid.
TEST(FormCommands, PhoneLayoutPlacesEveryControlOnce) {
  std::set<std::string> expected, placed;
  for (const form::ControlDesign& row : form::kForm1Controls) {
    const bool readable = row.caption.find_first_not_of(u" \u3000\r\n") != std::u16string::npos;
    if ((row.kind != form::ControlKind::Label || readable) && row.name != "Label21")
      expected.emplace(row.name);
    EXPECT_EQ(form::IsRead(row.name), expected.count(std::string(row.name)) == 1) << row.name;
  }
  for (const form::PhonePlace& place : form::kPhoneLayout) {
    EXPECT_TRUE(placed.emplace(place.control).second) << place.control << " placed twice";
    EXPECT_LE(1, place.firstColumn);
    EXPECT_LE(place.firstColumn, place.lastColumn);
    EXPECT_LE(place.lastColumn, form::kPhoneColumns);
  }
  EXPECT_EQ(placed, expected);
}

// What the window means, row by row: each box's caption (none where boxes
// share one) and the unit or note beside it. The arrangement is the reading
// order, so each box must come right after its caption (or after its
// neighbour's unit), and its unit right after it on the same grid row, in
// the next column.
struct Reading {
  std::string_view box, caption, unit;
};
constexpr Reading kReadings[] = {
    {"Text1", "Label2", "Label11"},  {"Text10", "", "Label23"},
    {"Text2", "Label3", "Label12"},  {"Text11", "", "Label31"},
    {"Text9", "Label29", "Label30"}, {"Text12", "", "Label32"},
    {"Text3", "Label4", "Label13"},  {"Text4", "Label5", "Label14"},
    {"Text8", "", "Label27"},        {"Label24", "Label6", "Label18"},
    {"Text5", "Label8", "Label15"},  {"Text6", "Label9", "Label16"},
    {"Text7", "Label10", "Label17"}, {"Text13", "Label49", "Label50"},
};

TEST(FormCommands, PhoneLayoutReadsEachBoxAfterItsCaptionWithItsUnitBeside) {
  // Rows as the page's grid fills them: a place whose first column lies
  // left of where the row has reached starts a new row.
  std::map<std::string_view, std::pair<int, std::size_t>> row;  // row, index
  int current = 0, reached = 0;
  for (std::size_t i = 0; i < form::kPhoneLayout.size(); ++i) {
    const form::PhonePlace& place = form::kPhoneLayout[i];
    if (place.firstColumn <= reached) ++current;
    reached = place.lastColumn;
    row[place.control] = {current, i};
  }
  const auto at = [&](std::size_t i) { return form::kPhoneLayout[i].control; };
  std::set<std::string_view> units;
  for (const Reading& r : kReadings) units.insert(r.unit);
  for (const Reading& r : kReadings) {
    const auto [boxRow, box] = row.at(r.box);
    ASSERT_GT(box, 0u);
    if (!r.caption.empty())
      EXPECT_EQ(at(box - 1), r.caption) << r.box << " not right after its caption";
    else
      EXPECT_EQ(units.count(at(box - 1)), 1u) << r.box << " not after its neighbour's unit";
    EXPECT_EQ(at(box + 1), r.unit) << r.box << " without its unit after it";
    const auto [unitRow, unit] = row.at(r.unit);
    EXPECT_EQ(unitRow, boxRow) << r.unit << " not beside " << r.box;
    EXPECT_EQ(form::kPhoneLayout[unit].firstColumn, form::kPhoneLayout[box].lastColumn + 1)
        << r.unit << " not in the column after " << r.box;
  }
  // The note that points down (↓↓) at the method's values stands right above
  // them, after the red warning under the figure.
  EXPECT_EQ(at(row.at("Label7").second + 1), "Label8");
  EXPECT_EQ(at(row.at("Label20").second + 1), "Label7");
}

// Where the page needs every text to read (a phone, more contrast asked
// for), the design's colours that fall short are darkened, keeping their
// hue: exactly the three pairs that measure below 4.5 to 1.
TEST(FormCommands, DesignColoursDarkenedOnlyWhereTheyFallShort) {
  std::set<std::string_view> darkened;
  for (const form::ControlDesign& row : form::kForm1Controls) {
    if (row.textColour == form::kStandardColour || !form::IsRead(row.name)) continue;
    const std::int32_t back =
        row.backColour == form::kStandardColour ? form::kStandardFace : row.backColour;
    const std::int32_t readable = form::ReadableOn(row.textColour, back, form::kTextContrast);
    EXPECT_GE(form::ContrastRatio(readable, back), form::kTextContrast) << row.name;
    if (readable == row.textColour) continue;
    darkened.insert(row.name);
    for (int shift : {0, 8, 16})  // the same hue: a channel at 0 stays at 0
      EXPECT_EQ((readable >> shift & 255) == 0, (row.textColour >> shift & 255) == 0) << row.name;
  }
  EXPECT_EQ(darkened, (std::set<std::string_view>{"Label20", "Label40", "Label51"}));
  EXPECT_NEAR(form::ContrastRatio(form::Rgb(192, 0, 0), form::kStandardFace), 3.561, 0.0005);
  EXPECT_NEAR(form::ContrastRatio(form::Rgb(255, 0, 0), form::kStandardFace), 2.198, 0.0005);
}

// Two buttons side by side on a phone keep the window's order: the one
// further left on the window (or, level, the higher) first.
TEST(FormCommands, PhoneLayoutKeepsButtonsInTheWindowsOrder) {
  const auto design = [](std::string_view name) {
    for (const form::ControlDesign& row : form::kForm1Controls)
      if (row.name == name) return row;
    ADD_FAILURE() << name;
    return form::kForm1Controls.front();
  };
  int pairs = 0;
  for (std::size_t i = 1; i < form::kPhoneLayout.size(); ++i) {
    const form::PhonePlace& a = form::kPhoneLayout[i - 1];
    const form::PhonePlace& b = form::kPhoneLayout[i];
    const form::ControlDesign &x = design(a.control), &y = design(b.control);
    if (x.kind != form::ControlKind::CommandButton || y.kind != form::ControlKind::CommandButton ||
        b.firstColumn <= a.lastColumn)
      continue;  // not two buttons on one row
    ++pairs;
    EXPECT_LE(std::tie(x.left, x.top), std::tie(y.left, y.top))
        << a.control << " before " << b.control;
  }
  EXPECT_EQ(pairs, 3);  // 計算する/入力数値抹消, 使用目的/判決例, お尋ね/印刷する
}

// What is read of a caption: one text, decoration left out, English marked.
TEST(FormCommands, CaptionsReadAsOneText) {
  EXPECT_EQ(form::ReadableText(u"  \u3000ab\r\n\u3000 c  "), u"ab c");
  EXPECT_EQ(form::ReadableText(u"\u3000\u3000"), u"");
  EXPECT_TRUE(form::IsDecorativeLine(u"－－－\u3000 "));
  EXPECT_FALSE(form::IsDecorativeLine(u"－－飲"));
  EXPECT_TRUE(form::IsEnglish(u"  Ver9"));
  EXPECT_TRUE(form::IsEnglish(u"Widmark Calculator\u3000\u3000"));
  EXPECT_FALSE(form::IsEnglish(u"Widmark法算定計算"));
  EXPECT_FALSE(form::IsEnglish(u"1900"));
}

}  // namespace
