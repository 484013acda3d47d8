// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/system/registry.h"

namespace kelvastro {

// The system registry through advapi32 (Windows only).
class Win32Registry final : public Registry {
public:
    long openKey(std::uint32_t root, const std::string &path, std::uint32_t access, Key &key) override;
    long queryValue(Key key, const std::string &name, std::uint32_t &type, unsigned char *data,
                    std::uint32_t &size) override;
    long closeKey(Key key) override;
    std::string expandEnvironment(const std::string &text) override;
};

} // namespace kelvastro
