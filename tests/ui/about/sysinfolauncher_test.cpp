// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/testing/fakeformsservices.h"
#include "platform/testing/fakesystemservices.h"
#include "platform/testing/memoryregistry.h"
#include "ui/about/sysinfolauncher.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

using namespace kelvastro;

namespace {

const std::string kPathKey = R"(SOFTWARE\Microsoft\Shared Tools\MSINFO)";
const std::string kFolderKey = R"(SOFTWARE\Microsoft\Shared Tools Location)";
const std::string kTestKey = "SOFTWARE\\Kelvastro\\Test";
const std::string kMessage = "System Information Is Unavailable At This Time";
const std::string kLongestText(1023, 'x'); // with its closing NUL, exactly the buffer

struct KeyValueCase {
    const char *name;
    void (*setUp)(MemoryRegistry &);
    bool found;
    const char *text;
};

void PrintTo(const KeyValueCase &c, std::ostream *os) { *os << c.name; }

class GetKeyValue : public testing::TestWithParam<KeyValueCase> {};

TEST_P(GetKeyValue, ReadsOneValueAsTextAndClosesWhatItOpened)
{
    const KeyValueCase &c = GetParam();
    MemoryRegistry registry;
    c.setUp(registry);
    std::string keyName = kTestKey;
    std::string valueName = "Value";
    std::string value = "left over";
    EXPECT_EQ(SysInfoLauncher::GetKeyValue(registry, Registry::LocalMachine, keyName, valueName, value), c.found);
    EXPECT_EQ(value, c.text);
    EXPECT_EQ(registry.openHandles(), 0u);
    EXPECT_EQ(keyName, kTestKey);
    EXPECT_EQ(valueName, "Value");
}

INSTANTIATE_TEST_SUITE_P(
    Values, GetKeyValue,
    testing::Values(
        KeyValueCase{"text", [](MemoryRegistry &r) { r.setString(kTestKey, "Value", "C:\\Tools\\info.exe"); }, true,
                     "C:\\Tools\\info.exe"},
        KeyValueCase{"text_without_closing_nul_kept_whole",
                     [](MemoryRegistry &r) { r.setString(kTestKey, "Value", "C:\\abc", Registry::TypeString, false); },
                     true, "C:\\abc"},
        KeyValueCase{"expandable_text_is_expanded",
                     [](MemoryRegistry &r) {
                         r.setEnvironment("SystemRoot", "C:\\Windows");
                         r.setString(kTestKey, "Value", "%SystemRoot%\\info.exe", Registry::TypeExpandString);
                     },
                     true, "C:\\Windows\\info.exe"},
        KeyValueCase{"dword_261", [](MemoryRegistry &r) { r.setDword(kTestKey, "Value", 261); }, true, "261"},
        KeyValueCase{"dword_5", [](MemoryRegistry &r) { r.setDword(kTestKey, "Value", 5); }, true, "5"},
        KeyValueCase{"dword_high_bit_is_unsigned", [](MemoryRegistry &r) { r.setDword(kTestKey, "Value", 0x80000001u); },
                     true, "2147483649"},
        KeyValueCase{"binary_is_not_found",
                     [](MemoryRegistry &r) { r.setRaw(kTestKey, "Value", Registry::TypeBinary, {1, 2, 3}); }, false, ""},
        KeyValueCase{"multi_string_is_not_found",
                     [](MemoryRegistry &r) { r.setRaw(kTestKey, "Value", Registry::TypeMultiString, {'a', 0, 0}); },
                     false, ""},
        KeyValueCase{"empty_value_is_not_found",
                     [](MemoryRegistry &r) { r.setRaw(kTestKey, "Value", Registry::TypeString, {}); }, false, ""},
        KeyValueCase{"value_of_1024_bytes_fits",
                     [](MemoryRegistry &r) { r.setString(kTestKey, "Value", kLongestText); }, true,
                     kLongestText.c_str()},
        KeyValueCase{"value_over_1024_bytes_is_not_found",
                     [](MemoryRegistry &r) { r.setString(kTestKey, "Value", std::string(1024, 'x')); }, false, ""},
        KeyValueCase{"missing_key", [](MemoryRegistry &) {}, false, ""},
        KeyValueCase{"missing_value", [](MemoryRegistry &r) { r.setString(kTestKey, "Other", "x"); }, false, ""},
        KeyValueCase{"key_refusing_write_access_is_still_read",
                     [](MemoryRegistry &r) {
                         r.setString(kTestKey, "Value", "C:\\x.exe");
                         r.restrictAccess(kTestKey, Registry::KeyRead);
                     },
                     true, "C:\\x.exe"},
        KeyValueCase{"key_refusing_reading",
                     [](MemoryRegistry &r) {
                         r.setString(kTestKey, "Value", "C:\\x.exe");
                         r.restrictAccess(kTestKey, 0);
                     },
                     false, ""}),
    [](const auto &row) { return std::string(row.param.name); });

class StartSysInfoRoad : public testing::Test {
protected:
    StartSysInfoRoad() { system.registryToUse = &registry; }
    void start() { SysInfoLauncher(system, forms).StartSysInfo(); }

    MemoryRegistry registry;
    FakeSystemServices system;
    FakeFormsServices forms;
};

TEST_F(StartSysInfoRoad, StartsThePathValueAsFoundWithoutTestingIt)
{
    registry.setString(kPathKey, "PATH", "C:\\Tools\\MSINFO32.EXE");
    system.startablePrograms.insert("C:\\Tools\\MSINFO32.EXE");
    start();
    EXPECT_EQ(system.startAttempts, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
    EXPECT_TRUE(system.fileTests.empty());
    EXPECT_TRUE(forms.messages.empty());
    EXPECT_EQ(registry.openHandles(), 0u);
}

TEST_F(StartSysInfoRoad, FallsBackToTheFolderValueWhenItHoldsTheTool)
{
    registry.setString(kFolderKey, "MSINFO", "C:\\Shared\\MSINFO");
    system.ordinaryFiles.insert(R"(C:\Shared\MSINFO\MSINFO32.EXE)");
    system.startablePrograms.insert(R"(C:\Shared\MSINFO\MSINFO32.EXE)");
    start();
    EXPECT_EQ(system.startAttempts, std::vector<std::string>{R"(C:\Shared\MSINFO\MSINFO32.EXE)"});
    EXPECT_TRUE(forms.messages.empty());
}

TEST_F(StartSysInfoRoad, FolderWithoutTheToolShowsTheMessage)
{
    registry.setString(kFolderKey, "MSINFO", "C:\\Shared\\MSINFO");
    start();
    EXPECT_EQ(system.fileTests, std::vector<std::string>{R"(C:\Shared\MSINFO\MSINFO32.EXE)"});
    EXPECT_TRUE(system.startAttempts.empty());
    EXPECT_EQ(forms.messages, std::vector<std::string>{kMessage});
}

// A path value of an unusable type no longer ends the search: the folder is tried.
TEST_F(StartSysInfoRoad, PathValueOfAnotherTypeFallsThroughToTheFolder)
{
    registry.setRaw(kPathKey, "PATH", Registry::TypeBinary, {1, 2});
    registry.setString(kFolderKey, "MSINFO", "C:\\Shared");
    system.ordinaryFiles.insert("C:\\Shared\\MSINFO32.EXE");
    system.startablePrograms.insert("C:\\Shared\\MSINFO32.EXE");
    start();
    EXPECT_EQ(registry.opened, (std::vector<std::string>{kPathKey, kFolderKey}));
    EXPECT_TRUE(forms.messages.empty());
}

TEST_F(StartSysInfoRoad, EmptyPathValueFallsThroughToTheFolder)
{
    registry.setRaw(kPathKey, "PATH", Registry::TypeString, {});
    registry.setString(kFolderKey, "MSINFO", "C:\\Shared");
    start();
    EXPECT_EQ(registry.opened, (std::vector<std::string>{kPathKey, kFolderKey}));
    EXPECT_EQ(forms.messages, std::vector<std::string>{kMessage});
}

TEST_F(StartSysInfoRoad, PathThatCannotBeStartedShowsTheMessage)
{
    registry.setString(kPathKey, "PATH", "C:\\Gone\\MSINFO32.EXE");
    start();
    EXPECT_EQ(system.startAttempts.size(), 1u);
    EXPECT_EQ(forms.messages, std::vector<std::string>{kMessage});
}

TEST_F(StartSysInfoRoad, NothingInTheRegistryShowsTheMessageOnce)
{
    start();
    EXPECT_TRUE(system.startAttempts.empty());
    EXPECT_EQ(forms.messages, std::vector<std::string>{kMessage});
    EXPECT_EQ(registry.openHandles(), 0u);
}

#ifndef _WIN32
// Where there is no registry (not Windows), the first known tool on the search path.
class ToolOnSearchPath : public testing::Test {
protected:
    ToolOnSearchPath()
        : root(std::filesystem::temp_directory_path()
               / ("kelvastro-path-" + std::to_string(::getpid()) + "-"
                  + ::testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root / "a");
        std::filesystem::create_directories(root / "b");
    }
    ~ToolOnSearchPath() override { std::filesystem::remove_all(root); }

    std::string make(const std::string &folder, const std::string &name, bool executable = true)
    {
        const auto path = root / folder / name;
        std::ofstream(path) << "#!/bin/sh\n";
        std::filesystem::permissions(path, executable ? std::filesystem::perms::owner_all
                                                      : std::filesystem::perms::owner_read);
        return path.string();
    }
    void start()
    {
        system.searchPath = (root / "a").string() + ":" + (root / "b").string();
        SysInfoLauncher(system, forms).StartSysInfo();
    }

    std::filesystem::path root;
    FakeSystemServices system;
    FakeFormsServices forms;
};

TEST_F(ToolOnSearchPath, StartsTheMostPreferredToolFound)
{
    make("a", "gnome-system-monitor");
    const std::string hardinfo = make("b", "hardinfo");
    system.startablePrograms.insert(hardinfo);
    start();
    EXPECT_EQ(system.startAttempts, std::vector<std::string>{hardinfo});
    EXPECT_TRUE(forms.messages.empty());
}

TEST_F(ToolOnSearchPath, SkipsFilesThatAreNotExecutableOrAreFolders)
{
    make("a", "hardinfo", false);
    std::filesystem::create_directories(root / "a" / "kinfocenter");
    const std::string monitor = make("b", "gnome-system-monitor");
    system.startablePrograms.insert(monitor);
    start();
    EXPECT_EQ(system.startAttempts, std::vector<std::string>{monitor});
}

TEST_F(ToolOnSearchPath, NoneFoundShowsTheMessage)
{
    make("a", "unrelated-tool");
    start();
    EXPECT_TRUE(system.startAttempts.empty());
    EXPECT_EQ(forms.messages, std::vector<std::string>{kMessage});
}

#endif

} // namespace
