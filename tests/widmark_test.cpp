#include "calc/widmark.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <functional>

#include "tests/case_name.h"

namespace {

using calc::ComputeBreathAlcohol;
using calc::Fault;
using calc::FaultKind;
using calc::Step;
using calc::Verdict;
using calc::WidmarkInputs;

// The window's start-up values.
WidmarkInputs Defaults() {
  WidmarkInputs in;
  in.SakeAmount = 200;
  in.BeerAmount = 300;
  in.BodyWeight = 70;
  in.ElapsedHours = 1;
  in.EthanolGravity = 0.7947;
  in.DistributionFactor = 0.78;
  in.EliminationRate = 0.15;
  in.ElapsedMinutes = 0;
  in.OtherAmount = 0;
  in.SakeStrength = 15;
  in.BeerStrength = 5;
  in.OtherStrength = 0;
  in.BreathRatio = 2000;
  return in;
}

WidmarkInputs NoStrengths() {
  WidmarkInputs in = Defaults();
  in.SakeStrength = in.BeerStrength = in.OtherStrength = 0;
  return in;
}

// 100 cc of 15% sake, 100 kg, gravity 1, r 1, no elimination, ratio 1000.
WidmarkInputs AtTheLimit() {
  WidmarkInputs in;
  in.SakeAmount = 100;
  in.SakeStrength = 15;
  in.BodyWeight = 100;
  in.EthanolGravity = 1;
  in.DistributionFactor = 1;
  in.ElapsedHours = 1;
  in.BreathRatio = 1000;
  return in;
}

struct FigureCase {
  const char* name;
  std::function<WidmarkInputs()> inputs;
  double figure;  // compared bit for bit
  Verdict verdict;
};

class Figures : public testing::TestWithParam<FigureCase> {};

TEST_P(Figures, MatchTheDefinedSequenceBitForBit) {
  const FigureCase& c = GetParam();
  const auto result = ComputeBreathAlcohol(c.inputs());
  ASSERT_TRUE(result) << calc::StepName(result.fault->step);
  EXPECT_EQ(result.figure, c.figure);
  EXPECT_EQ(calc::JudgeBreathAlcohol(result.figure), c.verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Widmark, Figures,
    testing::Values(
        // All in double precision this would be 0.25248626375.
        FigureCase{"Defaults", Defaults, 0.2524862592, Verdict::Punishable},
        FigureCase{"TwentyMinutes",
                   [] {
                     auto in = Defaults();
                     in.ElapsedMinutes = 20;
                     return in;
                   },
                   0.22748625920250004, Verdict::Punishable},
        FigureCase{"NoHoursThirtyMinutes",
                   [] {
                     auto in = Defaults();
                     in.ElapsedHours = 0;
                     in.ElapsedMinutes = 30;
                     return in;
                   },
                   0.28998625920000004, Verdict::Punishable},
        FigureCase{"OneHourLessThirtyMinutes",
                   [] {
                     auto in = Defaults();
                     in.ElapsedMinutes = -30;
                     return in;
                   },
                   0.28998625920000004, Verdict::Punishable},
        FigureCase{"TenHours",
                   [] {
                     auto in = Defaults();
                     in.ElapsedHours = 10;
                     return in;
                   },
                   -0.4225137408, Verdict::BelowZero},
        FigureCase{"NoStrengthsNoElimination",
                   [] {
                     auto in = NoStrengths();
                     in.EliminationRate = 0;
                     return in;
                   },
                   0.0, Verdict::NotPunishable},
        FigureCase{"NoStrengthsDefaultRate", NoStrengths, -0.15 * 1000 / 2000, Verdict::BelowZero},
        FigureCase{"ExactlyAtTheLimit", AtTheLimit, 0.15, Verdict::NotPunishable},
        FigureCase{"JustOverTheLimit",
                   [] {
                     auto in = AtTheLimit();
                     in.SakeAmount = 100.0001;
                     return in;
                   },
                   1500001536.0 / 1e10 * 1000 / 1000, Verdict::Punishable}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Widmark, ConcentrationKeepsOnlySinglePrecision) {
  // 6549725274.725... in double becomes 6549725184 through float.
  auto in = Defaults();
  in.EliminationRate = 0;
  in.BreathRatio = 1;
  const auto result = ComputeBreathAlcohol(in);
  ASSERT_TRUE(result);
  EXPECT_EQ(result.figure, 6549725184.0 / 1e10 * 1000);
}

TEST(Widmark, MinutesRoundHalfToEven) {
  // 1.5e-8 minutes is exactly 2.5 in units of 1e-10 h: it must become 2, not 3.
  ASSERT_EQ((1.5e-8 * 1e10) / 60, 2.5);
  auto withMinutes = Defaults();
  withMinutes.ElapsedMinutes = 1.5e-8;
  auto asHours = Defaults();
  asHours.ElapsedHours = 2.0 / 1e10 + 1;
  EXPECT_EQ(ComputeBreathAlcohol(withMinutes).figure, ComputeBreathAlcohol(asHours).figure);
}

TEST(Widmark, ZeroMinutesLeaveHoursUnrounded) {
  auto in = Defaults();
  in.ElapsedHours = 1.00000000001234;  // finer than ten places
  in.EliminationRate = 1;
  in.BreathRatio = 1;
  const double concentration = 6549725184.0 / 1e10;
  EXPECT_EQ(ComputeBreathAlcohol(in).figure, (concentration - in.ElapsedHours) * 1000);
}

TEST(Widmark, ConcentrationRoundsHalfToEven) {
  // A concentration of exactly 2.5e-10 g/kg is made whole as 2, not 3.
  WidmarkInputs in;
  in.SakeAmount = 100;
  in.SakeStrength = 1;
  in.EthanolGravity = 2.5e-10;
  in.DistributionFactor = 1;
  in.BodyWeight = 1;
  in.ElapsedHours = 1;
  in.BreathRatio = 1;
  ASSERT_EQ(static_cast<float>((in.EthanolGravity / 1) * 1e10), 2.5f);
  EXPECT_EQ(ComputeBreathAlcohol(in).figure, 2.0 / 1e10 * 1000);
}

struct FaultCase {
  const char* name;
  std::function<WidmarkInputs()> inputs;
  Fault fault;
};

class Faults : public testing::TestWithParam<FaultCase> {};

TEST_P(Faults, NameTheStepAndTheException) {
  const FaultCase& c = GetParam();
  const auto result = ComputeBreathAlcohol(c.inputs());
  ASSERT_FALSE(result) << "figure " << result.figure;
  EXPECT_EQ(calc::StepName(result.fault->step), calc::StepName(c.fault.step));
  EXPECT_EQ(calc::FaultKindName(result.fault->kind), calc::FaultKindName(c.fault.kind));
}

INSTANTIATE_TEST_SUITE_P(
    Widmark, Faults,
    testing::Values(FaultCase{"FactorZero",
                              [] {
                                auto in = Defaults();
                                in.DistributionFactor = 0;
                                return in;
                              },
                              {Step::ScaledConcentration, FaultKind::DivisionByZero}},
                    FaultCase{"FactorZeroNoEthanol",
                              [] {
                                auto in = NoStrengths();
                                in.DistributionFactor = 0;
                                return in;
                              },
                              {Step::ScaledConcentration, FaultKind::InvalidOperation}},
                    FaultCase{"RatioZero",
                              [] {
                                auto in = Defaults();
                                in.BreathRatio = 0;
                                return in;
                              },
                              {Step::BreathAlcohol, FaultKind::DivisionByZero}},
                    FaultCase{"RatioZeroNothingLeft",
                              [] {
                                auto in = NoStrengths();
                                in.EliminationRate = 0;
                                in.BreathRatio = 0;
                                return in;
                              },
                              {Step::BreathAlcohol, FaultKind::InvalidOperation}},
                    FaultCase{"ConcentrationBeyondSingle",
                              [] {
                                auto in = Defaults();
                                in.SakeAmount = 1e33;
                                return in;
                              },
                              {Step::ScaledConcentration, FaultKind::Overflow}},
                    FaultCase{"AmountTimesStrength",
                              [] {
                                auto in = Defaults();
                                in.BeerAmount = 1e308;
                                return in;
                              },
                              {Step::EthanolVolume, FaultKind::Overflow}},
                    FaultCase{"OverflowThenCancel",
                              [] {
                                auto in = Defaults();
                                in.BeerAmount = 1e308;
                                in.SakeAmount = -1e308;
                                in.SakeStrength = 5;
                                return in;
                              },
                              {Step::EthanolVolume, FaultKind::Overflow}},
                    FaultCase{"EthanolMass",
                              [] {
                                auto in = Defaults();
                                in.EthanolGravity = 1e307;
                                return in;
                              },
                              {Step::EthanolMass, FaultKind::Overflow}},
                    FaultCase{"DistributionMass",
                              [] {
                                auto in = Defaults();
                                in.BodyWeight = 1e300;
                                in.DistributionFactor = 1e10;
                                return in;
                              },
                              {Step::DistributionMass, FaultKind::Overflow}},
                    FaultCase{"Minutes",
                              [] {
                                auto in = Defaults();
                                in.ElapsedMinutes = 1e300;
                                return in;
                              },
                              {Step::MinutesScaled, FaultKind::Overflow}},
                    FaultCase{"HoursPlusMinutes",
                              [] {
                                auto in = Defaults();
                                in.ElapsedHours = DBL_MAX;
                                in.ElapsedMinutes = 1e298;
                                return in;
                              },
                              {Step::ElapsedTime, FaultKind::Overflow}},
                    FaultCase{"Eliminated",
                              [] {
                                auto in = Defaults();
                                in.EliminationRate = 1e300;
                                in.ElapsedHours = 1e10;
                                return in;
                              },
                              {Step::EliminatedAlcohol, FaultKind::Overflow}},
                    FaultCase{"Milligrams",
                              [] {
                                auto in = Defaults();
                                in.EliminationRate = -1e306;
                                return in;
                              },
                              {Step::Milligrams, FaultKind::Overflow}},
                    FaultCase{"QuotientBeyondRange",
                              [] {
                                auto in = Defaults();
                                in.BreathRatio = 1e-320;
                                return in;
                              },
                              {Step::BreathAlcohol, FaultKind::Overflow}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Widmark, UnderflowIsNotAFault) {
  auto in = Defaults();
  in.SakeAmount = 1e-300;
  in.SakeStrength = 1e-300;  // the product is 0
  in.BreathRatio = 1e308;    // the figure is subnormal
  const auto result = ComputeBreathAlcohol(in);
  ASSERT_TRUE(result);
  EXPECT_GT(result.figure, 0);
  EXPECT_LT(result.figure, 1e-300);
}

struct VerdictCase {
  double figure;
  Verdict verdict;
};

class Verdicts : public testing::TestWithParam<VerdictCase> {};

TEST_P(Verdicts, LimitIsStrictlyGreaterAndZeroIsNotBelow) {
  EXPECT_EQ(calc::JudgeBreathAlcohol(GetParam().figure), GetParam().verdict);
}

INSTANTIATE_TEST_SUITE_P(
    Widmark, Verdicts,
    testing::Values(VerdictCase{-1e-300, Verdict::BelowZero},
                    VerdictCase{-0.0, Verdict::NotPunishable},
                    VerdictCase{0.0, Verdict::NotPunishable},
                    VerdictCase{0.15, Verdict::NotPunishable},
                    VerdictCase{0.15000000000000002, Verdict::Punishable},
                    VerdictCase{std::nextafter(0.15, 0.0), Verdict::NotPunishable},
                    VerdictCase{0.25, Verdict::Punishable}),
    [](const auto& info) { return testing_support::CaseName(info.param.figure); });

}  // namespace
