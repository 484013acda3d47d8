// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/executablesearch.h"

#ifdef _WIN32
#include "platform/system/utf16.h"

#include <windows.h>
#else
#include <sys/stat.h>
#endif

namespace kelvastro {

namespace {

// Plain system calls rather than std::filesystem, whose runtime would be most
// of the size of the Windows program.
#ifdef _WIN32
constexpr char kListSeparator = ';';
constexpr char kFolderSeparator = '\\';

bool endsInSeparator(const std::string &folder)
{
    return folder.back() == '\\' || folder.back() == '/';
}

bool isExecutableFile(const std::string &path)
{
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
#else
constexpr char kListSeparator = ':';
constexpr char kFolderSeparator = '/';

bool endsInSeparator(const std::string &folder)
{
    return folder.back() == '/';
}

bool isExecutableFile(const std::string &path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)
           && (status.st_mode & (S_IXUSR | S_IXGRP | S_IXOTH)) != 0;
}
#endif

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
                std::string candidate(folder);
                if (!endsInSeparator(candidate))
                    candidate += kFolderSeparator;
                candidate += name;
                if (isExecutableFile(candidate))
                    return candidate;
            }
            begin = end + 1;
        }
    }
    return std::nullopt;
}

} // namespace kelvastro
