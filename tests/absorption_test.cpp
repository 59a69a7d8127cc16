#include "analysis/absorption.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using analysis::AbsorptionInputs;

// The model's figures, worked out apart from this code: the formulas as
// written, minute by minute, in double precision; 1e-9 relative.
struct Expected {
  double value;
  std::string corner;  // "" where the row names none
};
struct ModelCase {
  const char* name;
  AbsorptionInputs in;
  Expected enteredLowest, enteredHighest, lowest, highest;
  bool rising;
  std::int64_t peakMinute;
  std::optional<Expected> backLowest = std::nullopt, backHighest = std::nullopt;
};

void PrintTo(const ModelCase& c, std::ostream* out) {
  *out << c.name;
}

calc::WidmarkInputs Boxes(double sake, double beer, double weight, double hours, double gravity,
                          double minutes) {
  return {sake, beer, weight, hours, gravity, 0.78, 0.15, minutes, 0, 15, 5, 0, 2000};
}

AbsorptionInputs Inputs(calc::WidmarkInputs boxes, double drinkingMinutes,
                        std::optional<double> measured = std::nullopt, double delay = 0,
                        std::optional<analysis::LaterDrink> later = std::nullopt,
                        double laterAfter = 0) {
  AbsorptionInputs in;
  in.entered = boxes;
  in.drinkingMinutes = drinkingMinutes;
  in.measured = measured;
  in.delayMinutes = delay;
  in.later = later;
  in.laterAfterDriving = laterAfter;
  return in;
}

calc::WidmarkInputs AllAtOnce() {
  calc::WidmarkInputs in = Boxes(0, 500, 60, 0, 0.8, 30);
  in.DistributionFactor = 0.7;
  return in;
}

const ModelCase kCases[] = {
    {"all at once, driving while still rising",
     Inputs(AllAtOnce(), 0),
     {0.07666995625438025, "18/30/0.7/0.15/2000"},
     {0.17008928571428567, "6/10/0.7/0.15/2000"},
     {0.03108602298737882, "18/30/0.96/0.19/2300"},
     {0.22598684210526288, "6/10/0.6/0.11/1900"},
     true,
     49},
    {"spread over an hour, tested an hour after driving",
     Inputs(Boxes(360, 700, 70, 1, 0.7947, 30), 60, 0.3, 60),
     {0.2880455916105674, "18/30/0.78/0.15/2000"},
     {0.46850985678590307, "6/10/0.78/0.15/2000"},
     {0.16214020196723716, "18/30/0.96/0.19/2300"},
     {0.7074784005140401, "6/10/0.6/0.11/1900"},
     true,
     111,
     Expected{0.3009783561097945, "18/10/0.6/0.11/2300"},
     Expected{0.3975313819695013, "6/10/0.96/0.19/1900"}},
    {"a drink after driving, before the test",
     Inputs(Boxes(0, 1000, 70, 2, 0.7947, 30), 120, 0.25, 50, analysis::LaterDrink{350, 9}, 20),
     {0.062338032753702574, "18/30/0.78/0.15/2000"},
     {0.14221788144661127, "6/10/0.78/0.15/2000"},
     {0, ""},
     {0.30355150005535325, "6/10/0.6/0.11/1900"},
     false,
     140,
     Expected{0.024368937958315854, "6/10/0.6/0.11/1900"},
     Expected{0.21555674273387637, "18/30/0.96/0.19/2300"}},
    // Too little to outrun elimination: 0 throughout, never below it, and
    // the later drink counted from 0.
    {"held at zero, then a later drink",
     Inputs(Boxes(0, 100, 80, 4, 0.7947, 0), 0, 0.05, 60, analysis::LaterDrink{500, 5}, 30),
     {0, ""},
     {0, ""},
     {0, ""},
     {0, ""},
     false,
     0,
     Expected{0, ""},
     Expected{0.08467027351573081, "18/30/0.96/0.19/1900"}},
};

class Model : public testing::TestWithParam<ModelCase> {};

void ExpectFigure(const analysis::ModelFigure& actual, const Expected& expected,
                  const char* which) {
  EXPECT_NEAR(actual.figure, expected.value, 1e-9 * expected.value) << which;
  if (!expected.corner.empty())
    EXPECT_EQ(analysis::CornerName(actual.corner), expected.corner) << which;
}

TEST_P(Model, GivesTheFiguresWorkedOutApart) {
  const ModelCase& c = GetParam();
  const analysis::AbsorptionResult result = analysis::ModelAbsorption(c.in);
  ASSERT_TRUE(result.model);
  const analysis::Absorption& m = *result.model;
  ExpectFigure(m.enteredLowest, c.enteredLowest, "entered lowest");
  ExpectFigure(m.enteredHighest, c.enteredHighest, "entered highest");
  ExpectFigure(m.lowest, c.lowest, "lowest");
  ExpectFigure(m.highest, c.highest, "highest");
  EXPECT_EQ(m.rising, c.rising);
  EXPECT_EQ(m.peakMinute, c.peakMinute);
  ASSERT_EQ(m.backLowest.has_value(), c.backLowest.has_value());
  if (c.backLowest) {
    ExpectFigure(*m.backLowest, *c.backLowest, "back lowest");
    ExpectFigure(*m.backHighest, *c.backHighest, "back highest");
  }
}

INSTANTIATE_TEST_SUITE_P(Absorption, Model, testing::ValuesIn(kCases), [](const auto& info) {
  std::string name;
  for (const char* p = info.param.name; *p; ++p)
    name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
  return name;
});

// The back-calculation's search: a measured 0 needs no dose; a figure no
// dose up to 2^60 g reaches stops the model; each time is rounded to the
// minute with halves to even, and one beyond 72 hours stops it too.
TEST(Absorption, SearchesAndTimesAtTheirEdges) {
  AbsorptionInputs in = Inputs(Boxes(0, 500, 70, 0, 0.7947, 30), 0, 0.0, 30);
  auto result = analysis::ModelAbsorption(in);
  ASSERT_TRUE(result.model);
  EXPECT_EQ(result.model->backLowest->dose, 0);
  EXPECT_EQ(result.model->backHighest->dose, 0);

  in.measured = 1e300;
  EXPECT_EQ(analysis::ModelAbsorption(in).fault, analysis::ModelFault::BackSearch);

  EXPECT_EQ(analysis::ModelMinute(0.5), 0);
  EXPECT_EQ(analysis::ModelMinute(1.5), 2);
  EXPECT_EQ(analysis::ModelMinute(4320.4), 4320);
  EXPECT_EQ(analysis::ModelMinute(4320.5), 4320);
  EXPECT_EQ(analysis::ModelMinute(4321.5), std::nullopt);
  EXPECT_EQ(analysis::ModelMinute(-0.5), 0);
  EXPECT_EQ(analysis::ModelMinute(-0.6), std::nullopt);

  in.measured = 0.1;
  in.delayHours = 72;
  EXPECT_EQ(analysis::ModelAbsorption(in).fault, analysis::ModelFault::OutsideHours);
}

}  // namespace
