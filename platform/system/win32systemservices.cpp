// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/win32systemservices.h"

#include "platform/system/utf16.h"

#include <windows.h>

#include <vector>

namespace kelvastro {

bool Win32SystemServices::startProgram(const std::string &path)
{
    if (path.empty())
        return false;
    // Quoted, so that a path with blanks is one program and not a program with arguments.
    std::wstring commandLine = L"\"" + wide(path) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    const std::wstring program = wide(path);
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

bool Win32SystemServices::isOrdinaryFile(const std::string &path)
{
    const DWORD attributes = GetFileAttributesW(wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    return (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0;
}

std::string Win32SystemServices::executableSearchPath()
{
    const DWORD needed = GetEnvironmentVariableW(L"PATH", nullptr, 0);
    if (needed == 0)
        return {};
    std::vector<wchar_t> buffer(needed);
    const DWORD length = GetEnvironmentVariableW(L"PATH", buffer.data(), needed);
    return fromWide(buffer.data(), length);
}

} // namespace kelvastro
