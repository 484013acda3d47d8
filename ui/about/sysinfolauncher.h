// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kelvastro {

class FormsServices;
class Registry;
class SystemServices;

// Finds and starts the system's information tool: where the system has a
// registry, where the registry says the tool is; elsewhere the first known
// tool on the search path.
class SysInfoLauncher {
public:
    static constexpr const char *UnavailableMessage = "System Information Is Unavailable At This Time";

    SysInfoLauncher(SystemServices &system, FormsServices &forms) : m_system(system), m_forms(forms) {}

    // Starts the tool and returns at once, or shows the one failure message.
    void StartSysInfo();

    // Reads one registry value as text into KeyVal. False, with KeyVal empty,
    // when the key cannot be opened for reading, the value cannot be read,
    // holds no data, or is of a type that is neither text nor a double word.
    static bool GetKeyValue(Registry &registry, std::uint32_t KeyRoot, const std::string &KeyName,
                            const std::string &SubKeyRef, std::string &KeyVal);

    // The tools tried where there is no registry, in order of preference.
    static const std::vector<std::string> &knownTools();

private:
    std::optional<std::string> toolFromRegistry(Registry &registry);

    SystemServices &m_system;
    FormsServices &m_forms;
};

} // namespace kelvastro
