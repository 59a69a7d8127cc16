#pragma once
// The most of one drink a person could have had and still be at or below
// the limit: for a scenario's inputs and one of the three drinks, the
// greatest whole number of cc c (the other drinks as entered) for which the
// figure at the entered time is at most 0.15. Found by bisection over the
// exact arithmetic, never by a closed formula, which the rounding steps
// would make disagree. Standard library only; no state.

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "calc/widmark.h"

namespace analysis {

enum class Drink { Sake, Beer, Other };
inline constexpr std::array<Drink, 3> kDrinks = {Drink::Sake, Drink::Beer, Drink::Other};

// Amounts are searched from 0 up to this many cc.
inline constexpr std::int64_t kAmountSearched = 10'000'000;

// Why there is no amount.
enum class NoAmount {
  None,          // there is one
  OverWithout,   // even none of this drink is over the limit
  NoStrength,    // this drink's strength is 0 (or less): it never adds alcohol
  BeyondSearch,  // even kAmountSearched cc stay at or below the limit
  Fault,         // a figure on the way cannot be computed
};

struct LimitAmount {
  std::optional<std::int64_t> cc;
  NoAmount why = NoAmount::None;
};

LimitAmount AmountAtLimit(const calc::WidmarkInputs& in, Drink drink);

// The court's phrase, "c cc 以上で0.15以上": the least whole cc c of the
// drink (the others as entered) at which the figure is 0.15 or more. No
// answer where the figure with none of it fails or is already 0.15 or more,
// or with kAmountSearched cc fails or is still below 0.15, or where any
// figure on the way fails. Bisected keeping f(lo) < 0.15 <= f(hi).
std::optional<std::int64_t> LeastAtOrOver(const calc::WidmarkInputs& in, Drink drink);

// The box holding the drink's amount, and the one holding its strength.
double calc::WidmarkInputs::*AmountOf(Drink drink);
double calc::WidmarkInputs::*StrengthOf(Drink drink);

std::string_view DrinkName(Drink drink);

}  // namespace analysis
