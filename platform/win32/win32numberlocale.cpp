// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/win32numberlocale.h"

#include "calc/decimaldigits.h"
#include "calc/utf8.h"
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

int localeNumber(LCTYPE type, int fallback)
{
    DWORD value = 0;
    const int read = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type | LOCALE_RETURN_NUMBER,
                                     reinterpret_cast<LPWSTR>(&value), sizeof value / sizeof(wchar_t));
    return read > 0 ? static_cast<int>(value) : fallback;
}

// The digits Windows itself shows numbers in for this user: the native ones
// where the setting says native (2), or context (0) in a right-to-left
// locale, whose text is all context; ASCII where it says none (1).
std::string resultZeroDigit()
{
    const int substitution = localeNumber(LOCALE_IDIGITSUBSTITUTION, 1);
    const bool rightToLeft = localeNumber(LOCALE_IREADINGLAYOUT, 0) == 1;
    if (substitution != 2 && !(substitution == 0 && rightToLeft))
        return "0";
    const std::string native = localeText(LOCALE_SNATIVEDIGITS, "0");
    std::size_t i = 0;
    const char32_t zero = decodeUtf8At(native, i);
    const auto digit = decimalDigit(zero);
    return digit && digit->value == 0 ? native.substr(0, i) : std::string("0");
}

} // namespace

NumberLocale userNumberLocale()
{
    NumberLocale out;
    out.decimal = localeText(LOCALE_SDECIMAL, ".");
    out.group = localeText(LOCALE_STHOUSAND, "");
    out.minus = localeText(LOCALE_SNEGATIVESIGN, "-");
    out.zeroDigit = resultZeroDigit();
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
