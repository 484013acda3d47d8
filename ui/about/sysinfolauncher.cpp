// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about/sysinfolauncher.h"

#include "platform/forms/formsservices.h"
#include "platform/system/executablesearch.h"
#include "platform/system/registry.h"
#include "platform/system/systemservices.h"

#include <array>

namespace kelvastro {

namespace {

constexpr const char *kToolPathKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
constexpr const char *kToolPathValue = "PATH";
constexpr const char *kToolFolderKey = R"(SOFTWARE\Microsoft\Shared Tools Location)";
constexpr const char *kToolFolderValue = "MSINFO";
constexpr const char *kToolFile = "\\MSINFO32.EXE";
constexpr std::uint32_t kBufferSize = 1024;

// Closes the key on every way out once it has been opened, and only then.
class OpenKey {
public:
    OpenKey(Registry &registry, std::uint32_t root, const std::string &path) : m_registry(registry)
    {
        // Reading needs read rights only; asking for write rights on the
        // machine's keys is refused to anyone but an administrator.
        m_opened = registry.openKey(root, path, Registry::KeyRead, m_key) == Registry::Success;
    }
    ~OpenKey()
    {
        if (m_opened)
            m_registry.closeKey(m_key);
    }
    OpenKey(const OpenKey &) = delete;
    OpenKey &operator=(const OpenKey &) = delete;

    bool opened() const { return m_opened; }
    Registry::Key key() const { return m_key; }

private:
    Registry &m_registry;
    Registry::Key m_key = 0;
    bool m_opened = false;
};

} // namespace

bool SysInfoLauncher::GetKeyValue(Registry &registry, std::uint32_t KeyRoot, const std::string &KeyName,
                                  const std::string &SubKeyRef, std::string &KeyVal)
{
    OpenKey key(registry, KeyRoot, KeyName);
    if (!key.opened()) {
        KeyVal.clear();
        return false;
    }
    std::array<unsigned char, kBufferSize> buffer{};
    std::uint32_t type = 0;
    std::uint32_t size = kBufferSize;
    if (registry.queryValue(key.key(), SubKeyRef, type, buffer.data(), size) != Registry::Success || size == 0
        || size > kBufferSize) {
        KeyVal.clear();
        return false;
    }
    switch (type) {
    case Registry::TypeString:
    case Registry::TypeExpandString: {
        // One terminating NUL is dropped; a text stored without one stays whole.
        std::string text(reinterpret_cast<const char *>(buffer.data()), size);
        if (text.back() == '\0')
            text.pop_back();
        KeyVal = type == Registry::TypeExpandString ? registry.expandEnvironment(text) : text;
        return true;
    }
    case Registry::TypeDword: {
        // Least significant byte first; read as unsigned.
        std::uint32_t value = 0;
        for (std::uint32_t i = size < 4 ? size : 4; i-- > 0;)
            value = (value << 8) | buffer[i];
        KeyVal = std::to_string(value);
        return true;
    }
    default:
        KeyVal.clear();
        return false;
    }
}

std::optional<std::string> SysInfoLauncher::toolFromRegistry(Registry &registry)
{
    std::string toolPath;
    if (GetKeyValue(registry, Registry::LocalMachine, kToolPathKey, kToolPathValue, toolPath))
        return toolPath; // used as found, without testing that it exists
    if (!GetKeyValue(registry, Registry::LocalMachine, kToolFolderKey, kToolFolderValue, toolPath))
        return std::nullopt;
    if (!m_system.isOrdinaryFile(toolPath + kToolFile))
        return std::nullopt;
    return toolPath + kToolFile;
}

const std::vector<std::string> &SysInfoLauncher::knownTools()
{
    static const std::vector<std::string> tools{
        "hardinfo2", "hardinfo", "kinfocenter", "gnome-system-monitor", "mate-system-monitor", "lshw-gtk", "cpu-x",
    };
    return tools;
}

void SysInfoLauncher::StartSysInfo()
{
    // One road, one failure message: whatever goes wrong on the way ends there.
    try {
        std::optional<std::string> tool;
        if (Registry *registry = m_system.registry())
            tool = toolFromRegistry(*registry);
        else
            tool = findExecutable(knownTools(), m_system.executableSearchPath());
        if (tool && m_system.startProgram(*tool))
            return;
    } catch (...) {
    }
    m_forms.showMessage(UnavailableMessage);
}

} // namespace kelvastro
