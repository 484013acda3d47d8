// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kelvastro {

class Registry;

// What the windows need from outside the program, and nothing more. Windows
// get it through their constructor, so tests hand in a double and never meet
// a real modal box or a real process. Texts are UTF-8 so that code without Qt
// (the system-information lookup) can use it too.
class FormsServices {
public:
    virtual ~FormsServices() = default;

    // A modal box with the text, one OK button and the application title as
    // its caption; returns once the user has closed it.
    virtual void showMessage(const std::string &text) = 0;

    // Starts the program without waiting for it; false when it cannot be started.
    virtual bool startProgram(const std::string &path) = 0;

    // True only for an ordinary file: not a folder, not hidden, not a system file.
    virtual bool isOrdinaryFile(const std::string &path) = 0;

    // Ends the program at once.
    virtual void endProgram() = 0;

    // The system registry, where there is one (Windows); null elsewhere.
    virtual Registry *registry() = 0;

    // Where programs are looked for by name, in the form of the PATH variable.
    virtual std::string executableSearchPath() = 0;
};

} // namespace kelvastro
