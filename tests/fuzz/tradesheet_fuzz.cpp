// SPDX-License-Identifier: GPL-3.0-or-later
// A whole trade sheet of arbitrary texts and a change of any field: the
// recalculation never crashes, never touches an input field, writes only
// display texts into result fields, and reports a failure at a real step.
#include "tests/fuzz/fuzzchecks.h"
#include "calc/memorysheet.h"
#include "calc/recalculator.h"

#include <cstdint>
#include <string_view>

using namespace kelvastro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const Field changed = kAllFields[data[0] % kFieldCount];
    const auto &notations = fuzz::allNotations();
    const NumberText &numbers = notations[(data[0] / kFieldCount) % notations.size()];

    // The rest is the nine texts, separated by newlines.
    MemorySheet sheet;
    std::string_view rest(reinterpret_cast<const char *>(data) + 1, size - 1);
    for (Field f : kAllFields) {
        const std::size_t end = rest.find('\n');
        sheet.setText(f, rest.substr(0, end));
        if (end == std::string_view::npos)
            break;
        rest.remove_prefix(end + 1);
    }
    const MemorySheet before = sheet;

    const auto failure = Recalculator(numbers).recalculate(sheet, changed);

    for (Field f : kAllFields) {
        if (sheet[f] == before[f])
            continue;
        FUZZ_CHECK(isInputField(changed));
        FUZZ_CHECK(!isInputField(f));
        const FieldValue shown = numbers.read(sheet[f]);
        FUZZ_CHECK(shown || shown.error == ReadError::OutOfRange);
        if (shown)
            FUZZ_CHECK(numbers.display(shown.value) == sheet[f]);
    }
    if (failure) {
        FUZZ_CHECK(failure->step >= 1 && failure->step <= (failure->side() == Side::Buying ? 4 : 6));
        FUZZ_CHECK(!isInputField(failure->target));
        FUZZ_CHECK(!describe(*failure).empty());
    }
    return 0;
}
