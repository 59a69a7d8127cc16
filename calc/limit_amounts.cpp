#include "calc/limit_amounts.h"

namespace calc {
namespace {

// The figure with the drink's amount set to cc, or nullopt on a fault.
std::optional<double> FigureWith(WidmarkInputs in, Drink drink, std::int64_t cc) {
  in.*AmountOf(drink) = static_cast<double>(cc);
  const BreathAlcoholResult result = ComputeBreathAlcohol(in);
  if (!result) return std::nullopt;
  return result.figure;
}

}  // namespace

double WidmarkInputs::*AmountOf(Drink drink) {
  switch (drink) {
    case Drink::Sake:
      return &WidmarkInputs::SakeAmount;
    case Drink::Beer:
      return &WidmarkInputs::BeerAmount;
    case Drink::Other:
      break;
  }
  return &WidmarkInputs::OtherAmount;
}

double WidmarkInputs::*StrengthOf(Drink drink) {
  switch (drink) {
    case Drink::Sake:
      return &WidmarkInputs::SakeStrength;
    case Drink::Beer:
      return &WidmarkInputs::BeerStrength;
    case Drink::Other:
      break;
  }
  return &WidmarkInputs::OtherStrength;
}

LimitAmount AmountAtLimit(const WidmarkInputs& in, Drink drink) {
  const std::optional<double> none = FigureWith(in, drink, 0);
  if (!none) return {std::nullopt, NoAmount::Fault};
  if (!(*none <= kLegalLimit)) return {std::nullopt, NoAmount::OverWithout};
  const std::optional<double> most = FigureWith(in, drink, kAmountSearched);
  if (!most) return {std::nullopt, NoAmount::Fault};
  if (*most <= kLegalLimit) {
    return {std::nullopt,
            in.*StrengthOf(drink) <= 0 ? NoAmount::NoStrength : NoAmount::BeyondSearch};
  }
  // f(lo) <= 0.15 < f(hi) throughout.
  std::int64_t lo = 0, hi = kAmountSearched;
  while (hi - lo > 1) {
    const std::int64_t mid = lo + (hi - lo) / 2;
    const std::optional<double> figure = FigureWith(in, drink, mid);
    if (!figure) return {std::nullopt, NoAmount::Fault};
    (*figure <= kLegalLimit ? lo : hi) = mid;
  }
  return {lo, NoAmount::None};
}

std::optional<std::int64_t> LeastAtOrOver(const WidmarkInputs& in, Drink drink) {
  const std::optional<double> none = FigureWith(in, drink, 0);
  if (!none || *none >= kLegalLimit) return std::nullopt;
  const std::optional<double> most = FigureWith(in, drink, kAmountSearched);
  if (!most || *most < kLegalLimit) return std::nullopt;
  std::int64_t lo = 0, hi = kAmountSearched;
  while (hi - lo > 1) {
    const std::int64_t mid = lo + (hi - lo) / 2;
    const std::optional<double> figure = FigureWith(in, drink, mid);
    if (!figure) return std::nullopt;
    (*figure < kLegalLimit ? lo : hi) = mid;
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

}  // namespace calc
