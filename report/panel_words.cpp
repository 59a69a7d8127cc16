#include "report/panel_words.h"

namespace report {

std::u16string_view ScenarioTitle(analysis::Scenario scenario) {
  switch (scenario) {
    case analysis::Scenario::Entered:
      return u"入力した数値";
    case analysis::Scenario::Cautious:
      return u"慎重な数値（翌朝の確認）";
    case analysis::Scenario::MostFavourable:
      return u"被検査者に最も有利な数値";
    case analysis::Scenario::Court:
      break;
  }
  return u"判決例の条件";
}

std::u16string_view VerdictText(calc::Verdict verdict) {
  switch (verdict) {
    case calc::Verdict::Punishable:
      return u"有罪です";
    case calc::Verdict::NotPunishable:
      return u"不該当";
    case calc::Verdict::BelowZero:
      break;
  }
  return u"アルコール保有量は０";
}

std::u16string_view DrinkTitle(analysis::Drink drink) {
  switch (drink) {
    case analysis::Drink::Sake:
      return u"日本酒";
    case analysis::Drink::Beer:
      return u"ビール";
    case analysis::Drink::Other:
      break;
  }
  return u"ワインその他";
}

std::u16string_view NoAmountText(analysis::NoAmount why) {
  switch (why) {
    case analysis::NoAmount::OverWithout:
      return u"この飲み物を飲まなくても0.15を上回ります（基準値以上）";
    case analysis::NoAmount::NoStrength:
      return u"濃度が０以下のため、量によりません";
    case analysis::NoAmount::BeyondSearch:
      return u"10,000,000 cc を超えます";
    case analysis::NoAmount::Fault:
      return u"計算できません";
    case analysis::NoAmount::None:
      break;
  }
  return u"";
}

std::u16string_view ConditionTitle(analysis::Condition condition) {
  switch (condition) {
    case analysis::Condition::Entered:
      return u"入力した数値";
    case analysis::Condition::MostFavourable:
      return u"被検査者に最も有利（最も低い組合せ）";
    case analysis::Condition::LeastFavourable:
      break;
  }
  return u"被検査者に最も不利（最も高い組合せ）";
}

std::u16string_view CrossCheckText(analysis::CrossCheck check) {
  switch (check) {
    case analysis::CrossCheck::Within:
      return u"測定値はこの範囲内です。入力した飲酒量で説明できます。";
    case analysis::CrossCheck::Above:
      return u"測定値はこの範囲を上回ります。入力より多く飲んだか、運転の後に飲んだ可能性があります"
             u"。";
    case analysis::CrossCheck::Below:
      return u"測定値はこの範囲を下回ります。入力した飲酒量が実際より多い可能性があります。";
    case analysis::CrossCheck::None:
      break;
  }
  return u"検査時の前向きの計算がどの前提でもできないため、照合できません。";
}

std::u16string_view StandingText(analysis::Standing standing) {
  return standing == analysis::Standing::AtOrOver ? u"基準値以上" : u"基準値未満";
}

std::u16string_view EffectsBand(double figure) {
  if (figure > 1.5)
    return u"1.5 mg を超える数値は、この計算機の説明（酒量と影響）の範囲を超えています。入力（量の"
           u"桁など）を確かめて下さい。";
  if (figure >= 1) return u"呼気濃度1～1.5mg・・・泥酔（酒量と影響より）";
  if (figure >= 0.5) return u"呼気濃度0.5～1mg・・・酩酊（酒量と影響より）";
  if (figure >= 0.1) return u"呼気濃度0.1～0.5mg・・・ほろ酔い（酒量と影響より）";
  return u"";
}

}  // namespace report
