// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/system/systemservices.h"
#include "platform/system/win32registry.h"

namespace kelvastro {

// Windows: the real registry, processes and file attributes, through the wide calls.
class Win32SystemServices final : public SystemServices {
public:
    bool startProgram(const std::string &path) override;
    bool isOrdinaryFile(const std::string &path) override;
    Registry *registry() override { return &m_registry; }
    std::string executableSearchPath() override;

private:
    Win32Registry m_registry;
};

} // namespace kelvastro
