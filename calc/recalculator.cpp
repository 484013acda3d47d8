// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/recalculator.h"

#include <array>
#include <cmath>

namespace kelvastro {

class Recalculator::Reads {
public:
    explicit Reads(const NumberText &numbers) : m_numbers(numbers) {}

    // Every read goes to the sheet; only the conversion of a text seen before is saved.
    FieldValue read(const TradeSheet &sheet, Field f)
    {
        std::string text = sheet.text(f);
        const std::size_t i = index(f);
        if (m_known[i] && same(m_texts[i], text))
            return m_values[i];
        m_values[i] = m_numbers.read(text);
        m_texts[i] = std::move(text);
        m_known[i] = true;
        return m_values[i];
    }

private:
    // Field texts are short: a plain loop beats a call into the library.
    static bool same(const std::string &a, const std::string &b)
    {
        if (a.size() != b.size())
            return false;
        for (std::size_t k = 0; k < a.size(); ++k)
            if (a[k] != b[k])
                return false;
        return true;
    }

    const NumberText &m_numbers;
    std::array<std::string, kFieldCount> m_texts;
    std::array<FieldValue, kFieldCount> m_values{};
    std::array<bool, kFieldCount> m_known{};
};

namespace {

FailureReason reasonFor(ReadError error)
{
    switch (error) {
    case ReadError::Empty:
        return FailureReason::Empty;
    case ReadError::OutOfRange:
        return FailureReason::OutOfRange;
    case ReadError::MixedScripts:
        return FailureReason::MixedScripts;
    case ReadError::NotADigit:
        return FailureReason::NotADigit;
    case ReadError::None:
    case ReadError::NotANumber:
        break;
    }
    return FailureReason::NotANumber;
}

// One run of one side: tracks the step under way so that a failure can say
// where the side stopped.
class SideRun {
public:
    SideRun(TradeSheet &sheet, const NumberText &numbers, Recalculator::Reads &reads)
        : m_sheet(sheet), m_numbers(numbers), m_reads(reads)
    {
    }

    void step(int number, Field target)
    {
        m_step = number;
        m_target = target;
    }

    bool value(Field f, double &out)
    {
        const FieldValue v = m_reads.read(m_sheet, f);
        if (v) {
            out = v.value;
            return true;
        }
        fail(reasonFor(v.error), f);
        return false;
    }

    // Every step's result must be finite; a zero divisor names the trouble.
    bool finite(double result, double divisor = 1.0)
    {
        if (std::isfinite(result))
            return true;
        FailureReason reason = FailureReason::Overflow;
        if (std::isnan(result))
            reason = FailureReason::Invalid;
        else if (divisor == 0.0)
            reason = FailureReason::DivisionByZero;
        fail(reason, m_target);
        return false;
    }

    void show(double result) { m_sheet.setText(m_target, m_numbers.display(result)); }

    std::optional<CalcFailure> failure() const { return m_failure; }

private:
    void fail(FailureReason reason, Field field) { m_failure = CalcFailure{reason, m_step, field, m_target}; }

    TradeSheet &m_sheet;
    const NumberText &m_numbers;
    Recalculator::Reads &m_reads;
    int m_step = 0;
    Field m_target = Field::TotalCost;
    std::optional<CalcFailure> m_failure;
};

} // namespace

std::optional<CalcFailure> Recalculator::buyingSide(TradeSheet &sheet, Reads &reads) const
{
    SideRun run(sheet, m_numbers, reads);
    double price = 0, quantity = 0, rate = 0, total = 0;

    run.step(1, Field::TotalCost);
    if (!run.value(Field::BuyingPrice, price) || !run.value(Field::Quantity, quantity))
        return run.failure();
    const double amount = price * quantity;
    if (!run.finite(amount))
        return run.failure();

    run.step(2, Field::TotalCost);
    if (!run.value(Field::BrokerageRate, rate))
        return run.failure();
    const double brokerage = (rate * amount) / 100;
    if (!run.finite(brokerage))
        return run.failure();

    // The amount is formed again from the two texts, as the sheet's formula reads.
    run.step(3, Field::TotalCost);
    if (!run.value(Field::BuyingPrice, price) || !run.value(Field::Quantity, quantity))
        return run.failure();
    const double withBrokerage = price * quantity + brokerage;
    if (!run.finite(withBrokerage))
        return run.failure();
    run.show(withBrokerage);

    run.step(4, Field::BankBalance);
    if (!run.value(Field::TotalCost, total))
        return run.failure();
    const double balance = total / 6;
    if (!run.finite(balance))
        return run.failure();
    run.show(balance);
    return std::nullopt;
}

std::optional<CalcFailure> Recalculator::sellingSide(TradeSheet &sheet, Reads &reads) const
{
    SideRun run(sheet, m_numbers, reads);
    double quantity = 0, selling = 0, rate = 0, sold = 0, bought = 0, buying = 0, buyingAgain = 0;

    run.step(1, Field::SellingTotal);
    if (!run.value(Field::Quantity, quantity) || !run.value(Field::SellingPrice, selling))
        return run.failure();
    const double gross = quantity * selling;
    if (!run.finite(gross))
        return run.failure();

    run.step(2, Field::SellingTotal);
    if (!run.value(Field::BrokerageRate, rate) || !run.value(Field::Quantity, quantity))
        return run.failure();
    const double ratePerShare = rate * quantity;
    if (!run.finite(ratePerShare))
        return run.failure();

    run.step(3, Field::SellingTotal);
    if (!run.value(Field::SellingPrice, selling))
        return run.failure();
    const double brokerage = (selling * ratePerShare) / 100;
    if (!run.finite(brokerage))
        return run.failure();

    run.step(4, Field::SellingTotal);
    const double net = gross - brokerage;
    if (!run.finite(net))
        return run.failure();
    run.show(net);

    run.step(5, Field::ProfitLoss);
    if (!run.value(Field::SellingTotal, sold) || !run.value(Field::TotalCost, bought))
        return run.failure();
    const double profit = sold - bought;
    if (!run.finite(profit))
        return run.failure();
    run.show(profit);

    run.step(6, Field::PriceChange);
    if (!run.value(Field::SellingPrice, selling) || !run.value(Field::BuyingPrice, buying)
        || !run.value(Field::BuyingPrice, buyingAgain))
        return run.failure();
    const double change = ((selling - buying) / buyingAgain) * 100;
    if (!run.finite(change, buyingAgain))
        return run.failure();
    run.show(change);
    return std::nullopt;
}

std::optional<CalcFailure> Recalculator::recalculate(TradeSheet &sheet, Field changed) const
{
    if (!isInputField(changed))
        return std::nullopt;
    Reads reads(m_numbers);
    if (changed != Field::SellingPrice && !sheet.isEmpty(Field::BuyingPrice) && !sheet.isEmpty(Field::Quantity)) {
        if (auto failure = buyingSide(sheet, reads))
            return failure;
    }
    if (!sheet.isEmpty(Field::SellingPrice) && !sheet.isEmpty(Field::Quantity))
        return sellingSide(sheet, reads);
    return std::nullopt;
}

} // namespace kelvastro
