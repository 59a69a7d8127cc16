#include "analysis/limit_amounts.h"

namespace analysis {
namespace {

// The figure with the drink's amount set to cc, or nullopt on a fault.
std::optional<double> FigureWith(calc::WidmarkInputs in, Drink drink, std::int64_t cc) {
  in.*AmountOf(drink) = static_cast<double>(cc);
  const calc::BreathAlcoholResult result = calc::ComputeBreathAlcohol(in);
  if (!result) return std::nullopt;
  return result.figure;
}

}  // namespace

double calc::WidmarkInputs::*AmountOf(Drink drink) {
  switch (drink) {
    case Drink::Sake:
      return &calc::WidmarkInputs::SakeAmount;
    case Drink::Beer:
      return &calc::WidmarkInputs::BeerAmount;
    case Drink::Other:
      break;
  }
  return &calc::WidmarkInputs::OtherAmount;
}

double calc::WidmarkInputs::*StrengthOf(Drink drink) {
  switch (drink) {
    case Drink::Sake:
      return &calc::WidmarkInputs::SakeStrength;
    case Drink::Beer:
      return &calc::WidmarkInputs::BeerStrength;
    case Drink::Other:
      break;
  }
  return &calc::WidmarkInputs::OtherStrength;
}

LimitAmount AmountAtLimit(const calc::WidmarkInputs& in, Drink drink) {
  const std::optional<double> none = FigureWith(in, drink, 0);
  if (!none) return {std::nullopt, NoAmount::Fault};
  if (!(*none <= calc::kLegalLimit)) return {std::nullopt, NoAmount::OverWithout};
  const std::optional<double> most = FigureWith(in, drink, kAmountSearched);
  if (!most) return {std::nullopt, NoAmount::Fault};
  if (*most <= calc::kLegalLimit) {
    return {std::nullopt,
            in.*StrengthOf(drink) <= 0 ? NoAmount::NoStrength : NoAmount::BeyondSearch};
  }
  // f(lo) <= 0.15 < f(hi) throughout.
  std::int64_t lo = 0, hi = kAmountSearched;
  while (hi - lo > 1) {
    const std::int64_t mid = lo + (hi - lo) / 2;
    const std::optional<double> figure = FigureWith(in, drink, mid);
    if (!figure) return {std::nullopt, NoAmount::Fault};
    (*figure <= calc::kLegalLimit ? lo : hi) = mid;
  }
  return {lo, NoAmount::None};
}

std::optional<std::int64_t> LeastAtOrOver(const calc::WidmarkInputs& in, Drink drink) {
  const std::optional<double> none = FigureWith(in, drink, 0);
  if (!none || *none >= calc::kLegalLimit) return std::nullopt;
  const std::optional<double> most = FigureWith(in, drink, kAmountSearched);
  if (!most || *most < calc::kLegalLimit) return std::nullopt;
  std::int64_t lo = 0, hi = kAmountSearched;
  while (hi - lo > 1) {
    const std::int64_t mid = lo + (hi - lo) / 2;
    const std::optional<double> figure = FigureWith(in, drink, mid);
    if (!figure) return std::nullopt;
    (*figure < calc::kLegalLimit ? lo : hi) = mid;
  }
  return hi;
}

std::string_view DrinkName(Drink drink) {
  switch (drink) {
    case Drink::Sake:
      return "Sake";
    case Drink::Beer:
      return "Beer";
    case Drink::Other:
      break;
  }
  return "Other";
}

}  // namespace analysis
