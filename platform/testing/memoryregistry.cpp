// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/testing/memoryregistry.h"

#include <cstring>

namespace kelvastro {

void MemoryRegistry::setString(const std::string &key, const std::string &name, const std::string &text,
                               std::uint32_t type, bool terminated)
{
    std::vector<unsigned char> data(text.begin(), text.end());
    if (terminated)
        data.push_back(0);
    setRaw(key, name, type, std::move(data));
}

void MemoryRegistry::setDword(const std::string &key, const std::string &name, std::uint32_t value)
{
    std::vector<unsigned char> data(4);
    for (std::size_t i = 0; i < 4; ++i)
        data[i] = static_cast<unsigned char>(value >> (8 * i));
    setRaw(key, name, TypeDword, std::move(data));
}

void MemoryRegistry::setRaw(const std::string &key, const std::string &name, std::uint32_t type,
                            std::vector<unsigned char> data)
{
    m_keys[key][name] = Value{type, std::move(data)};
}

long MemoryRegistry::openKey(std::uint32_t root, const std::string &path, std::uint32_t access, Key &key)
{
    key = 0;
    auto found = m_keys.find(path);
    if (root != LocalMachine || found == m_keys.end())
        return NotFound;
    if (auto limit = m_allowed.find(path); limit != m_allowed.end() && (access & ~limit->second) != 0)
        return AccessDenied;
    key = m_nextHandle++;
    m_open[key] = path;
    opened.push_back(path);
    return Success;
}

long MemoryRegistry::queryValue(Key key, const std::string &name, std::uint32_t &type, unsigned char *data,
                                std::uint32_t &size)
{
    auto handle = m_open.find(key);
    if (handle == m_open.end())
        return 6; // ERROR_INVALID_HANDLE
    const auto &values = m_keys[handle->second];
    auto value = values.find(name);
    if (value == values.end())
        return NotFound;
    type = value->second.type;
    const auto needed = static_cast<std::uint32_t>(value->second.data.size());
    if (needed > size) {
        size = needed;
        return MoreData;
    }
    if (needed > 0)
        std::memcpy(data, value->second.data.data(), needed);
    size = needed;
    return Success;
}

long MemoryRegistry::closeKey(Key key)
{
    return m_open.erase(key) ? Success : 6;
}

std::string MemoryRegistry::expandEnvironment(const std::string &text)
{
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t open = text.find('%', i);
        const std::size_t close = open == std::string::npos ? open : text.find('%', open + 1);
        if (close == std::string::npos) {
            out += text.substr(i);
            break;
        }
        out += text.substr(i, open - i);
        const std::string name = text.substr(open + 1, close - open - 1);
        auto value = m_environment.find(name);
        out += value != m_environment.end() ? value->second : text.substr(open, close - open + 1);
        i = close + 1;
    }
    return out;
}

} // namespace kelvastro
