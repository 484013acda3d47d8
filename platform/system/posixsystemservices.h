// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/system/systemservices.h"

namespace kelvastro {

// Linux and other POSIX systems: no registry.
class PosixSystemServices final : public SystemServices {
public:
    bool startProgram(const std::string &path) override;
    bool isOrdinaryFile(const std::string &path) override;
    Registry *registry() override { return nullptr; }
    std::string executableSearchPath() override;
};

} // namespace kelvastro
