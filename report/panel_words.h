#pragma once
// The panel's and the sheet's words for the calculation's outcomes.

#include <string_view>

#include "calc/analysis.h"
#include "calc/back_calculation.h"
#include "calc/limit_amounts.h"
#include "calc/widmark.h"

namespace report {

std::u16string_view ScenarioTitle(calc::Scenario scenario);
std::u16string_view VerdictText(calc::Verdict verdict);
std::u16string_view DrinkTitle(calc::Drink drink);
std::u16string_view NoAmountText(calc::NoAmount why);
std::u16string_view ConditionTitle(calc::Condition condition);
std::u16string_view CrossCheckText(calc::CrossCheck check);

}  // namespace report
