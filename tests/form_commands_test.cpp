#include "form/form_commands.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "calc/calculate_command.h"
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

}  // namespace
