#pragma once
// The panel's and the sheet's words for the calculation's outcomes.

#include <string_view>

#include "analysis/back_calculation.h"
#include "analysis/case.h"
#include "analysis/limit_amounts.h"
#include "analysis/scenarios.h"
#include "calc/widmark.h"

namespace report {

std::u16string_view ScenarioTitle(analysis::Scenario scenario);
// The window's own verdict, as its box is titled.
std::u16string_view VerdictText(calc::Verdict verdict);
// How a figure stands to the law's threshold.
std::u16string_view StandingText(analysis::Standing standing);
std::u16string_view DrinkTitle(analysis::Drink drink);
std::u16string_view NoAmountText(analysis::NoAmount why);
std::u16string_view ConditionTitle(analysis::Condition condition);
std::u16string_view CrossCheckText(analysis::CrossCheck check);
// A figure's band from 酒量と影響, or above 1.5 that it lies beyond those
// texts (most likely a typing slip); empty below 0.1.
std::u16string_view EffectsBand(double figure);

// The law's threshold, stated once as the law states it.
inline constexpr std::u16string_view kLawWords =
    u"法令の基準は「呼気1リットルにつき0.15ミリグラム以上」です（道路交通法第117条の2の2、"
    u"道路交通法施行令第44条の3）。0.15以上を「基準値以上」、0.15未満を「基準値未満」と書きます。";

// The purpose box's warning: a figure at or below 0.15 does not make driving
// allowed.
inline constexpr std::u16string_view kSafetyWords =
    u"0.15以下でも、運転してよいということではありません。「保有アルコール量が０．１５ミリグラム"
    u"未満であれば、酒気帯び運転が許される」というのは「とんでもない誤解」です（使用目的より）。";

}  // namespace report
