// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calc/tradesheet.h"

#include <array>
#include <initializer_list>
#include <utility>

namespace kelvastro {

// A trade sheet without a window, for tests, benchmarks and fuzzing.
class MemorySheet final : public TradeSheet {
public:
    MemorySheet() = default;
    MemorySheet(std::initializer_list<std::pair<Field, std::string_view>> texts);

    std::string text(Field f) const override { return m_texts[index(f)]; }
    void setText(Field f, std::string_view text) override { m_texts[index(f)] = text; }
    bool isEmpty(Field f) const override { return m_texts[index(f)].empty(); }

    const std::string &operator[](Field f) const { return m_texts[index(f)]; }

private:
    std::array<std::string, kFieldCount> m_texts;
};

} // namespace kelvastro
