// Evaluates typical unit-conversion and price formulas, against converting the same number
// literals with std::from_chars. Prints the evaluator's cost as a multiple of that baseline.
// Then a formula from a hostile file that names 100,000 distinct variables in sorted order,
// against one of the same length that names ten ("x_few_names", medians of both).
#include "model/eval/Evaluator.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

struct Formula {
    const char* m_text;
    std::vector<const char*> m_literals;  // the number literals the formula holds
};

const std::vector<Formula> kFormulas = {
    {"@QUAN*1.0936", {"1.0936"}},
    {"(@QUAN/27)*3", {"27", "3"}},
    {"@QUAN*12.50+250", {"12.50", "250"}},
    {"sqrt(@X^2+@Y^2)", {"2", "2"}},
    {"@QUAN>1000 ? 10.5 : 12.75", {"1000", "10.5", "12.75"}},
    {"1234.56", {"1234.56"}},
    {"@QUAN*0.3048", {"0.3048"}},
    {"(@QUAN*9/5)+32", {"9", "5", "32"}},
    {"@UP*@QUAN", {}},
    {"@QUAN*2000/2204.62", {"2000", "2204.62"}},
};

void SetVariables()
{
    SetEvaluatorVariable("@QUAN", 1250.0);
    SetEvaluatorVariable("@X", 3.0);
    SetEvaluatorVariable("@Y", 4.0);
    SetEvaluatorVariable("@UP", 17.25);
}

void Evaluate(benchmark::State& state)
{
    SetVariables();
    for (auto _ : state) {
        for (const Formula& formula : kFormulas)
            benchmark::DoNotOptimize(EvaluateExpression(formula.m_text));
    }
    if (GetEvaluatorError() != 0)
        state.SkipWithError("a formula failed");
    state.SetItemsProcessed(state.iterations() * std::int64_t(kFormulas.size()));
}

void ConvertLiterals(benchmark::State& state)
{
    for (auto _ : state) {
        for (const Formula& formula : kFormulas) {
            for (const char* literal : formula.m_literals) {
                double value = 0;
                std::from_chars(literal, literal + std::strlen(literal), value);
                benchmark::DoNotOptimize(value);
            }
        }
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(kFormulas.size()));
}

BENCHMARK(Evaluate);
BENCHMARK(ConvertLiterals);

// "@V000000+@V000001+...": each name of the same width, so that both formulas are as long.
std::string SumOfNames(int names, int distinct)
{
    std::string text;
    char name[16];
    for (int k = 0; k < names; ++k) {
        std::snprintf(name, sizeof name, "@V%06d", k % distinct);
        text += k ? "+" : "";
        text += name;
    }
    return text;
}

// Seconds of one evaluation of the text with no variables defined yet.
double SecondsToEvaluateAfresh(const std::string& text)
{
    FreeEvaluatorSymbols();
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(EvaluateExpression(text.c_str()));
    const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
    return seconds.count();
}

double MedianOf(std::vector<double>& values)
{
    std::ranges::nth_element(values, values.begin() + std::ptrdiff_t(values.size() / 2));
    return values[values.size() / 2];
}

// The two in turn, so that a busy moment of the machine weighs on both alike.
void ManyNamesAgainstFew(benchmark::State& state)
{
    constexpr int kNames = 100000;
    const std::string many = SumOfNames(kNames, kNames);
    const std::string few = SumOfNames(kNames, 10);
    std::vector<double> manyTimes;
    std::vector<double> fewTimes;
    for (auto _ : state) {
        manyTimes.push_back(SecondsToEvaluateAfresh(many));
        fewTimes.push_back(SecondsToEvaluateAfresh(few));
    }
    if (GetEvaluatorError() != 0)
        state.SkipWithError("a formula failed");
    FreeEvaluatorSymbols();
    state.counters["x_few_names"] = MedianOf(manyTimes) / MedianOf(fewTimes);
}

BENCHMARK(ManyNamesAgainstFew)->Unit(benchmark::kMillisecond);

// Keeps each benchmark's time per iteration so the ratio can be printed after the table.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (!run.error_occurred && run.run_type == Run::RT_Iteration)
                m_times[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    double Time(const std::string& name) const
    {
        const auto found = m_times.find(name);
        return found == m_times.end() ? 0.0 : found->second;
    }

private:
    std::map<std::string, double> m_times;
};

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double evaluate = reporter.Time("Evaluate");
    const double baseline = reporter.Time("ConvertLiterals");
    if (evaluate > 0 && baseline > 0)
        std::printf("evaluating a formula costs %.2f times converting its literals\n",
                    evaluate / baseline);
    benchmark::Shutdown();
    return 0;
}
