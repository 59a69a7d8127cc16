#include "analysis/official.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "analysis/scenarios.h"
#include "calc/numeric_input.h"

namespace analysis {
namespace {

constexpr double kSolveLow = 1e-9, kSolveHigh = 2;
constexpr int kHalvings = 200;

// The exact decimal value of a finite |value|: its digits, of which the last
// `decimals` follow the point (a double's binary fraction always ends).
struct ExactDecimal {
  std::string digits;
  int decimals = 0;
};

ExactDecimal Exact(double value) {
  int exponent = 0;
  const double fraction = std::frexp(std::fabs(value), &exponent);
  auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
  int power = exponent - 53;  // |value| = mantissa x 2^power
  constexpr std::uint32_t kBase = 1'000'000'000;
  std::vector<std::uint32_t> limbs;  // least significant first
  for (; mantissa > 0; mantissa /= kBase)
    limbs.push_back(static_cast<std::uint32_t>(mantissa % kBase));
  const auto multiply = [&](std::uint32_t by) {
    std::uint64_t carry = 0;
    for (std::uint32_t& limb : limbs) {
      const std::uint64_t product = static_cast<std::uint64_t>(limb) * by + carry;
      limb = static_cast<std::uint32_t>(product % kBase);
      carry = product / kBase;
    }
    if (carry > 0) limbs.push_back(static_cast<std::uint32_t>(carry));
  };
  ExactDecimal exact;
  // x 2^-k is x 5^k / 10^k.
  for (; power > 0; --power) multiply(2);
  for (; power < 0; ++power, ++exact.decimals) multiply(5);
  for (std::size_t i = limbs.size(); i-- > 0;) {
    std::string limb = std::to_string(limbs[i]);
    if (i + 1 < limbs.size()) limb.insert(0, 9 - limb.size(), '0');
    exact.digits += limb;
  }
  if (exact.digits.size() <= static_cast<std::size_t>(exact.decimals))
    exact.digits.insert(0, static_cast<std::size_t>(exact.decimals) + 1 - exact.digits.size(), '0');
  return exact;
}

std::string WithoutLeadingZeros(std::string digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? "0" : digits.substr(first);
}

// A typed character as the input rule reads it: full-width forms as ASCII.
char AsciiOf(char16_t c) {
  if (c >= u'\uFF01' && c <= u'\uFF5E') return static_cast<char>(c - 0xFEE0);
  if (c == u'\u2212') return '-';
  return c < 0x80 ? static_cast<char>(c) : '\0';
}

}  // namespace

std::string RoundedDigits(double figure, int decimals, bool cut) {
  const ExactDecimal exact = Exact(figure);
  const std::size_t whole = exact.digits.size() - static_cast<std::size_t>(exact.decimals);
  const std::size_t kept = whole + static_cast<std::size_t>(decimals);
  std::string digits = exact.digits.substr(0, std::min(kept, exact.digits.size()));
  digits.append(kept - digits.size(), '0');
  if (!cut && kept < exact.digits.size() && exact.digits[kept] >= '5') {
    std::size_t i = digits.size();
    for (; i-- > 0 && digits[i] == '9';) digits[i] = '0';
    if (i == static_cast<std::size_t>(-1))
      digits.insert(0, 1, '1');
    else
      ++digits[i];
  }
  return WithoutLeadingZeros(digits);
}

std::optional<StatedFigure> ReadStatedFigure(std::u16string_view text) {
  const calc::NumberReading reading = calc::ReadNumber(text);
  if (!reading) return std::nullopt;
  std::string plain;
  for (char16_t c : text) {
    if (c == u' ' || c == u'\u3000' || c == u'\t' || c == u'\n') continue;
    const char a = AsciiOf(c);
    if (a == '\0') return std::nullopt;
    plain += a;
  }
  StatedFigure stated;
  stated.value = reading.value;
  std::size_t i = 0;
  if (i < plain.size() && (plain[i] == '+' || plain[i] == '-')) stated.negative = plain[i++] == '-';
  bool point = false;
  for (; i < plain.size(); ++i) {
    if (plain[i] == '.' && !point) {
      point = true;
    } else if (plain[i] >= '0' && plain[i] <= '9') {
      stated.digits += plain[i];
      stated.decimals += point ? 1 : 0;
    } else {
      return std::nullopt;  // an exponent, or anything but a plain decimal
    }
  }
  if (stated.digits.empty()) return std::nullopt;
  return stated;
}

std::optional<double> SolveFor(const calc::WidmarkInputs& in, double calc::WidmarkInputs::*field,
                               double stated) {
  // Whether the figure with the field at `value` is above the stated one; a
  // step that fails is above (the figure grows without bound as r shrinks).
  const auto above = [&](double value) {
    calc::WidmarkInputs trial = in;
    trial.*field = value;
    const calc::BreathAlcoholResult r = calc::ComputeBreathAlcohol(trial);
    return !r || r.figure > stated;
  };
  const auto figureAt = [&](double value) -> std::optional<double> {
    calc::WidmarkInputs trial = in;
    trial.*field = value;
    const calc::BreathAlcoholResult r = calc::ComputeBreathAlcohol(trial);
    return r ? std::optional<double>(r.figure) : std::nullopt;
  };
  const std::optional<double> atLow = figureAt(kSolveLow);
  if ((atLow && *atLow < stated) || above(kSolveHigh)) return std::nullopt;
  double lo = kSolveLow, hi = kSolveHigh;
  for (int n = 0; n < kHalvings; ++n) {
    const double mid = (lo + hi) / 2;
    (above(mid) ? lo : hi) = mid;
  }
  return hi;
}

OfficialCheck CheckOfficial(const calc::WidmarkInputs& entered, const OfficialSet& set) {
  OfficialCheck check;
  check.set = set;
  check.inputs = entered;
  check.inputs.DistributionFactor = set.r;
  check.inputs.EliminationRate = set.beta;
  check.inputs.BreathRatio = set.ratio;
  if (set.gravity) check.inputs.EthanolGravity = *set.gravity;
  check.result = calc::ComputeBreathAlcohol(check.inputs);
  if (!check.result) return check;
  check.minutesToLimit = MinutesUntil(check.inputs, calc::kLegalLimit);
  check.minutesToZero = MinutesUntil(check.inputs, 0);
  if (!set.stated) return check;
  const StatedFigure& stated = *set.stated;
  const double figure = check.result.figure;
  check.difference = figure - stated.value;
  const std::string theirs = WithoutLeadingZeros(stated.digits);
  const auto same = [&](bool cut) {
    const std::string ours = RoundedDigits(figure, stated.decimals, cut);
    // Zero is zero whatever its sign.
    return ours == theirs && (ours == "0" || (figure < 0) == stated.negative);
  };
  check.match = same(false) ? Match::Round : same(true) ? Match::Cut : Match::Differ;
  if (check.match == Match::Differ) {
    check.rAlone = SolveFor(check.inputs, &calc::WidmarkInputs::DistributionFactor, stated.value);
    check.betaAlone = SolveFor(check.inputs, &calc::WidmarkInputs::EliminationRate, stated.value);
  }
  return check;
}

std::string_view MatchName(Match match) {
  switch (match) {
    case Match::None:
      return "-";
    case Match::Round:
      return "match-round";
    case Match::Cut:
      return "match-cut";
    case Match::Differ:
      break;
  }
  return "differ";
}

}  // namespace analysis
