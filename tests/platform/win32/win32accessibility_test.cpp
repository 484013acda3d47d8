// SPDX-License-Identifier: GPL-3.0-or-later
// What a Windows screen reader gets from the real windows, read from another
// process by msaa_probe: the focus events of a Tab, the live region's
// messages, the names of the fields, and the two dialogs with their text.
#include "platform/system/utf16.h"
#include "app/appinfo.h"
#include "platform/testing/fakesystemservices.h"
#include "platform/win32/win32formsservices.h"
#include "tests/platform/win32/win32testloop.h"
#include "ui/calculator/kelvastro.h"
#include "ui/calculator/kelvastrodefinition.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

using namespace kelvastro;
using namespace kelvastro::calculator;

namespace {

using Lines = std::vector<std::vector<std::string>>; // each line's tab-separated fields

std::wstring besideThisProgram(const wchar_t *name)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder + name;
}

class Accessibility : public testing::Test {
protected:
    void SetUp() override
    {
        forms.show(window);
        pump();
    }
    void pump(int rounds = 3) { pumpThrough(forms, rounds, 5); }
    // Keeps answering the probe's questions, which come in as messages, until `handle` is signalled.
    void waitPumping(HANDLE handle, DWORD ms = 20000)
    {
        const DWORD until = GetTickCount() + ms;
        while (GetTickCount() < until) {
            const DWORD woke = MsgWaitForMultipleObjects(1, &handle, FALSE, 100, QS_ALLINPUT);
            if (woke == WAIT_OBJECT_0)
                return;
            pump(1);
        }
        ADD_FAILURE() << "the probe did not answer";
    }
    HANDLE startProbe(const std::wstring &arguments)
    {
        std::wstring command = L"\"" + besideThisProgram(L"msaa_probe.exe") + L"\" " + arguments;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return nullptr;
        CloseHandle(process.hThread);
        return process.hProcess;
    }
    static Lines readLog(const std::wstring &path)
    {
        std::ifstream in(path.c_str(), std::ios::binary);
        std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (all.rfind("\xEF\xBB\xBF", 0) == 0)
            all.erase(0, 3);
        Lines lines;
        std::istringstream rows(all);
        for (std::string row; std::getline(rows, row);) {
            if (!row.empty() && row.back() == '\r')
                row.pop_back();
            std::vector<std::string> fields;
            std::istringstream cells(row);
            for (std::string cell; std::getline(cells, cell, '\t');)
                fields.push_back(cell);
            lines.push_back(fields);
        }
        return lines;
    }
    std::wstring logFile(const wchar_t *name) const
    {
        wchar_t folder[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, folder);
        return std::wstring(folder) + name + std::to_wstring(GetCurrentProcessId()) + L".log";
    }
    // The events a screen reader hears while `act` runs.
    Lines listen(const std::function<void()> &act)
    {
        const std::wstring log = logFile(L"kelvastro-events-");
        const std::wstring suffix = std::to_wstring(GetCurrentProcessId());
        const std::wstring readyName = L"kelvastro-probe-ready-" + suffix, stopName = L"kelvastro-probe-stop-" + suffix;
        const HANDLE ready = CreateEventW(nullptr, TRUE, FALSE, readyName.c_str());
        const HANDLE stop = CreateEventW(nullptr, TRUE, FALSE, stopName.c_str());
        const HANDLE probe = startProbe(L"listen \"" + log + L"\" " + readyName + L" " + stopName);
        EXPECT_NE(probe, nullptr);
        if (probe)
            waitPumping(ready);
        act();
        // Out-of-context events reach the probe a moment later; its questions come back here.
        for (int i = 0; i < 30; ++i)
            pump(1), Sleep(20);
        SetEvent(stop);
        if (probe) {
            waitPumping(probe);
            CloseHandle(probe);
        }
        CloseHandle(ready);
        CloseHandle(stop);
        Lines lines = readLog(log);
        DeleteFileW(log.c_str());
        return lines;
    }
    Lines tree(HWND hwnd)
    {
        const std::wstring log = logFile(L"kelvastro-tree-");
        std::wstringstream arguments;
        arguments << L"tree " << std::hex << reinterpret_cast<INT_PTR>(hwnd) << L" \"" << log << L"\"";
        const HANDLE probe = startProbe(arguments.str());
        EXPECT_NE(probe, nullptr);
        if (probe) {
            waitPumping(probe);
            CloseHandle(probe);
        }
        Lines lines = readLog(log);
        DeleteFileW(log.c_str());
        return lines;
    }
    void typeInto(ControlId id, const wchar_t *text)
    {
        view().host().setFocus(id, FocusCause::Click);
        pump();
        for (const wchar_t *c = text; *c; ++c) {
            PostMessageW(view().control(id), WM_CHAR, *c, 1);
            pump();
        }
    }
    void key(UINT vk)
    {
        PostMessageW(GetFocus(), WM_KEYDOWN, vk, 1);
        PostMessageW(GetFocus(), WM_KEYUP, vk, 0xC0000001);
        pump();
    }
    Win32FormView &view() { return forms.rendered(window); }

    Win32FormsServices forms{kApplication};
    FakeSystemServices system;
    Kelvastro window{forms, system, NumberLocale{".", ",", 3, 3}};
};

// What the probe saw, into the test's output: the MSAA tree or the event log.
void print(const Lines &lines)
{
    for (const auto &line : lines) {
        std::string shown;
        for (const auto &field : line)
            shown += (shown.empty() ? "" : " | ") + field;
        std::printf("    %s\n", shown.c_str());
    }
}

std::vector<std::string> of(const Lines &lines, const char *event, std::size_t field)
{
    std::vector<std::string> out;
    for (const auto &line : lines)
        if (line.size() > field && line[0] == event)
            out.push_back(line[field]);
    return out;
}

// Tab from Quantity lands in Selling Price: one focus event, never one for
// Total buying Price, which only passes it on.
TEST_F(Accessibility, ATabPastTheTotalRaisesOneFocusEvent)
{
    typeInto(Text1, L"10");
    typeInto(Text2, L"5");
    const Lines events = listen([&] { key(VK_TAB); });
    print(events);
    const auto focused = of(events, "focus", 2);
    ASSERT_FALSE(focused.empty());
    EXPECT_EQ(focused, (std::vector<std::string>{"Selling Price"}));
}

// A failure and the rate's state are live-region changes with the new
// message, each once, wherever the focus is.
TEST_F(Accessibility, NewMessagesAreLiveRegionChangesOnce)
{
    typeInto(Text1, L"10");
    const Lines events = listen([&] {
        typeInto(Text2, L"abc");
        key(VK_ESCAPE);
    });
    print(events);
    EXPECT_EQ(of(events, "live", 3),
              (std::vector<std::string>{"Cannot work out Total buying Price including Brokerage: Quantity is not a number.",
                                        "Brokerage rate open for editing"}));
    for (const auto &line : events) {
        if (line[0] == "live") {
            EXPECT_EQ(line[1], "msctls_statusbar32");
        }
    }
}

// Every field is named by its caption, the rate and the change in price
// too, with no text object of their names beside them.
TEST_F(Accessibility, EveryFieldIsNamedAndNothingElseSaysItsName)
{
    const Lines objects = tree(view().window());
    print(objects);
    std::vector<std::string> names;
    for (const auto &line : objects)
        if (line.size() > 2)
            names.push_back(line[2]);
    for (const char *field : {"Buying Price", "Quantity", "Brokerage %", "Req.Bank Balace", "Selling Price",
                              "Profit / Loss", "Change in Price %"}) {
        const auto count = std::count(names.begin(), names.end(), field);
        // A labelled field shares its name with its label; the two without one stand alone.
        const bool labelled = std::string(field) != "Brokerage %" && std::string(field) != "Change in Price %";
        EXPECT_EQ(count, labelled ? 2 : 1) << field;
    }
}

struct DialogRow {
    ControlId item;
    const char *name;
    std::vector<const char *> said; // in its description
};

class Dialogs : public Accessibility, public testing::WithParamInterface<DialogRow> {};

TEST_P(Dialogs, AreDialogsThatSayTheirText)
{
    const DialogRow &row = GetParam();
    Lines objects;
    runInTheNextLoop(
        [&] {
            const HWND dialog = GetActiveWindow();
            objects = tree(dialog);
            PostMessageW(dialog, WM_CLOSE, 0, 0);
        },
        50);
    SendMessageW(view().window(), WM_COMMAND, MAKEWPARAM(Win32FormView::kIdBase + row.item, 0), 0);
    pump();
    print(objects);
    ASSERT_FALSE(objects.empty());
    const auto &self = objects.front();
    ASSERT_GE(self.size(), 5u);
    EXPECT_EQ(self[1], "dialog");
    EXPECT_EQ(self[2], row.name);
    for (const char *words : row.said)
        EXPECT_NE(self[4].find(words), std::string::npos) << words << " in " << self[4];
}

INSTANTIATE_TEST_SUITE_P(
    Windows, Dialogs,
    testing::Values(DialogRow{help, "Tips", {"Licensed to", "Kelvastro v 1.0", "Please follow the tips", "kelvastro.test"}},
                    DialogRow{aboutkelvastro, "About Kelvastro", {"Kelvastro.", "Version 1.0.0", "Happy Trading"}}));

} // namespace
