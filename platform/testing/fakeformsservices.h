// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formsservices.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace kelvastro {

// Records what a window asked of the outside world instead of doing it.
class FakeFormsServices final : public FormsServices {
public:
    void showMessage(const std::string &text) override
    {
        messages.push_back(text);
        if (onMessage)
            onMessage(text);
    }
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
    void endProgram() override { ++endRequests; }
    Registry *registry() override { return registryToUse; }
    std::string executableSearchPath() override { return searchPath; }

    std::vector<std::string> messages;
    std::function<void(const std::string &)> onMessage; // runs while the "box" is open
    std::vector<std::string> startAttempts;
    std::set<std::string> startablePrograms;
    std::vector<std::string> fileTests;
    std::set<std::string> ordinaryFiles;
    int endRequests = 0;
    Registry *registryToUse = nullptr;
    std::string searchPath;
};

} // namespace kelvastro
