// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/system/registry.h"

#include <map>
#include <set>
#include <string>
#include <vector>

namespace kelvastro {

// A registry in memory, for tests on every platform: keys, typed values,
// keys that refuse an access, and a count of the handles still open.
class MemoryRegistry final : public Registry {
public:
    struct Value {
        std::uint32_t type = TypeString;
        std::vector<unsigned char> data;
    };

    void setString(const std::string &key, const std::string &name, const std::string &text,
                   std::uint32_t type = TypeString, bool terminated = true);
    void setDword(const std::string &key, const std::string &name, std::uint32_t value);
    void setRaw(const std::string &key, const std::string &name, std::uint32_t type, std::vector<unsigned char> data);
    void addKey(const std::string &key) { m_keys[key]; }
    // Opening this key with any access beyond `allowed` is refused.
    void restrictAccess(const std::string &key, std::uint32_t allowed) { m_allowed[key] = allowed; }
    void setEnvironment(const std::string &name, const std::string &value) { m_environment[name] = value; }

    long openKey(std::uint32_t root, const std::string &path, std::uint32_t access, Key &key) override;
    long queryValue(Key key, const std::string &name, std::uint32_t &type, unsigned char *data,
                    std::uint32_t &size) override;
    long closeKey(Key key) override;
    std::string expandEnvironment(const std::string &text) override;

    std::size_t openHandles() const { return m_open.size(); }
    std::vector<std::string> opened; // key paths, in the order they were opened

private:
    std::map<std::string, std::map<std::string, Value>> m_keys;
    std::map<std::string, std::uint32_t> m_allowed;
    std::map<std::string, std::string> m_environment;
    std::map<Key, std::string> m_open;
    Key m_nextHandle = 0x100;
};

} // namespace kelvastro
