// SPDX-License-Identifier: GPL-3.0-or-later
// The registry road against the real Windows registry calls: built with a
// Windows cross compiler and run under Wine, which grants every access (the
// refused-access case is covered with the in-memory registry).
#include "platform/system/utf16.h"
#include "platform/system/win32systemservices.h"
#include "platform/testing/fakeformsservices.h"
#include "platform/testing/fakesystemservices.h"
#include "ui/about/sysinfolauncher.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <string>
#include <vector>

using namespace kelvastro;

namespace {

int passed = 0;
int failed = 0;

void check(bool ok, const char *what, int line)
{
    if (ok) {
        ++passed;
    } else {
        ++failed;
        std::printf("FAIL line %d: %s\n", line, what);
    }
}
#define CHECK(cond) check((cond), #cond, __LINE__)

const char *kTestKey = "SOFTWARE\\KelvastroRegistryTest";
const char *kPathKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const char *kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

void setValue(const char *key, const char *name, DWORD type, const void *data, DWORD size)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr)
        != ERROR_SUCCESS) {
        std::printf("cannot create %s\n", key);
        std::exit(2);
    }
    RegSetValueExA(handle, name, 0, type, static_cast<const BYTE *>(data), size);
    RegCloseKey(handle);
}

void setText(const char *key, const char *name, const std::string &text, DWORD type = REG_SZ)
{
    setValue(key, name, type, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void setDword(const char *name, DWORD value)
{
    setValue(kTestKey, name, REG_DWORD, &value, sizeof value);
}

struct Read {
    bool found;
    std::string text;
};

Read read(const char *key, const char *name)
{
    Win32Registry registry;
    Read r{false, "left over"};
    r.found = SysInfoLauncher::GetKeyValue(registry, Registry::LocalMachine, key, name, r.text);
    return r;
}

void valuesOfEveryKind()
{
    setText(kTestKey, "Text", "C:\\Tools\\info.exe");
    setText(kTestKey, "Expandable", "%SystemRoot%\\info.exe", REG_EXPAND_SZ);
    setDword("Dword261", 261);
    setDword("Dword5", 5);
    setDword("DwordHighBit", 0x80000001u);
    const unsigned char bytes[] = {1, 2, 3};
    setValue(kTestKey, "Binary", REG_BINARY, bytes, sizeof bytes);
    setValue(kTestKey, "Empty", REG_SZ, "", 0);
    setText(kTestKey, "Longest", std::string(1023, 'x'));
    setText(kTestKey, "TooLong", std::string(1500, 'y'));

    Read r = read(kTestKey, "Text");
    CHECK(r.found && r.text == "C:\\Tools\\info.exe");

    char systemRoot[MAX_PATH] = {};
    GetEnvironmentVariableA("SystemRoot", systemRoot, MAX_PATH);
    r = read(kTestKey, "Expandable");
    CHECK(r.found && r.text == std::string(systemRoot) + "\\info.exe" && systemRoot[0] != '\0');

    r = read(kTestKey, "Dword261");
    CHECK(r.found && r.text == "261");
    r = read(kTestKey, "Dword5");
    CHECK(r.found && r.text == "5");
    r = read(kTestKey, "DwordHighBit");
    CHECK(r.found && r.text == "2147483649");

    r = read(kTestKey, "Binary");
    CHECK(!r.found && r.text.empty());
    r = read(kTestKey, "Empty");
    CHECK(!r.found && r.text.empty());
    r = read(kTestKey, "Longest");
    CHECK(r.found && r.text == std::string(1023, 'x'));
    r = read(kTestKey, "TooLong");
    CHECK(!r.found && r.text.empty());
    r = read(kTestKey, "Missing");
    CHECK(!r.found && r.text.empty());
    r = read("SOFTWARE\\KelvastroNoSuchKey", "Text");
    CHECK(!r.found && r.text.empty());
}

void setWideText(const wchar_t *key, const wchar_t *name, const std::wstring &text)
{
    HKEY handle = nullptr;
    if (RegCreateKeyExW(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle, nullptr)
        != ERROR_SUCCESS) {
        std::printf("cannot create a key with a wide name\n");
        std::exit(2);
    }
    RegSetValueExW(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE *>(text.c_str()),
                   static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
}

// Paths outside any 8-bit code page come through whole, as UTF-8, in key
// names and in values; the 1024-byte limit counts UTF-8 bytes.
void textBeyondTheCodePage()
{
    setWideText(L"SOFTWARE\\KelvastroRegistryTest\\Pr\u00FCfung", L"Pfad",
                L"C:\\Werkzeuge\\\u00DCbersicht \u0633\u06CC\u0633\u062A\u0645\\MSINFO32.EXE");
    Read r = read("SOFTWARE\\KelvastroRegistryTest\\Pr\xC3\xBC" "fung", "Pfad");
    CHECK(r.found && r.text == "C:\\Werkzeuge\\\xC3\x9C" "bersicht \xD8\xB3\xDB\x8C\xD8\xB3\xD8\xAA\xD9\x85\\MSINFO32.EXE");

    setWideText(L"SOFTWARE\\KelvastroRegistryTest", L"FitsInUtf8", std::wstring(511, L'\u00E9'));
    r = read(kTestKey, "FitsInUtf8");
    CHECK(r.found && r.text.size() == 1022);
    setWideText(L"SOFTWARE\\KelvastroRegistryTest", L"TooLongInUtf8", std::wstring(600, L'\u00E9'));
    r = read(kTestKey, "TooLongInUtf8");
    CHECK(!r.found && r.text.empty());
}

// The road against the real registry; the files and the start are recorded.
struct Road {
    FakeSystemServices system;
    FakeFormsServices forms;
    Win32Registry registry;

    std::vector<std::string> start()
    {
        system.registryToUse = &registry;
        SysInfoLauncher(system, forms).StartSysInfo();
        return system.startAttempts;
    }
};

void roadToTheTool()
{
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kPathKey);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kFolderKey);
    {
        Road road;
        CHECK(road.start().empty());
        CHECK(road.forms.messages == std::vector<std::string>{SysInfoLauncher::UnavailableMessage});
    }

    setText(kFolderKey, "MSINFO", "C:\\Shared\\MSINFO");
    {
        Road road;
        road.system.ordinaryFiles.insert("C:\\Shared\\MSINFO\\MSINFO32.EXE");
        road.system.startablePrograms.insert("C:\\Shared\\MSINFO\\MSINFO32.EXE");
        CHECK(road.start() == std::vector<std::string>{"C:\\Shared\\MSINFO\\MSINFO32.EXE"});
        CHECK(road.forms.messages.empty());
    }
    {
        Road road; // the folder lacks the tool
        CHECK(road.start().empty());
        CHECK(road.forms.messages.size() == 1);
    }

    setText(kPathKey, "PATH", "C:\\Tools\\MSINFO32.EXE");
    {
        Road road;
        road.system.startablePrograms.insert("C:\\Tools\\MSINFO32.EXE");
        CHECK(road.start() == std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
        CHECK(road.system.fileTests.empty());
        CHECK(road.forms.messages.empty());
    }
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kPathKey);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kFolderKey);
}

// The file test and the program start of the real system.
void systemServices()
{
    Win32SystemServices system;
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring plain = std::wstring(folder) + L"kelvastro-plain-\u00E9.txt";
    const std::wstring hidden = std::wstring(folder) + L"kelvastro-hidden.txt";
    for (const std::wstring *path : {&plain, &hidden}) {
        HANDLE file = CreateFileW(path->c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        CHECK(file != INVALID_HANDLE_VALUE);
        CloseHandle(file);
    }
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    CHECK(system.isOrdinaryFile(fromWide(plain.data(), plain.size())));
    CHECK(!system.isOrdinaryFile(fromWide(hidden.data(), hidden.size())));
    CHECK(!system.isOrdinaryFile(fromWide(folder, wcslen(folder))));
    CHECK(!system.isOrdinaryFile("C:\\no\\such\\file.exe"));
    SetFileAttributesW(hidden.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(plain.c_str());
    DeleteFileW(hidden.c_str());

    wchar_t systemFolder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(systemFolder, MAX_PATH);
    CHECK(system.startProgram(fromWide(systemFolder, length) + "\\hostname.exe"));
    CHECK(!system.startProgram("C:\\no\\such\\program.exe"));
    CHECK(!system.startProgram(""));
    CHECK(!system.executableSearchPath().empty());
    CHECK(system.registry() != nullptr);
}

} // namespace

int main()
{
    valuesOfEveryKind();
    textBeyondTheCodePage();
    roadToTheTool();
    systemServices();
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kTestKey);
    HKEY gone = nullptr;
    CHECK(RegOpenKeyExA(HKEY_LOCAL_MACHINE, kTestKey, 0, KEY_READ, &gone) != ERROR_SUCCESS);
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
