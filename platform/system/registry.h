// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace kelvastro {

// The three registry calls the program makes, with the statuses and value
// types of the real ones; texts, paths and names are UTF-8, and a text
// value's size counts its UTF-8 bytes. Free of Qt so that the lookup
// built on it compiles with any Windows toolchain.
class Registry {
public:
    using Key = std::uintptr_t;

    static constexpr std::uint32_t LocalMachine = 0x80000002u; // HKEY_LOCAL_MACHINE
    static constexpr std::uint32_t KeyRead = 0x20019u;         // KEY_READ

    static constexpr long Success = 0;      // ERROR_SUCCESS
    static constexpr long NotFound = 2;     // ERROR_FILE_NOT_FOUND
    static constexpr long AccessDenied = 5; // ERROR_ACCESS_DENIED
    static constexpr long MoreData = 234;   // ERROR_MORE_DATA

    static constexpr std::uint32_t TypeNone = 0;      // REG_NONE
    static constexpr std::uint32_t TypeString = 1;    // REG_SZ
    static constexpr std::uint32_t TypeExpandString = 2; // REG_EXPAND_SZ
    static constexpr std::uint32_t TypeBinary = 3;    // REG_BINARY
    static constexpr std::uint32_t TypeDword = 4;     // REG_DWORD
    static constexpr std::uint32_t TypeMultiString = 7; // REG_MULTI_SZ

    virtual ~Registry() = default;

    virtual long openKey(std::uint32_t root, const std::string &path, std::uint32_t access, Key &key) = 0;
    // size: in, the buffer's size in bytes; out, the value's size. A value
    // larger than the buffer fails with MoreData.
    virtual long queryValue(Key key, const std::string &name, std::uint32_t &type, unsigned char *data,
                            std::uint32_t &size) = 0;
    virtual long closeKey(Key key) = 0;

    // %NAME% references in an expandable string, resolved as the system would.
    virtual std::string expandEnvironment(const std::string &text) = 0;
};

} // namespace kelvastro
