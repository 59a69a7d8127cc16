#pragma once
// The prosecution's own values checked: a set of r, elimination, ratio (and
// gravity) that a police or prosecutors' calculation used, our figure under
// it with the window's arithmetic, whether that figure rounds (half up) or
// cuts to the figure they stated, to the decimals they stated it to, and
// where it does not, the r alone and the elimination alone that would give
// their figure. Standard library only; no state.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "calc/widmark.h"

namespace analysis {

// The figure a calculation states, as typed: its value and its decimals.
struct StatedFigure {
  double value = 0;
  std::string digits;  // the decimal's digits, no sign or point ("020" for 0.20)
  int decimals = 0;    // how many of them follow the point
  bool negative = false;
};

// A stated figure from its text by the window's input rule; nullopt where it
// cannot be read or is not a plain decimal.
std::optional<StatedFigure> ReadStatedFigure(std::u16string_view text);

struct OfficialSet {
  std::u16string label;  // as typed, e.g. 捜査報告書の下限
  double r = 0;
  double beta = 0;
  double ratio = 0;
  std::optional<double> gravity = std::nullopt;  // the window's Text5 where not given
  std::optional<StatedFigure> stated = std::nullopt;
};

inline constexpr std::size_t kOfficialSets = 2;

enum class Match { None, Round, Cut, Differ };

struct OfficialCheck {
  OfficialSet set;
  calc::WidmarkInputs inputs{};  // the entered boxes with the set's values
  calc::BreathAlcoholResult result;
  std::optional<std::int64_t> minutesToLimit, minutesToZero;
  Match match = Match::None;         // None without a stated figure
  std::optional<double> difference;  // ours minus theirs
  // Where it differs: the value of r alone, and of elimination alone, that
  // gives their figure; nullopt where none lies in [1e-9, 2].
  std::optional<double> rAlone, betaAlone;
};

OfficialCheck CheckOfficial(const calc::WidmarkInputs& entered, const OfficialSet& set);

// Our figure to `decimals` places as digits (no sign or point), rounded half
// up or cut toward zero, from the double's exact value.
std::string RoundedDigits(double figure, int decimals, bool cut);

// The least value in [1e-9, 2] of the field whose figure is at most
// `stated`, by 200 halvings; nullopt where the figure at 1e-9 is below it or
// the figure at 2 above it. A step that fails counts as above.
std::optional<double> SolveFor(const calc::WidmarkInputs& in, double calc::WidmarkInputs::*field,
                               double stated);

std::string_view MatchName(Match match);

}  // namespace analysis
