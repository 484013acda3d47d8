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
    return MemorySheet{{Field::BuyingPrice, "10.25"},  {Field::Quantity, "500"},   {Field::SellingPrice, "12.75"},
                       {Field::BrokerageRate, "0.3"},  {Field::TotalCost, "0"},    {Field::BankBalance, "0"},
                       {Field::SellingTotal, "0"},     {Field::ProfitLoss, "0"},   {Field::PriceChange, "0"}};
}

using enum Field;
constexpr Field kReads[] = {BuyingPrice, Quantity,     BrokerageRate, BuyingPrice,  Quantity,     TotalCost,
                            Quantity,    SellingPrice, BrokerageRate, Quantity,     SellingPrice, SellingTotal,
                            TotalCost,   SellingPrice, BuyingPrice,   BuyingPrice};

void BM_Recalculate(benchmark::State &state)
{
    const NumberText numbers;
    const Recalculator recalculator(numbers);
    MemorySheet sheet = filledSheet();
    for (auto _ : state) {
        auto failure = recalculator.recalculate(sheet, Field::BuyingPrice);
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
