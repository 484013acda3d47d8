// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/appinfo.h"
#include "platform/qt/qtformsservices.h"

#include <functional>
#include <string>
#include <vector>

namespace kelvastro {

// The real Qt front end, with the message box and the end of the program
// recorded instead of done, so that no test meets a real modal box.
class RecordingFormsServices final : public QtFormsServices {
public:
    RecordingFormsServices() : QtFormsServices(kApplication) {}
    void endProgram() override { ++endRequests; }

    std::vector<std::string> messages;
    std::function<void(const std::string &)> onMessage; // runs while the "box" is open
    int endRequests = 0;

protected:
    void messageBox(std::string_view text) override
    {
        messages.emplace_back(text);
        if (onMessage)
            onMessage(messages.back());
    }
};

} // namespace kelvastro
