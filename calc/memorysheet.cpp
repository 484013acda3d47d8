// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/memorysheet.h"

namespace kelvastro {

MemorySheet::MemorySheet(std::initializer_list<std::pair<Field, std::string_view>> texts)
{
    for (const auto &[field, value] : texts)
        setText(field, value);
}

} // namespace kelvastro
