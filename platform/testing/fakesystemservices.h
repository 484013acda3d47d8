// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/system/systemservices.h"

#include <set>
#include <string>
#include <vector>

namespace kelvastro {

// Records what the program asked of the system instead of doing it.
class FakeSystemServices final : public SystemServices {
public:
    bool startProgram(const std::string &path) override
    {
        startAttempts.push_back(path);
        return startablePrograms.count(path) > 0;
    }
    bool isOrdinaryFile(const std::string &path) override
    {
        fileTests.push_back(path);
        return ordinaryFiles.count(path) > 0;
    }
    Registry *registry() override { return registryToUse; }
    std::string executableSearchPath() override { return searchPath; }

    std::vector<std::string> startAttempts;
    std::set<std::string> startablePrograms;
    std::vector<std::string> fileTests;
    std::set<std::string> ordinaryFiles;
    Registry *registryToUse = nullptr;
    std::string searchPath;
};

} // namespace kelvastro
