// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/executablesearch.h"

#include <filesystem>
#include <system_error>

namespace kelvastro {

namespace {

#ifdef _WIN32
constexpr char kListSeparator = ';';
#else
constexpr char kListSeparator = ':';
#endif

bool isExecutableFile(const std::filesystem::path &path)
{
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || !std::filesystem::is_regular_file(status))
        return false;
    using std::filesystem::perms;
    return (status.permissions() & (perms::owner_exec | perms::group_exec | perms::others_exec)) != perms::none;
}

} // namespace

std::optional<std::string> findExecutable(const std::vector<std::string> &names, std::string_view searchPath)
{
    for (const auto &name : names) {
        std::size_t begin = 0;
        while (begin <= searchPath.size()) {
            std::size_t end = searchPath.find(kListSeparator, begin);
            if (end == std::string_view::npos)
                end = searchPath.size();
            const std::string_view folder = searchPath.substr(begin, end - begin);
            // An empty entry would mean the working folder: never a place to start programs from.
            if (!folder.empty()) {
                const std::filesystem::path candidate = std::filesystem::path(folder) / name;
                if (isExecutableFile(candidate))
                    return candidate.string();
            }
            begin = end + 1;
        }
    }
    return std::nullopt;
}

} // namespace kelvastro
