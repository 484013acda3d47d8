// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace kelvastro {

class Registry;

// What the program needs of the operating system that is not about windows.
// Texts are UTF-8.
class SystemServices {
public:
    virtual ~SystemServices() = default;

    // Starts the program with a normal window and returns at once; false when it cannot be started.
    virtual bool startProgram(const std::string &path) = 0;

    // True only for an ordinary file: not a folder, not hidden, not a system file.
    virtual bool isOrdinaryFile(const std::string &path) = 0;

    // The system registry, where there is one (Windows); null elsewhere.
    virtual Registry *registry() = 0;

    // Where programs are looked for by name, in the notation of the PATH variable.
    virtual std::string executableSearchPath() = 0;
};

} // namespace kelvastro
