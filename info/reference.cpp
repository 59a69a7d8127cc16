#include <array>
#include <string_view>

#include "info/court_decision.h"
#include "info/dialogs.h"
#include "info/message.h"

namespace info {
namespace {

// The title has a full-size オ, the first paragraph a small ォ.
constexpr std::array<std::u16string_view, 5> kDefaultValues = {
    u"ディフォルト数値は、",
    u"アルコール体内分布率は 日本人の中間値 0.78（0.6～0.96）を、",
    u"アルコール減少率は 中間値 0.15（0.11～0.19）を、",
    u"血中量の呼気量への換算率は1/2000（1900～2300）を入力しています。",
    u"計算目的に適した数値に入力し直して、計算してみて下さい。",
};

constexpr std::array<std::u16string_view, 6> kEffects = {
    u"呼気濃度0.1～0.5mg・・・ほろ酔い",
    u"・・・いわゆる「ほろ酔い」は、脳の理性をつかさどる部分、大脳新皮質がアルコールの影響を受けて"
    u"いる状態です。抑制する能力が低下して、気分が高揚し、気が大きくなったりします。思考力、判断力"
    u"、集中力などが鈍り、反射神経や動体視力にも重大な影響があります。 ",
    u"呼気濃度0.5～1mg・・・酩酊",
    u"・・・アルコールの影響が、大脳新皮質から内側の大脳辺縁系や小脳にまで広がると酔っ払いの状態に"
    u"なります。感情や運動をつかさどる脳の機能が低下するため、感情の起伏が激しくなったり、千鳥足に"
    u"なったりします。",
    u"呼気濃度1～1.5mg・・・泥酔",
    u"大脳辺縁系や小脳まで、すっかりアルコールの影響を受けて、酔いつぶれた状態です。言語がめちゃく"
    u"ちゃになったり、意識がはっきりしなくなり、まともに立てなくなったりします。",
};

constexpr std::array<std::u16string_view, 5> kWarning = {
    u"飲酒運転の危険性や悲惨な事故が報道されているにもかかわらず、懲りない人がいます。",
    u"体内分布係数を0.6と入力し、アルコール減少率を0."
    u"11と入力して計算して下さい。体内アルコールの想定、最大量が表示されます。 ",
    u"飲酒運転をするあなたは、人間としての優しさはなく、自分のことのみを考える利己的な人なのでしょ"
    u"う。",
    u"地獄に堕ちて下さい。",
    u"神は、見ています。",
};

constexpr Message kCourtDecisionBox{u"判決例", kCourtDecision, Joining::Paragraphs};
constexpr Message kDefaultValuesBox{u"ディフオルト数値", kDefaultValues, Joining::Paragraphs};
constexpr Message kEffectsBox{u"影響", kEffects, Joining::Paragraphs};
constexpr Message kWarningBox{u"地獄への警告", kWarning, Joining::Paragraphs};

}  // namespace

void CourtDecisionDialog(toolkit::Toolkit& toolkit) {
  Show(toolkit, kCourtDecisionBox);
}
void WarningDialog(toolkit::Toolkit& toolkit) {
  Show(toolkit, kWarningBox);
}
void EffectsDialog(toolkit::Toolkit& toolkit) {
  Show(toolkit, kEffectsBox);
}
void DefaultValuesDialog(toolkit::Toolkit& toolkit) {
  Show(toolkit, kDefaultValuesBox);
}

}  // namespace info
