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

MemorySheet startSheet() { return MemorySheet{{Field::Text8, "0.3"}}; }

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
    for (auto [field, text] : {std::pair{Field::Text8, c.rate}, {Field::Text1, c.buying},
                               {Field::Text2, c.quantity}, {Field::Text5, c.selling}}) {
        sheet.setText(field, text);
        recalculator.recalculate(sheet, field);
    }
    EXPECT_EQ(sheet[Field::Text3], c.total);
    EXPECT_EQ(sheet[Field::Text4], c.balance);
    EXPECT_EQ(sheet[Field::Text6], c.sold);
    EXPECT_EQ(sheet[Field::Text7], c.profit);
    EXPECT_EQ(sheet[Field::Text9], c.change);
}

INSTANTIATE_TEST_SUITE_P(
    Rates, WorkedExamples,
    testing::Values(
        WorkedExample{"profit_at_0_3", "10", "5", "12", "0.3", "50.15", "8.35833333333333", "59.82", "9.67", "20"},
        WorkedExample{"loss_at_0_3", "10", "5", "9", "0.3", "50.15", "8.35833333333333", "44.865", "-5.285", "-10"},
        WorkedExample{"profit_at_0_5", "10", "5", "12", "0.5", "50.25", "8.375", "59.7", "9.45", "20"},
        WorkedExample{"rate_zero_gives_plain_products", "10", "5", "12", "0", "50", "8.33333333333333", "60", "10", "20"}),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(RecalculatorTest, BuyingPriceAloneComputesNothing)
{
    MemorySheet sheet = startSheet();
    EXPECT_FALSE(type(sheet, Field::Text1, "10"));
    for (Field f : {Field::Text3, Field::Text4, Field::Text6, Field::Text7, Field::Text9})
        EXPECT_EQ(sheet[f], "") << fieldName(f);
    EXPECT_FALSE(type(sheet, Field::Text2, "5"));
    EXPECT_EQ(sheet[Field::Text3], "50.15");
    EXPECT_EQ(sheet[Field::Text4], "8.35833333333333");
    EXPECT_EQ(sheet[Field::Text6], "");
}

TEST_F(RecalculatorTest, SellingWithoutBuyingStopsAtProfitOnEmptyTotal)
{
    MemorySheet sheet = startSheet();
    type(sheet, Field::Text2, "5");
    const auto failure = type(sheet, Field::Text5, "12");
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, (CalcFailure{FailureKind::Conversion, FailureReason::Empty, Side::Selling, 5,
                                     Field::Text3, Field::Text7}));
    EXPECT_EQ(sheet[Field::Text6], "59.82");
    EXPECT_EQ(sheet[Field::Text7], "");
    EXPECT_EQ(sheet[Field::Text9], "");
}

TEST_F(RecalculatorTest, DeletedBuyingPriceLeavesOldTotalInUse)
{
    MemorySheet sheet = startSheet();
    type(sheet, Field::Text1, "10");
    type(sheet, Field::Text2, "5");
    type(sheet, Field::Text1, "");
    const auto failure = type(sheet, Field::Text5, "12");
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->step, 6);
    EXPECT_EQ(failure->field, Field::Text1);
    EXPECT_EQ(failure->reason, FailureReason::Empty);
    EXPECT_EQ(sheet[Field::Text3], "50.15");
    EXPECT_EQ(sheet[Field::Text6], "59.82");
    EXPECT_EQ(sheet[Field::Text7], "9.67");
    EXPECT_EQ(sheet[Field::Text9], "");
}

TEST_F(RecalculatorTest, BuyingPriceEditedWithoutSellingPriceLeavesSellingSideAlone)
{
    MemorySheet sheet = startSheet();
    sheet.setText(Field::Text6, "old");
    type(sheet, Field::Text2, "5");
    EXPECT_FALSE(type(sheet, Field::Text1, "10"));
    EXPECT_EQ(sheet[Field::Text3], "50.15");
    EXPECT_EQ(sheet[Field::Text6], "old");
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
    MemorySheet sheet{{Field::Text1, c.buying}, {Field::Text2, c.quantity}, {Field::Text5, c.selling},
                      {Field::Text8, "0.3"},    {Field::Text3, "old"},      {Field::Text4, "old"},
                      {Field::Text6, "old"},    {Field::Text7, "old"},      {Field::Text9, "old"}};
    const auto failure = recalculator.recalculate(sheet, c.changed);
    ASSERT_TRUE(failure);
    EXPECT_EQ(*failure, c.failure);
    EXPECT_EQ(sheet[Field::Text3], c.total);
    EXPECT_EQ(sheet[Field::Text6], c.sold);
    EXPECT_EQ(sheet[Field::Text7], c.profit);
    EXPECT_EQ(sheet[Field::Text9], c.change);
}

using FK = FailureKind;
using FR = FailureReason;

INSTANTIATE_TEST_SUITE_P(
    Failures, StopsPartWay,
    testing::Values(
        FailureCase{"zero_buying_price_divides_by_zero", "0", "5", "12", Field::Text1,
                    {FK::Arithmetic, FR::DivisionByZero, Side::Selling, 6, Field::Text9, Field::Text9},
                    "0", "59.82", "59.82", "old"},
        FailureCase{"zero_over_zero_is_invalid", "0", "5", "0", Field::Text1,
                    {FK::Arithmetic, FR::Invalid, Side::Selling, 6, Field::Text9, Field::Text9},
                    "0", "0", "0", "old"},
        FailureCase{"overflowing_product_stops_buying_side", "1e300", "1e10", "1", Field::Text2,
                    {FK::Arithmetic, FR::Overflow, Side::Buying, 1, Field::Text3, Field::Text3},
                    "old", "old", "old", "old"},
        FailureCase{"letters_in_quantity", "10", "abc", "12", Field::Text1,
                    {FK::Conversion, FR::NotANumber, Side::Buying, 1, Field::Text2, Field::Text3},
                    "old", "old", "old", "old"},
        FailureCase{"blank_quantity_is_not_empty_but_no_number", "10", "  ", "12", Field::Text2,
                    {FK::Conversion, FR::NotANumber, Side::Buying, 1, Field::Text2, Field::Text3},
                    "old", "old", "old", "old"},
        FailureCase{"selling_price_too_large_to_read", "10", "5", "1e999", Field::Text5,
                    {FK::Conversion, FR::OutOfRange, Side::Selling, 1, Field::Text5, Field::Text6},
                    "old", "old", "old", "old"},
        FailureCase{"old_total_that_is_no_number", "10", "5", "12", Field::Text5,
                    {FK::Conversion, FR::NotANumber, Side::Selling, 5, Field::Text3, Field::Text7},
                    "old", "59.82", "old", "old"}),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(RecalculatorTest, SellingPriceChangeNeverRunsBuyingSide)
{
    MemorySheet sheet{{Field::Text1, "10"}, {Field::Text2, "5"}, {Field::Text8, "0.3"}, {Field::Text3, "40"}};
    type(sheet, Field::Text5, "12");
    EXPECT_EQ(sheet[Field::Text3], "40");
    EXPECT_EQ(sheet[Field::Text4], "");
    EXPECT_EQ(sheet[Field::Text7], "19.82");
}

TEST_F(RecalculatorTest, ResultFieldChangesRunNothing)
{
    for (Field f : {Field::Text3, Field::Text4, Field::Text6, Field::Text7, Field::Text9}) {
        MemorySheet sheet{{Field::Text1, "10"}, {Field::Text2, "5"}, {Field::Text5, "12"}, {Field::Text8, "0.3"}};
        EXPECT_FALSE(recalculator.recalculate(sheet, f));
        EXPECT_EQ(sheet[Field::Text3], "") << fieldName(f);
        EXPECT_EQ(sheet[Field::Text6], "") << fieldName(f);
    }
}

TEST_F(RecalculatorTest, EveryKeystrokeRecalculatesFromTheTextAsItStands)
{
    MemorySheet sheet = startSheet();
    type(sheet, Field::Text2, "5");
    std::vector<std::string> totals;
    std::string typed;
    for (char c : std::string("12.5")) {
        typed.push_back(c);
        type(sheet, Field::Text1, typed);
        totals.push_back(sheet[Field::Text3]);
    }
    EXPECT_EQ(totals, (std::vector<std::string>{"5.015", "60.18", "60.18", "62.6875"}));
}

TEST_F(RecalculatorTest, RateChangeRunsBothSides)
{
    MemorySheet sheet{{Field::Text1, "10"}, {Field::Text2, "5"}, {Field::Text5, "12"}};
    EXPECT_FALSE(type(sheet, Field::Text8, "0.5"));
    EXPECT_EQ(sheet[Field::Text3], "50.25");
    EXPECT_EQ(sheet[Field::Text9], "20");
}

// Each step reads its operands afresh, results included, in formula order.
TEST_F(RecalculatorTest, ReadsEveryOperandFromItsFieldInFormulaOrder)
{
    RecordingSheet sheet({{Field::Text1, "10"}, {Field::Text2, "5"}, {Field::Text5, "12"}, {Field::Text8, "0.3"}});
    EXPECT_FALSE(recalculator.recalculate(sheet, Field::Text1));
    using enum Field;
    EXPECT_EQ(sheet.reads, (std::vector<Field>{Text1, Text2, Text8, Text1, Text2, Text3,             // buying
                                               Text2, Text5, Text8, Text2, Text5, Text6, Text3,       // selling
                                               Text5, Text1, Text1}));
}

struct DescribeCase {
    CalcFailure failure;
    const char *text;
};

TEST(DescribesFailure, NamingFieldAndTrouble)
{
    const DescribeCase cases[] = {
        {{FK::Conversion, FR::Empty, Side::Selling, 5, Field::Text3, Field::Text7},
         "Cannot work out Profit / Loss: Total buying Price including Brokerage is empty."},
        {{FK::Conversion, FR::NotANumber, Side::Buying, 1, Field::Text2, Field::Text3},
         "Cannot work out Total buying Price including Brokerage: Quantity is not a number."},
        {{FK::Conversion, FR::OutOfRange, Side::Selling, 1, Field::Text5, Field::Text6},
         "Cannot work out Total Selling Amount Including Brokerage: Selling Price is too large."},
        {{FK::Arithmetic, FR::DivisionByZero, Side::Selling, 6, Field::Text9, Field::Text9},
         "Cannot work out Change in Price: division by zero (Buying Price is 0)."},
        {{FK::Arithmetic, FR::Overflow, Side::Buying, 4, Field::Text4, Field::Text4},
         "Cannot work out Req.Bank Balace: the result is too large."},
    };
    for (const auto &c : cases)
        EXPECT_EQ(describe(c.failure), c.text);
}

} // namespace
