// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/win32numberlocale.h"

#include "platform/system/utf16.h"

#include <windows.h>

#include <cwchar>

namespace kelvastro {

namespace {

std::string localeText(LCTYPE type, const char *fallback)
{
    wchar_t buffer[16] = {};
    const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, 16);
    return length > 1 ? fromWide(buffer, static_cast<std::size_t>(length - 1)) : std::string(fallback);
}

} // namespace

NumberLocale userNumberLocale()
{
    NumberLocale out;
    out.decimal = localeText(LOCALE_SDECIMAL, ".");
    out.group = localeText(LOCALE_STHOUSAND, "");
    out.minus = localeText(LOCALE_SNEGATIVESIGN, "-");
    // "3;0" groups by three, "3;2;0" by three next to the point and by two beyond it.
    const std::string grouping = localeText(LOCALE_SGROUPING, "3;0");
    int sizes[2] = {0, 0};
    int found = 0;
    for (std::size_t i = 0; i < grouping.size() && found < 2; ++i)
        if (grouping[i] >= '1' && grouping[i] <= '9')
            sizes[found++] = grouping[i] - '0';
    if (found == 0)
        out.group.clear();
    out.primaryGroup = found > 0 ? sizes[0] : 3;
    out.secondaryGroup = found > 1 ? sizes[1] : out.primaryGroup;
    return out;
}

} // namespace kelvastro
