// SPDX-License-Identifier: GPL-3.0-or-later
// Recalculation after a change of Buying price with every field filled,
// against its floor: the same 16 field reads and 5 display texts alone.
#include "calc/memorysheet.h"
#include "calc/recalculator.h"

#include <benchmark/benchmark.h>

using namespace kelvastro;

namespace {

MemorySheet filledSheet()
{
    return MemorySheet{{Field::Text1, "10.25"}, {Field::Text2, "500"},   {Field::Text5, "12.75"},
                       {Field::Text8, "0.3"},   {Field::Text3, "0"},     {Field::Text4, "0"},
                       {Field::Text6, "0"},     {Field::Text7, "0"},     {Field::Text9, "0"}};
}

constexpr Field kReads[] = {Field::Text1, Field::Text2, Field::Text8, Field::Text1, Field::Text2, Field::Text3,
                            Field::Text2, Field::Text5, Field::Text8, Field::Text2, Field::Text5, Field::Text6,
                            Field::Text3, Field::Text5, Field::Text1, Field::Text1};

void BM_Recalculate(benchmark::State &state)
{
    const NumberText numbers;
    const Recalculator recalculator(numbers);
    MemorySheet sheet = filledSheet();
    for (auto _ : state) {
        auto failure = recalculator.recalculate(sheet, Field::Text1);
        benchmark::DoNotOptimize(failure);
        if (failure)
            state.SkipWithError("the recalculation failed");
    }
}
BENCHMARK(BM_Recalculate);

void BM_ReadsAndDisplayTextsOnly(benchmark::State &state)
{
    const NumberText numbers;
    MemorySheet sheet = filledSheet();
    const TradeSheet &fields = sheet;
    // What the five result fields hold for this sheet.
    const double results[] = {5140.375, 856.729166666667, 6356.3625, 1215.9875, 24.390243902439};
    for (auto _ : state) {
        for (Field f : kReads) {
            std::string text = fields.text(f);
            benchmark::DoNotOptimize(text);
        }
        for (double r : results) {
            std::string text = numbers.display(r);
            benchmark::DoNotOptimize(text);
        }
    }
}
BENCHMARK(BM_ReadsAndDisplayTextsOnly);

} // namespace
