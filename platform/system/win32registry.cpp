// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/win32registry.h"

#include "platform/system/utf16.h"

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace kelvastro {

namespace {

// Predefined root keys are 32-bit values sign-extended into a handle.
HKEY rootHandle(std::uint32_t root)
{
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(root))));
}

bool isText(DWORD type) { return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ; }

} // namespace

long Win32Registry::openKey(std::uint32_t root, const std::string &path, std::uint32_t access, Key &key)
{
    HKEY handle = nullptr;
    const LONG status = RegOpenKeyExW(rootHandle(root), wide(path).c_str(), 0, access, &handle);
    key = status == ERROR_SUCCESS ? reinterpret_cast<Key>(handle) : 0;
    return status;
}

// Text values come back as UTF-8 bytes, their size counted in those bytes, so
// that the caller's buffer and its limit mean what they do for 8-bit text.
long Win32Registry::queryValue(Key key, const std::string &name, std::uint32_t &type, unsigned char *data,
                               std::uint32_t &size)
{
    const auto hkey = reinterpret_cast<HKEY>(key);
    const std::wstring valueName = wide(name);
    DWORD valueType = 0;
    DWORD valueSize = 0;
    LONG status = RegQueryValueExW(hkey, valueName.c_str(), nullptr, &valueType, nullptr, &valueSize);
    if (status != ERROR_SUCCESS)
        return status;
    type = valueType;
    std::vector<unsigned char> raw(valueSize + sizeof(wchar_t));
    status = RegQueryValueExW(hkey, valueName.c_str(), nullptr, &valueType, raw.data(), &valueSize);
    if (status != ERROR_SUCCESS)
        return status;
    std::string bytes;
    if (isText(valueType)) {
        std::wstring text(valueSize / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), raw.data(), text.size() * sizeof(wchar_t));
        bytes = fromWide(text.data(), text.size());
    } else {
        bytes.assign(reinterpret_cast<const char *>(raw.data()), valueSize);
    }
    const auto needed = static_cast<std::uint32_t>(bytes.size());
    if (needed > size) {
        size = needed;
        return ERROR_MORE_DATA;
    }
    std::memcpy(data, bytes.data(), bytes.size());
    size = needed;
    return ERROR_SUCCESS;
}

long Win32Registry::closeKey(Key key)
{
    return RegCloseKey(reinterpret_cast<HKEY>(key));
}

std::string Win32Registry::expandEnvironment(const std::string &text)
{
    const std::wstring in = wide(text);
    const DWORD needed = ExpandEnvironmentStringsW(in.c_str(), nullptr, 0);
    if (needed == 0)
        return text;
    std::vector<wchar_t> out(needed);
    if (ExpandEnvironmentStringsW(in.c_str(), out.data(), needed) == 0)
        return text;
    return fromWide(out.data(), needed - 1);
}

} // namespace kelvastro
