// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/system/executablesearch.h"
#include "platform/system/posixsystemservices.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include <unistd.h>

using namespace kelvastro;

namespace {

class PosixSystem : public testing::Test {
protected:
    PosixSystem()
        : root(std::filesystem::temp_directory_path()
               / ("kelvastro-system-" + std::to_string(::getpid()) + "-"
                  + ::testing::UnitTest::GetInstance()->current_test_info()->name()))
    {
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
    }
    ~PosixSystem() override { std::filesystem::remove_all(root); }

    std::string make(const std::string &name, const std::string &content, bool executable)
    {
        const auto path = root / name;
        std::ofstream(path) << content;
        std::filesystem::permissions(path, executable ? std::filesystem::perms::owner_all
                                                      : std::filesystem::perms::owner_read
                                                            | std::filesystem::perms::owner_write);
        return path.string();
    }

    std::filesystem::path root;
    PosixSystemServices system;
};

// An empty entry in PATH means the working folder to a shell; a program
// started from here must never come from wherever the user happens to be.
TEST_F(PosixSystem, SearchFindsProgramsOnThePathButNeverInTheWorkingFolder)
{
    make("kelvastro-probe-tool", "#!/bin/sh\n", true);
    make("kelvastro-plain-file", "", false);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(root);
    for (std::string_view path : {"", ":", "/nowhere:", ":/nowhere", "/nowhere::/elsewhere"})
        EXPECT_FALSE(findExecutable({"kelvastro-probe-tool"}, path)) << '"' << path << '"';
    EXPECT_EQ(findExecutable({"missing", "kelvastro-probe-tool"}, "/nowhere:" + root.string()),
              (root / "kelvastro-probe-tool").string());
    EXPECT_EQ(findExecutable({"kelvastro-probe-tool"}, root.string() + "/"), (root / "kelvastro-probe-tool").string());
    EXPECT_FALSE(findExecutable({"kelvastro-plain-file"}, root.string())) << "not executable";
    std::filesystem::current_path(previous);
}

TEST_F(PosixSystem, OrdinaryFileIsNeitherFolderNorHiddenNorMissing)
{
    EXPECT_TRUE(system.isOrdinaryFile(make("tool", "x", false)));
    EXPECT_FALSE(system.isOrdinaryFile(make(".hidden", "x", false)));
    EXPECT_FALSE(system.isOrdinaryFile(root.string()));
    EXPECT_FALSE(system.isOrdinaryFile((root / "absent").string()));
    EXPECT_FALSE(system.isOrdinaryFile(""));
}

// The program runs on its own and the call returns at once, without waiting for it.
TEST_F(PosixSystem, StartsAProgramWithoutWaitingForIt)
{
    const auto mark = root / "started";
    const std::string tool = make("tool", "#!/bin/sh\nsleep 1\ntouch '" + mark.string() + "'\n", true);
    const auto before = std::chrono::steady_clock::now();
    EXPECT_TRUE(system.startProgram(tool));
    EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::milliseconds(900));
    for (int i = 0; i < 100 && !std::filesystem::exists(mark); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_TRUE(std::filesystem::exists(mark));
}

TEST_F(PosixSystem, APathThatCannotBeStartedFails)
{
    EXPECT_FALSE(system.startProgram(""));
    EXPECT_FALSE(system.startProgram((root / "absent").string()));
    EXPECT_FALSE(system.startProgram(make("data", "not a program", false)));
    EXPECT_FALSE(system.startProgram(root.string()));
}

} // namespace
