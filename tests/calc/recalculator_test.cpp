// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/memorysheet.h"
#include "calc/recalculator.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kelvastro;

namespace {

// A sheet that remembers the order in which fields were read.
class RecordingSheet final : public TradeSheet {
public:
    explicit RecordingSheet(MemorySheet sheet) : m_sheet(std::move(sheet)) {}
    std::string text(Field f) const override
    {
        reads.push_back(f);
        return m_sheet.text(f);
    }
    void setText(Field f, std::string_view text) override { m_sheet.setText(f, text); }
    bool isEmpty(Field f) const override { return m_sheet.isEmpty(f); }

    mutable std::vector<Field> reads;

private:
    MemorySheet m_sheet;
};

MemorySheet startSheet() { return MemorySheet{{Field::BrokerageRate, "0.3"}}; }

class RecalculatorTest : public testing::Test {
protected:
    std::optional<CalcFailure> type(MemorySheet &sheet, Field f, std::string_view text)
    {
        sheet.setText(f, text);
        return recalculator.recalculate(sheet, f);
    }

    NumberText numbers;
    Recalculator recalculator{numbers};
};

struct WorkedExample {
    const char *name;
    const char *buying, *quantity, *selling, *rate;
    const char *total, *balance, *sold, *profit, *change;
};

void PrintTo(const WorkedExample &c, std::ostream *os) { *os << c.name; }

class WorkedExamples : public testing::TestWithParam<WorkedExample> {};

// Typed in the order a trader would, each field's change running the recalculation.
TEST_P(WorkedExamples, ComeOutDigitForDigit)
{
    const WorkedExample &c = GetParam();
    NumberText numbers;
    Recalculator recalculator(numbers);
    MemorySheet sheet = startSheet();
    for (auto [field, text] : {std::pair{Field::BrokerageRate, c.rate}, {Field::BuyingPrice, c.buying},
                               {Field::Quantity, c.quantity}, {Field::SellingPrice, c.selling}}) {
        sheet.setText(field, text);
        recalculator.recalculate(sheet, field);
    }
    EXPECT_EQ(sheet[Field::TotalCost], c.total);
    EXPECT_EQ(sheet[Field::BankBalance], c.balance);
    EXPECT_EQ(sheet[Field::SellingTotal], c.sold);
    EXPECT_EQ(sheet[Field::ProfitLoss], c.profit);
    EXPECT_EQ(sheet[Field::PriceChange], c.change);
}

INSTANTIATE_TEST_SUITE_P(Rates, WorkedExamples,
    testing::Values(
        WorkedExample{"profit_at_0_3", "10", "5", "12", "0.3", "50.15", "8.35833333333333", "59.82", "9.67", "20"},
        WorkedExample{"loss_at_0_3", "10", "5", "9", "0.3", "50.15", "8.35833333333333", "44.865", "-5.285", "-10"},
        WorkedExample{"profit_at_0_5", "10", "5", "12", "0.5", "50.25", "8.375", "59.7", "9.45", "20"},
        WorkedExample{
            "rate_zero_gives_plain_products", "10", "5", "12", "0", "50", "8.33333333333333", "60", "10", "20"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(RecalculatorTest, BuyingPriceAloneComputesNothing)
{
    MemorySheet sheet = startSheet();
    EXPECT_FALSE(type(sheet, Field::BuyingPrice, "10"));
    for (Field f : {Field::TotalCost, Field::BankBalance, Field::SellingTotal, Field::ProfitLoss, Field::PriceChange})
        EXPECT_EQ(sheet[f], "") << fieldCaption(f);
    EXPECT_FALSE(type(sheet, Field::Quantity, "5"));
    EXPECT_EQ(sheet[Field::TotalCost], "50.15");
    EXPECT_EQ(sheet[Field::BankBalance], "8.35833333333333");
    EXPECT_EQ(sheet[Field::SellingTotal], "");
}

TEST_F(RecalculatorTest, SellingWithoutBuyingStopsAtProfitOnEmptyTotal)
{
    MemorySheet sheet = startSheet();
    type(sheet, Field::Quantity, "5");
    const auto failure = type(sheet, Field::SellingPrice, "12");
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, (CalcFailure{FailureReason::Empty, 5,
                                     Field::TotalCost, Field::ProfitLoss}));
    EXPECT_EQ(sheet[Field::SellingTotal], "59.82");
    EXPECT_EQ(sheet[Field::ProfitLoss], "");
    EXPECT_EQ(sheet[Field::PriceChange], "");
}

TEST_F(RecalculatorTest, DeletedBuyingPriceLeavesOldTotalInUse)
{
    MemorySheet sheet = startSheet();
    type(sheet, Field::BuyingPrice, "10");
    type(sheet, Field::Quantity, "5");
    type(sheet, Field::BuyingPrice, "");
    const auto failure = type(sheet, Field::SellingPrice, "12");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->step, 6);
    EXPECT_EQ(failure->field, Field::BuyingPrice);
    EXPECT_EQ(failure->reason, FailureReason::Empty);
    EXPECT_EQ(sheet[Field::TotalCost], "50.15");
    EXPECT_EQ(sheet[Field::SellingTotal], "59.82");
    EXPECT_EQ(sheet[Field::ProfitLoss], "9.67");
    EXPECT_EQ(sheet[Field::PriceChange], "");
}

TEST_F(RecalculatorTest, BuyingPriceEditedWithoutSellingPriceLeavesSellingSideAlone)
{
    MemorySheet sheet = startSheet();
    sheet.setText(Field::SellingTotal, "old");
    type(sheet, Field::Quantity, "5");
    EXPECT_FALSE(type(sheet, Field::BuyingPrice, "10"));
    EXPECT_EQ(sheet[Field::TotalCost], "50.15");
    EXPECT_EQ(sheet[Field::SellingTotal], "old");
}

struct FailureCase {
    const char *name;
    const char *buying, *quantity, *selling;
    Field changed;
    CalcFailure failure;
    const char *total, *sold, *profit, *change; // texts after the failure ("old" = untouched)
};

void PrintTo(const FailureCase &c, std::ostream *os) { *os << c.name; }

class StopsPartWay : public testing::TestWithParam<FailureCase> {};

// The fields written before the failing step keep their new texts; the rest
// keep their old ones, and no further side runs.
TEST_P(StopsPartWay, KeepingEarlierWrites)
{
    const FailureCase &c = GetParam();
    NumberText numbers;
    Recalculator recalculator(numbers);
    MemorySheet sheet{{Field::BuyingPrice, c.buying}, {Field::Quantity, c.quantity}, {Field::SellingPrice, c.selling},
                      {Field::BrokerageRate, "0.3"},    {Field::TotalCost, "old"},      {Field::BankBalance, "old"},
                      {Field::SellingTotal, "old"},    {Field::ProfitLoss, "old"},      {Field::PriceChange, "old"}};
    const auto failure = recalculator.recalculate(sheet, c.changed);
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, c.failure);
    EXPECT_EQ(sheet[Field::TotalCost], c.total);
    EXPECT_EQ(sheet[Field::SellingTotal], c.sold);
    EXPECT_EQ(sheet[Field::ProfitLoss], c.profit);
    EXPECT_EQ(sheet[Field::PriceChange], c.change);
}

using FR = FailureReason;

INSTANTIATE_TEST_SUITE_P(
    Failures, StopsPartWay,
    testing::Values(
        FailureCase{"zero_buying_price_divides_by_zero", "0", "5", "12", Field::BuyingPrice,
                    {FR::DivisionByZero, 6, Field::PriceChange, Field::PriceChange},
                    "0", "59.82", "59.82", "old"},
        FailureCase{"zero_over_zero_is_invalid", "0", "5", "0", Field::BuyingPrice,
                    {FR::Invalid, 6, Field::PriceChange, Field::PriceChange},
                    "0", "0", "0", "old"},
        FailureCase{"overflowing_product_stops_buying_side", "1e300", "1e10", "1", Field::Quantity,
                    {FR::Overflow, 1, Field::TotalCost, Field::TotalCost},
                    "old", "old", "old", "old"},
        FailureCase{"letters_in_quantity", "10", "abc", "12", Field::BuyingPrice,
                    {FR::NotANumber, 1, Field::Quantity, Field::TotalCost},
                    "old", "old", "old", "old"},
        FailureCase{"blank_quantity_is_not_empty_but_no_number", "10", "  ", "12", Field::Quantity,
                    {FR::NotANumber, 1, Field::Quantity, Field::TotalCost},
                    "old", "old", "old", "old"},
        FailureCase{"selling_price_too_large_to_read", "10", "5", "1e999", Field::SellingPrice,
                    {FR::OutOfRange, 1, Field::SellingPrice, Field::SellingTotal},
                    "old", "old", "old", "old"},
        FailureCase{"old_total_that_is_no_number", "10", "5", "12", Field::SellingPrice,
                    {FR::NotANumber, 5, Field::TotalCost, Field::ProfitLoss},
                    "old", "59.82", "old", "old"}),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(RecalculatorTest, SellingPriceChangeNeverRunsBuyingSide)
{
    MemorySheet sheet{
        {Field::BuyingPrice, "10"}, {Field::Quantity, "5"}, {Field::BrokerageRate, "0.3"}, {Field::TotalCost, "40"}};
    type(sheet, Field::SellingPrice, "12");
    EXPECT_EQ(sheet[Field::TotalCost], "40");
    EXPECT_EQ(sheet[Field::BankBalance], "");
    EXPECT_EQ(sheet[Field::ProfitLoss], "19.82");
}

TEST_F(RecalculatorTest, ResultFieldChangesRunNothing)
{
    for (Field f : {Field::TotalCost, Field::BankBalance, Field::SellingTotal, Field::ProfitLoss, Field::PriceChange}) {
        MemorySheet sheet{{Field::BuyingPrice, "10"}, {Field::Quantity, "5"}, {Field::SellingPrice, "12"}, {Field::BrokerageRate, "0.3"}};
        EXPECT_FALSE(recalculator.recalculate(sheet, f));
        EXPECT_EQ(sheet[Field::TotalCost], "") << fieldCaption(f);
        EXPECT_EQ(sheet[Field::SellingTotal], "") << fieldCaption(f);
    }
}

TEST_F(RecalculatorTest, EveryKeystrokeRecalculatesFromTheTextAsItStands)
{
    MemorySheet sheet = startSheet();
    type(sheet, Field::Quantity, "5");
    std::vector<std::string> totals;
    std::string typed;
    for (char c : std::string("12.5")) {
        typed.push_back(c);
        type(sheet, Field::BuyingPrice, typed);
        totals.push_back(sheet[Field::TotalCost]);
    }
    EXPECT_EQ(totals, (std::vector<std::string>{"5.015", "60.18", "60.18", "62.6875"}));
}

TEST_F(RecalculatorTest, RateChangeRunsBothSides)
{
    MemorySheet sheet{{Field::BuyingPrice, "10"}, {Field::Quantity, "5"}, {Field::SellingPrice, "12"}};
    EXPECT_FALSE(type(sheet, Field::BrokerageRate, "0.5"));
    EXPECT_EQ(sheet[Field::TotalCost], "50.25");
    EXPECT_EQ(sheet[Field::PriceChange], "20");
}

// Each step reads its operands afresh, results included, in formula order.
TEST_F(RecalculatorTest, ReadsEveryOperandFromItsFieldInFormulaOrder)
{
    RecordingSheet sheet({{Field::BuyingPrice, "10"}, {Field::Quantity, "5"}, {Field::SellingPrice, "12"}, {Field::BrokerageRate, "0.3"}});
    EXPECT_FALSE(recalculator.recalculate(sheet, Field::BuyingPrice));
    using enum Field;
    EXPECT_EQ(sheet.reads,
              (std::vector<Field>{BuyingPrice, Quantity, BrokerageRate, BuyingPrice, Quantity, TotalCost, // buying
                                  Quantity, SellingPrice, BrokerageRate, Quantity, SellingPrice,          // selling
                                  SellingTotal, TotalCost, SellingPrice, BuyingPrice, BuyingPrice}));
}

struct DescribeCase {
    CalcFailure failure;
    const char *text;
};

TEST(DescribesFailure, NamingFieldAndTrouble)
{
    const DescribeCase cases[] = {
        {{FR::Empty, 5, Field::TotalCost, Field::ProfitLoss},
         "Cannot work out Profit / Loss: Total buying Price including Brokerage is empty."},
        {{FR::NotANumber, 1, Field::Quantity, Field::TotalCost},
         "Cannot work out Total buying Price including Brokerage: Quantity is not a number."},
        {{FR::OutOfRange, 1, Field::SellingPrice, Field::SellingTotal},
         "Cannot work out Total Selling Amount Including Brokerage: Selling Price is too large."},
        {{FR::DivisionByZero, 6, Field::PriceChange, Field::PriceChange},
         "Cannot work out Change in Price: division by zero (Buying Price is 0)."},
        {{FR::Overflow, 4, Field::BankBalance, Field::BankBalance},
         "Cannot work out Req.Bank Balace: the result is too large."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(describe(c.failure), c.text);
}

// What the status line says of a number typed with two scripts' digits, or
// with the Tamil ten its layout types on the 0 key.
TEST(DescribesFailure, DigitsThatReadAsNoNumber)
{
    const NumberText numbers(NumberLocale{".", ",", 3, 2});
    const Recalculator recalculator(numbers);
    const std::pair<const char *, const char *> cases[] = {
        {"\xE0\xA5\xA7" "0", "Cannot work out Total buying Price including Brokerage: Buying Price mixes the digits of two scripts."},
        {"\xE0\xAF\xA7\xE0\xAF\xB0",
         "Cannot work out Total buying Price including Brokerage: Buying Price holds the Tamil ten, hundred or "
         "thousand sign, not a digit."},
    };
    for (const auto &[buying, message] : cases) {
        MemorySheet sheet{{Field::BuyingPrice, buying}, {Field::Quantity, "5"}, {Field::BrokerageRate, "0.3"}};
        const auto failure = recalculator.recalculate(sheet, Field::Quantity);
        ASSERT_TRUE(failure) << buying;
        EXPECT_EQ(failure->kind(), FailureKind::Conversion);
        EXPECT_EQ(describe(*failure), message);
    }
}

} // namespace
