// The number writers and the reading, each beside std::to_chars / std::from_chars on the same amounts.
#include "text/FormatSettings.h"
#include "text/NumberReading.h"
#include "text/NumberWriting.h"

#include <benchmark/benchmark.h>

#include <QString>

#include <array>
#include <charconv>
#include <string>
#include <vector>

using namespace vareldo;

namespace {

// Amounts of the kind the program shows: incomes, bracket taxes, credits, remainders.
const std::array<double, 16> amounts = {
    10000,   28000,    50000,     10000000, 6440,      7700,   21070,    35210,
    34210.5, 99000.25, 1234.5,    -700,     4278500,   0.35,   12345.67, 987654321.99};

void useItalianSettings() { FormatSettings = TFormatSettings{u',', u'.'}; }

void BM_FormatFloat(benchmark::State& state)
{
    useItalianSettings();
    for (auto _ : state)
        for (const double a : amounts)
            benchmark::DoNotOptimize(FormatFloat(u"#,##0.00", a));
    state.SetItemsProcessed(state.iterations() * amounts.size());
}
BENCHMARK(BM_FormatFloat);

void BM_FormatNumberDirective(benchmark::State& state)
{
    useItalianSettings();
    for (auto _ : state)
        for (const double a : amounts)
            benchmark::DoNotOptimize(Format(u"%n", {a}));
    state.SetItemsProcessed(state.iterations() * amounts.size());
}
BENCHMARK(BM_FormatNumberDirective);

void BM_FloatToStr(benchmark::State& state)
{
    useItalianSettings();
    for (auto _ : state)
        for (const double a : amounts)
            benchmark::DoNotOptimize(FloatToStr(a));
    state.SetItemsProcessed(state.iterations() * amounts.size());
}
BENCHMARK(BM_FloatToStr);

// Baseline: two fixed decimals with the standard library, no grouping, no string object.
void BM_ToCharsFixed2(benchmark::State& state)
{
    char buffer[64];
    for (auto _ : state)
        for (const double a : amounts) {
            const auto r = std::to_chars(buffer, buffer + sizeof buffer, a, std::chars_format::fixed, 2);
            benchmark::DoNotOptimize(r.ptr);
            benchmark::ClobberMemory();
        }
    state.SetItemsProcessed(state.iterations() * amounts.size());
}
BENCHMARK(BM_ToCharsFixed2);

// Baseline: shortest round-trip text, what general writing is closest to.
void BM_ToCharsShortest(benchmark::State& state)
{
    char buffer[64];
    for (auto _ : state)
        for (const double a : amounts) {
            const auto r = std::to_chars(buffer, buffer + sizeof buffer, a);
            benchmark::DoNotOptimize(r.ptr);
            benchmark::ClobberMemory();
        }
    state.SetItemsProcessed(state.iterations() * amounts.size());
}
BENCHMARK(BM_ToCharsShortest);

std::vector<QString> italianTexts()
{
    useItalianSettings();
    std::vector<QString> texts;
    for (const double a : amounts)
        texts.push_back(FloatToStr(a));
    return texts;
}

std::vector<std::string> asciiTexts()
{
    std::vector<std::string> texts;
    char buffer[64];
    for (const double a : amounts) {
        const auto r = std::to_chars(buffer, buffer + sizeof buffer, a);
        texts.emplace_back(buffer, r.ptr);
    }
    return texts;
}

void BM_StrToFloat(benchmark::State& state)
{
    const std::vector<QString> texts = italianTexts();
    for (auto _ : state)
        for (const QString& t : texts)
            benchmark::DoNotOptimize(StrToFloat(t));
    state.SetItemsProcessed(state.iterations() * texts.size());
}
BENCHMARK(BM_StrToFloat);

void BM_FromChars(benchmark::State& state)
{
    const std::vector<std::string> texts = asciiTexts();
    for (auto _ : state)
        for (const std::string& t : texts) {
            double value = 0;
            std::from_chars(t.data(), t.data() + t.size(), value);
            benchmark::DoNotOptimize(value);
        }
    state.SetItemsProcessed(state.iterations() * texts.size());
}
BENCHMARK(BM_FromChars);

} // namespace

BENCHMARK_MAIN();
