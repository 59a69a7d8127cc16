#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "info/dialogs.h"
#include "tests/fake_toolkit.h"
#include "tests/utf8.h"

namespace {

using testing_support::FakeToolkit;
using testing_support::Utf8;

struct ExpectedBox {
  std::u16string title;
  std::u16string prompt;
  toolkit::MessageStyle style = toolkit::MessageStyle::OkOnly;
};

// The purpose box: seventeen lines, only line 14 empty.
const std::u16string kPurpose =
    u" イ\u3000前日の夜、深酒を飲んだような場合、翌朝、アルコールが残っている場合があります。\u3000"
    u"\r\n"
    u" \r\n"
    u"     このような場合、確認のため使用して下さい。 \u3000\r\n"
    u" \r\n"
    u"    この場合、慎重に計算させるため、最も安全・被検査者に不利な数値、\u3000\r\n"
    u" \u3000\r\n"
    u" \u3000"
    u"1"
    u"\u3000飲酒開始後の経過時間欄には「飲酒終了時からの経過時間」を入力し、\u3000\r\n"
    u" \u3000\r\n"
    u" \u3000"
    u"2"
    u"\u3000体内分布係数は「0.6」を、\u3000\r\n"
    u" \u3000\r\n"
    u" \u3000"
    u"3"
    u"\u3000アルコール減少率は最低値「0.11」を入力して、\u3000\r\n"
    u"\u3000\u3000\r\n"
    u"  "
    u"\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000\u3000"
    u"\u3000\u3000"
    u"計算して下さい。\u3000\r\n"
    u"\r\n"
    u"  "
    u"ロ\u3000警察、検察庁はウィドマーク法により、酒気帯び運転を事件として立件する場合があります。"
    u"\r\n"
    u" \r\n"
    u"      警察、検察庁の計算が正しいか否かの確認に使用して下さい。";

const std::u16string kCaution =
    u"\u3000この計算方法を一般の人に教えることについては、ご注意下さい。\r\n"
    u" \r\n"
    u"  「保有アルコール量が０．１５ミリグラム未満であれば、酒気帯び運転が許される」というような"
    u"\uFF0D「とんでもない誤解」\uFF0Dを、一般の人に招くおそれがあるからです。\u3000\r\n"
    u" \r\n"
    u"  "
    u"一般の人向けには、被検査者に最も不利な、安全な計算方法、既定値を採用したプログラムを別途作成"
    u"しています。";

const ExpectedBox kQuestion{
    u"お尋ね", u"無許諾コピー、無許諾インストール、無許諾添付ファイル送信等されましたか\uFF1F",
    toolkit::MessageStyle::YesNo};
const ExpectedBox kLecture{u"お遊びです",
                           u"無許諾コピー、無許諾インストール、無許諾添付ファイル送信は\r\n\r\n"
                           u"著作権法の\uFF0D排他的複製権\uFF0D侵害です\r\n\r\n"
                           u"最高\uFF0D懲役3年\uFF0Dの刑です \r\n\r\n"
                           u"(著作権法のお勉強です(^_ ^),,,,,)\u3000冗談です。"};
const ExpectedBox kApology{u"お遊びです", u"失礼しました。どうぞ、ご使用下さい。"};

const ExpectedBox kCourtDecision{
    u"判決例",
    u"大阪地裁平成\uFF11\uFF19年\uFF16月\uFF11\uFF11日判決は、 \r\n\r\n"
    u"ウィドマーク法により酒気帯びの有無を判定するためには、被検査者に最も有利な条件で計算すべきで"
    u"あると判示し\r\n\r\n"
    u"飲酒開始時からの経過時間を使用し、 \r\n\r\n"
    u"アルコール分布係数、アルコール減少率などは被検査者に最も有利な数値0.96、 0.19を使用し、 "
    u"\r\n\r\n"
    u"エチルアルコールの比重については0.7947を使用しています。"};

const ExpectedBox kDefaultValues{
    u"ディフ\u30AAルト数値",  // full-size オ in the title
    u"ディフ\u30A9ルト数値は、\r\n\r\n"
    u"アルコール体内分布率は 日本人の中間値 0.78\uFF080.6\uFF5E0.96\uFF09を、\r\n\r\n"
    u"アルコール減少率は 中間値 0.15\uFF080.11\uFF5E0.19\uFF09を、\r\n\r\n"
    u"血中量の呼気量への換算率は1/2000\uFF081900\uFF5E2300\uFF09を入力しています。\r\n\r\n"
    u"計算目的に適した数値に入力し直して、計算してみて下さい。"};

const ExpectedBox kEffects{
    u"影響",
    u"呼気濃度0.1\uFF5E0.5mg\u30FB\u30FB\u30FBほろ酔い\r\n\r\n"
    u"\u30FB\u30FB\u30FBいわゆる「ほろ酔い」は、脳の理性をつかさどる部分、大脳新皮質がアルコールの"
    u"影響を受けている状態です。"
    u"抑制する能力が低下して、気分が高揚し、気が大きくなったりします。思考力、判断力、集中力などが"
    u"鈍り、"
    u"反射神経や動体視力にも重大な影響があります。 \r\n\r\n"
    u"呼気濃度0.5\uFF5E1mg\u30FB\u30FB\u30FB酩酊\r\n\r\n"
    u"\u30FB\u30FB\u30FBアルコールの影響が、大脳新皮質から内側の大脳辺縁系や小脳にまで広がると酔っ"
    u"払いの状態になります。"
    u"感情や運動をつかさどる脳の機能が低下するため、感情の起伏が激しくなったり、千鳥足になったりし"
    u"ます。\r\n\r\n"
    u"呼気濃度1\uFF5E1.5mg\u30FB\u30FB\u30FB泥酔\r\n\r\n"
    u"大脳辺縁系や小脳まで、すっかりアルコールの影響を受けて、酔いつぶれた状態です。"
    u"言語がめちゃくちゃになったり、意識がはっきりしなくなり、まともに立てなくなったりします。"};

const ExpectedBox kWarning{
    u"地獄への警告",
    u"飲酒運転の危険性や悲惨な事故が報道されているにもかかわらず、懲りない人がいます。\r\n\r\n"
    u"体内分布係数を0.6と入力し、アルコール減少率を0.11と入力して計算して下さい。"
    u"体内アルコールの想定、最大量が表示されます。 \r\n\r\n"
    u"飲酒運転をするあなたは、人間としての優しさはなく、自分のことのみを考える利己的な人なのでしょ"
    u"う。\r\n\r\n"
    u"地獄に堕ちて下さい。\r\n\r\n"
    u"神は、見ています。"};

struct DialogCase {
  const char* name;
  void (*dialog)(toolkit::Toolkit&);
  std::vector<int> answers;  // scripted, first box first
  std::vector<ExpectedBox> boxes;
};

class Dialogs : public testing::TestWithParam<DialogCase> {};

TEST_P(Dialogs, ShowExactlyTheirBoxesAndChangeNothing) {
  const DialogCase& c = GetParam();
  FakeToolkit toolkit;
  const auto before = toolkit.texts;
  for (int repeat = 0; repeat < 2; ++repeat) {  // a second press shows the same
    toolkit.boxes.clear();
    toolkit.answers.assign(c.answers.begin(), c.answers.end());
    c.dialog(toolkit);
    ASSERT_EQ(toolkit.boxes.size(), c.boxes.size());
    for (std::size_t i = 0; i < c.boxes.size(); ++i) {
      SCOPED_TRACE(i);
      EXPECT_EQ(Utf8(toolkit.boxes[i].title), Utf8(c.boxes[i].title));
      EXPECT_EQ(Utf8(toolkit.boxes[i].prompt), Utf8(c.boxes[i].prompt));
      EXPECT_EQ(toolkit.boxes[i].style, c.boxes[i].style);
    }
  }
  EXPECT_EQ(toolkit.texts, before);
  EXPECT_TRUE(toolkit.reads.empty());
  EXPECT_TRUE(toolkit.writes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Info, Dialogs,
    testing::Values(
        DialogCase{"PurposeOfUse",
                   info::PurposeOfUseDialog,
                   {},
                   {{u"使用目的", kPurpose}, {u"ご注意", kCaution}}},
        DialogCase{"PurposeClosedOtherwise",
                   info::PurposeOfUseDialog,
                   {7, 2},
                   {{u"使用目的", kPurpose}, {u"ご注意", kCaution}}},
        DialogCase{"InquiryYes", info::InquiryDialog, {toolkit::kAnswerYes}, {kQuestion, kLecture}},
        DialogCase{"InquiryNo", info::InquiryDialog, {toolkit::kAnswerNo}, {kQuestion, kApology}},
        DialogCase{"InquiryOk", info::InquiryDialog, {toolkit::kAnswerOk}, {kQuestion, kApology}},
        DialogCase{"InquiryCancel", info::InquiryDialog, {2}, {kQuestion, kApology}},
        DialogCase{"CourtDecision", info::CourtDecisionDialog, {}, {kCourtDecision}},
        DialogCase{"DefaultValues", info::DefaultValuesDialog, {}, {kDefaultValues}},
        DialogCase{"Effects", info::EffectsDialog, {}, {kEffects}},
        DialogCase{"Warning", info::WarningDialog, {}, {kWarning}}),
    [](const auto& info) { return std::string(info.param.name); });

// Counting breaks independently of the literals above.
TEST(Info, ParagraphsAreSeparatedByOneEmptyLine) {
  struct Count {
    void (*dialog)(toolkit::Toolkit&);
    std::size_t paragraphs;
  };
  for (const Count& c : {Count{info::CourtDecisionDialog, 5}, Count{info::DefaultValuesDialog, 5},
                         Count{info::EffectsDialog, 6}, Count{info::WarningDialog, 5}}) {
    FakeToolkit toolkit;
    c.dialog(toolkit);
    const std::u16string& prompt = toolkit.boxes.at(0).prompt;
    std::size_t pairs = 0, crlfs = 0;
    for (std::size_t at = prompt.find(u"\r\n\r\n"); at != std::u16string::npos;
         at = prompt.find(u"\r\n\r\n", at + 4))
      ++pairs;
    for (std::size_t at = prompt.find(u"\r\n"); at != std::u16string::npos;
         at = prompt.find(u"\r\n", at + 2))
      ++crlfs;
    EXPECT_EQ(pairs, c.paragraphs - 1);
    EXPECT_EQ(crlfs, 2 * (c.paragraphs - 1));
    EXPECT_NE(prompt.substr(0, 2), u"\r\n");
    EXPECT_NE(prompt.substr(prompt.size() - 2), u"\r\n");
  }
}

}  // namespace
