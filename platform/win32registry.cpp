// SPDX-License-Identifier: GPL-3.0-or-later
#include "win32registry.h"

#include <windows.h>

#include <vector>

namespace kelvastro {

namespace {

// Predefined root keys are 32-bit values sign-extended into a handle.
HKEY rootHandle(std::uint32_t root)
{
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG_PTR>(static_cast<LONG>(root))));
}

} // namespace

long Win32Registry::openKey(std::uint32_t root, const std::string &path, std::uint32_t access, Key &key)
{
    HKEY handle = nullptr;
    const LONG status = RegOpenKeyExA(rootHandle(root), path.c_str(), 0, access, &handle);
    key = status == ERROR_SUCCESS ? reinterpret_cast<Key>(handle) : 0;
    return status;
}

long Win32Registry::queryValue(Key key, const std::string &name, std::uint32_t &type, unsigned char *data,
                               std::uint32_t &size)
{
    DWORD valueType = 0;
    DWORD valueSize = size;
    const LONG status =
        RegQueryValueExA(reinterpret_cast<HKEY>(key), name.c_str(), nullptr, &valueType, data, &valueSize);
    type = valueType;
    size = valueSize;
    return status;
}

long Win32Registry::closeKey(Key key)
{
    return RegCloseKey(reinterpret_cast<HKEY>(key));
}

std::string Win32Registry::expandEnvironment(const std::string &text)
{
    const DWORD needed = ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0)
        return text;
    std::vector<char> out(needed);
    if (ExpandEnvironmentStringsA(text.c_str(), out.data(), needed) == 0)
        return text;
    return std::string(out.data());
}

} // namespace kelvastro
