// Figures for the closing notes; nothing here is a pass/fail test.
#include <benchmark/benchmark.h>

#include <string>

#include "analysis/back_calculation.h"
#include "analysis/case.h"
#include "analysis/limit_amounts.h"
#include "analysis/scenarios.h"
#include "calc/number_text.h"
#include "calc/numeric_input.h"
#include "calc/widmark.h"

namespace {

void ComputeDefaults(benchmark::State& state) {
  calc::WidmarkInputs in{200, 300, 70, 1, 0.7947, 0.78, 0.15, 0, 0, 15, 5, 0, 2000};
  for (auto _ : state) {
    benchmark::DoNotOptimize(in);
    benchmark::DoNotOptimize(calc::ComputeBreathAlcohol(in));
  }
}
BENCHMARK(ComputeDefaults);

void ReadGravity(benchmark::State& state) {
  std::u16string text = u"0.7947";
  for (auto _ : state) {
    benchmark::DoNotOptimize(text);
    benchmark::DoNotOptimize(calc::ReadNumber(text));
  }
}
BENCHMARK(ReadGravity);

void ReadMegabyte(benchmark::State& state) {
  std::u16string text;
  while (text.size() < 1'000'000) text += u"1234 567 ";
  for (auto _ : state) benchmark::DoNotOptimize(calc::ReadNumber(text));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(ReadMegabyte)->Unit(benchmark::kMillisecond);

void FigureToText(benchmark::State& state) {
  double value = 0.2274862592025;
  for (auto _ : state) {
    benchmark::DoNotOptimize(value);
    benchmark::DoNotOptimize(calc::NumberToText(value));
  }
}
BENCHMARK(FigureToText);

// One input line's whole analysis: three scenarios, their working and the
// four bisections for the minutes.
void AnalyseDefaults(benchmark::State& state) {
  calc::WidmarkInputs in{200, 300, 70, 1, 0.7947, 0.78, 0.15, 0, 0, 15, 5, 0, 2000};
  for (auto _ : state) {
    benchmark::DoNotOptimize(in);
    benchmark::DoNotOptimize(analysis::Analyse(in));
  }
}
BENCHMARK(AnalyseDefaults)->Unit(benchmark::kMicrosecond);

// Everything an official figure is checked with, for one input line: the
// four scenarios, their twelve amounts at the limit and the back-calculation.
void WholeAnalysis(benchmark::State& state) {
  const calc::WidmarkInputs in{200, 300, 70, 1, 0.7947, 0.78, 0.15, 0, 0, 15, 5, 0, 2000};
  for (auto _ : state) {
    const analysis::Analyses analyses = analysis::Analyse(in);
    for (const analysis::ScenarioAnalysis& a : analyses)
      for (analysis::Drink drink : analysis::kDrinks)
        benchmark::DoNotOptimize(analysis::AmountAtLimit(a.inputs, drink));
    benchmark::DoNotOptimize(analyses);
    benchmark::DoNotOptimize(analysis::BackCalculate(in, {0.1, 1, 30}));
  }
}
BENCHMARK(WholeAnalysis)->Unit(benchmark::kMicrosecond);

// The whole case as the panel and the sheet show it, worked out once per
// change of an input: the defence's case with a drink after driving (the
// amounts both ways, the corners over three ranges, the chart's 644 samples).
void WholeCase(benchmark::State& state) {
  const analysis::CaseInputs in{{200, 300, 70, 1, 0.7947, 0.78, 0.15, 0, 0, 15, 5, 0, 2000},
                                analysis::BackInputs{0.22, 0, 55, analysis::LaterDrink{350, 9}},
                                std::nullopt,
                                std::nullopt,
                                21 * 60 + 10,
                                21 * 60 + 40,
                                22 * 60 + 5};
  for (auto _ : state) benchmark::DoNotOptimize(analysis::ComputeCase(in));
}
BENCHMARK(WholeCase)->Unit(benchmark::kMicrosecond);

// The same case with the drinking time known, so with the absorption model:
// 32 corners forward, 32 searches back from the test, the band.
void WholeCaseWithAbsorption(benchmark::State& state) {
  analysis::CaseInputs in{{200, 300, 70, 1, 0.7947, 0.78, 0.15, 0, 0, 15, 5, 0, 2000},
                          analysis::BackInputs{0.22, 0, 55, analysis::LaterDrink{350, 9}},
                          25.0 / 60,
                          20 * 60 + 15,
                          21 * 60 + 10,
                          21 * 60 + 40,
                          22 * 60 + 5};
  in.drinkingTime = analysis::HoursAndMinutes{0, 25};
  for (auto _ : state) benchmark::DoNotOptimize(analysis::ComputeCase(in));
}
BENCHMARK(WholeCaseWithAbsorption)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
