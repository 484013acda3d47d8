// SPDX-License-Identifier: GPL-3.0-or-later
// The real Win32 windows, run under Wine in CI: characters go in as WM_CHAR
// to the real EDIT controls, keys and clicks through the message loop, and
// what the controls show is read back from them.
#include "app/appinfo.h"
#include "platform/forms/pixels.h"
#include "platform/system/utf16.h"
#include "platform/system/win32systemservices.h"
#include "platform/win32/win32design.h"
#include "platform/win32/win32formsservices.h"
#include "ui/about/frmaboutdefinition.h"
#include "ui/about/sysinfolauncher.h"
#include "ui/calculator/kelvastro.h"
#include "ui/calculator/kelvastrodefinition.h"
#include "tests/platform/win32/win32testloop.h"
#include "ui/tips/frmsplashdefinition.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <map>

using namespace kelvastro;
using namespace kelvastro::calculator;

namespace {

const NumberLocale kUs{".", ",", 3, 3};

struct Box {
    std::string text;
    std::string title;
    HWND owner = nullptr;
};

// The real front end with the message box recorded and closed at once; one
// test below lets the system's own box open and closes it by its OK button.
class RecordingServices final : public Win32FormsServices {
public:
    RecordingServices() : Win32FormsServices(kApplication) {}
    bool realBoxes = false;
    std::vector<Box> boxes;

protected:
    void messageBox(std::string_view text) override
    {
        if (realBoxes) {
            Win32FormsServices::messageBox(text);
            return;
        }
        boxes.push_back({std::string(text), "Kelvastro", GetActiveWindow()});
    }
};

class Win32Window : public testing::Test {
protected:
    void SetUp() override
    {
        window = std::make_unique<Kelvastro>(forms, system, kUs);
        forms.show(*window);
        pump();
    }
    void TearDown() override
    {
        window.reset();
        pump();
    }

    Win32FormView &view() { return forms.rendered(*window); }
    HWND main() { return view().window(); }
    HWND control(ControlId id) { return view().control(id); }
    std::string text(ControlId id) { return windowText(control(id)); }
    ControlId focus() { return view().host().focus(); }

    void pump() { pumpThrough(forms, 1, 0); }
    void type(std::wstring_view characters)
    {
        for (wchar_t c : characters) {
            PostMessageW(GetFocus(), WM_CHAR, c, 1);
            pump();
        }
    }
    // A key with Shift held or not, as the keyboard would send it to the focused control.
    void key(UINT vk, bool shift = false)
    {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(state);
        const HWND target = GetFocus() ? GetFocus() : GetActiveWindow();
        PostMessageW(target, WM_KEYDOWN, vk, 1);
        PostMessageW(target, WM_KEYUP, vk, 0xC0000001);
        pump();
        state[VK_SHIFT] = 0;
        SetKeyboardState(state);
    }
    void click(HWND hwnd)
    {
        PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        PostMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
        pump();
    }
    void fill(ControlId id, std::wstring_view characters)
    {
        click(control(id));
        SendMessageW(control(id), EM_SETSEL, 0, -1);
        type(characters);
    }
    void command(ControlId menuItem)
    {
        SendMessageW(main(), WM_COMMAND, MAKEWPARAM(Win32FormView::kIdBase + menuItem, 0), 0);
        pump();
    }
    // `action` runs once the next modal window is open; the window is closed
    // after `deadline` if it has not closed by then.
    void whileModal(std::function<void()> action)
    {
        runInTheNextLoop(std::move(action), 10);
    }
    std::array<std::string, 5> results()
    {
        return {text(Text3), text(Text4), text(Text6), text(Text7), text(Text9)};
    }
    // The background a control asks its parent for, as it paints.
    COLORREF background(ControlId id)
    {
        const HWND hwnd = control(id);
        const bool readOnly = (GetWindowLongPtrW(hwnd, GWL_STYLE) & ES_READONLY) != 0;
        const HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(GetParent(hwnd), readOnly ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(hwnd));
        const COLORREF color = GetBkColor(dc);
        DeleteDC(dc);
        return color;
    }

    RecordingServices forms;
    Win32SystemServices system;
    std::unique_ptr<Kelvastro> window;
};

// At 96 DPI, 15 twips to the pixel; the client area holds the table and the status bar.
TEST_F(Win32Window, PlacesControlsToThePixelTheTableGives)
{
    if (win32::dpiOf(main()) != USER_DEFAULT_SCREEN_DPI)
        GTEST_SKIP() << "the pixels below are at 96 DPI";
    const std::pair<ControlId, RECT> expected[] = {
        {Label1, {24, 24, 153, 49}},    {Text1, {280, 16, 409, 49}},  {Command2, {152, 128, 233, 177}},
        {Text8, {232, 136, 273, 169}}, {Text9, {280, 448, 369, 481}}, {Label9, {376, 448, 409, 481}},
    };
    for (const auto &[id, at] : expected) {
        RECT r{};
        GetWindowRect(control(id), &r);
        MapWindowPoints(nullptr, view().surface(), reinterpret_cast<POINT *>(&r), 2);
        EXPECT_TRUE(EqualRect(&r, &at)) << definition().control(id).name << ": " << r.left << "," << r.top << " "
                                        << r.right << "," << r.bottom;
    }
    RECT client{}, bar{};
    GetClientRect(main(), &client);
    GetWindowRect(view().statusBar(), &bar);
    EXPECT_EQ(client.right, 448);
    EXPECT_EQ(client.bottom, 505 + (bar.bottom - bar.top));
    wchar_t className[64] = {};
    GetClassNameW(view().statusBar(), className, 64);
    EXPECT_STREQ(className, STATUSCLASSNAMEW);
}

// Screen readers name a field by the static control created just before it.
TEST_F(Win32Window, EveryLabelledFieldComesRightAfterTheStaticThatNamesIt)
{
    for (ControlId box : {Text1, Text2, Text3, Text4, Text5, Text6, Text7}) {
        const HWND before = GetWindow(control(box), GW_HWNDPREV);
        ASSERT_NE(before, nullptr);
        wchar_t className[32] = {};
        GetClassNameW(before, className, 32);
        EXPECT_STREQ(className, L"Static") << box;
        EXPECT_EQ(windowText(before), std::string(spokenName(definition(), box))) << box;
    }
}

TEST_F(Win32Window, FontsComeFromTheTableAtTheWindowsDpi)
{
    const UINT dpi = win32::dpiOf(main());
    struct Row {
        ControlId id;
        const wchar_t *family;
        double points;
        bool bold;
    };
    for (const Row &row : {Row{Label1, L"Book Antiqua", 12, false}, Row{Text1, L"Microsoft Sans Serif", 8.25, true},
                           Row{Command2, L"Arial", 9, true}, Row{Text9, L"Microsoft Sans Serif", 12, true}}) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control(row.id), WM_GETFONT, 0, 0)), sizeof font, &font);
        EXPECT_STREQ(font.lfFaceName, row.family) << row.id;
        EXPECT_EQ(font.lfHeight, -static_cast<LONG>(row.points * dpi / 72.0 + 0.5)) << row.id;
        EXPECT_EQ(font.lfWeight, row.bold ? FW_BOLD : FW_NORMAL) << row.id;
    }
}

TEST_F(Win32Window, TheSystemsOwnBoxCarriesTheTitleAndClosesByOk)
{
    forms.realBoxes = true;
    std::string title, message;
    bool ownerDisabled = false;
    // The box runs its own loop; the timer looks for it from inside that loop.
    whileModal([&] {
        const HWND box = visibleBoxOfThisThread();
        if (!box)
            return;
        title = windowText(box);
        message = windowText(GetDlgItem(box, 0xFFFF));
        ownerDisabled = !IsWindowEnabled(main());
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    fill(Text1, L"0");
    key(VK_TAB);
    EXPECT_EQ(title, "Kelvastro");
    EXPECT_EQ(message, "Buying Price should not be zero");
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(IsWindowEnabled(main()));
    EXPECT_EQ(focus(), Text1);
}

TEST_F(Win32Window, MenuBarHoldsTheDropDownAndExit)
{
    const HMENU bar = GetMenu(main());
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    wchar_t caption[64] = {};
    GetMenuStringW(bar, 0, caption, 64, MF_BYPOSITION);
    EXPECT_STREQ(caption, L"About");
    GetMenuStringW(bar, 1, caption, 64, MF_BYPOSITION);
    EXPECT_STREQ(caption, L"Exit");
    const HMENU dropDown = GetSubMenu(bar, 0);
    ASSERT_NE(dropDown, nullptr);
    EXPECT_EQ(GetMenuItemCount(dropDown), 2);
    GetMenuStringW(dropDown, 0, caption, 64, MF_BYPOSITION);
    EXPECT_STREQ(caption, L"About Kelvastro ");
    EXPECT_EQ(view().menuItemOwner(help), dropDown);
    EXPECT_EQ(view().menuItemOwner(Exit), bar);
    command(Exit);
    EXPECT_TRUE(forms.ended());
}

TEST_F(Win32Window, CopyCommandPutsTheTradeOnTheClipboard)
{
    fill(Text1, L"10");
    fill(Text2, L"5");
    BYTE state[256] = {};
    GetKeyboardState(state);
    state[VK_CONTROL] = state[VK_SHIFT] = 0x80;
    SetKeyboardState(state);
    PostMessageW(GetFocus(), WM_KEYDOWN, 'C', 1);
    pump();
    state[VK_CONTROL] = state[VK_SHIFT] = 0;
    SetKeyboardState(state);
    ASSERT_TRUE(OpenClipboard(main()));
    const HANDLE data = GetClipboardData(CF_UNICODETEXT);
    std::string copied;
    if (data) {
        const auto *w = static_cast<const wchar_t *>(GlobalLock(data));
        copied = fromWide(w, wcslen(w));
        GlobalUnlock(data);
    }
    CloseClipboard();
    // Windows text: every line ends in CR LF, and no lone LF is left.
    EXPECT_EQ(copied.substr(0, 20), "Buying Price\t10\r\nQua");
    EXPECT_NE(copied.find("Total buying Price including Brokerage\t50.15\r\n"), std::string::npos);
    std::size_t lineFeeds = 0, lineEnds = 0;
    for (std::size_t i = 0; i < copied.size(); ++i)
        if (copied[i] == '\n')
            ++lineFeeds, lineEnds += i > 0 && copied[i - 1] == '\r';
    EXPECT_EQ(lineFeeds, lineEnds);
    EXPECT_GE(lineEnds, 9u);
}

// The About window against Wine's real registry: the test writes the values
// the search reads into its own throwaway prefix, and removes them after.
class AboutWindow : public Win32Window {
protected:
    static constexpr const wchar_t *kPathKey = L"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
    void setToolPath(const wchar_t *path)
    {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kPathKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, L"PATH", 0, REG_SZ, reinterpret_cast<const BYTE *>(path),
                       static_cast<DWORD>((wcslen(path) + 1) * sizeof(wchar_t)));
        RegCloseKey(key);
    }
    void TearDown() override
    {
        RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kPathKey, L"PATH");
        Win32Window::TearDown();
    }
    // Opens About, presses `button` in it, and returns what it showed.
    struct Seen {
        std::string caption, title, version;
        bool mainDisabled = false;
        bool closed = false;
    };
    Seen pressInAbout(ControlId button)
    {
        Seen seen;
        whileModal([&] {
            Win32FormView *about = forms.findView("frmAbout");
            if (!about)
                return;
            seen.caption = windowText(about->window());
            seen.title = windowText(about->control(about::lblTitle));
            seen.version = windowText(about->control(about::lblVersion));
            seen.mainDisabled = !IsWindowEnabled(main());
            click(about->control(button));
            seen.closed = !IsWindowVisible(about->window());
            if (!seen.closed)
                click(about->control(about::cmdOK));
        });
        command(aboutkelvastro);
        return seen;
    }
};

TEST_F(AboutWindow, SystemInfoStartsTheToolTheRegistryNames)
{
    wchar_t folder[MAX_PATH] = {};
    GetSystemDirectoryW(folder, MAX_PATH);
    setToolPath((std::wstring(folder) + L"\\hostname.exe").c_str());
    const Seen seen = pressInAbout(about::cmdSysInfo);
    EXPECT_FALSE(seen.closed) << "the About window stays open";
    EXPECT_TRUE(forms.boxes.empty()) << (forms.boxes.empty() ? "" : forms.boxes[0].text);
}

// The design gives the window and its labels one colour, the selection
// highlight: on screen, an empty point of the window and each label's box
// away from its text show the same one.
TEST_F(AboutWindow, SurfaceAndLabelsShowOneColour)
{
    std::map<std::string, COLORREF> seen;
    whileModal([&] {
        Win32FormView *about = forms.findView("frmAbout");
        if (!about)
            return;
        const HWND shown = about->window();
        RedrawWindow(shown, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        RECT client{};
        GetClientRect(shown, &client);
        const HDC screen = GetDC(shown);
        const HDC memory = CreateCompatibleDC(screen);
        const HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
        const HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
        const int dpi = static_cast<int>(win32::dpiOf(shown));
        // Left of every label and above the double rule.
        seen["the window"] = GetPixel(memory, MulDiv(3, dpi, 96), MulDiv(100, dpi, 96));
        for (ControlId label : {about::lblTitle, about::lblVersion, about::lblDescription, about::lblDisclaimer}) {
            RECT box{};
            GetWindowRect(about->control(label), &box);
            MapWindowPoints(nullptr, shown, reinterpret_cast<POINT *>(&box), 2);
            std::map<COLORREF, int> counts;
            for (int y = box.top; y < box.bottom; ++y)
                for (int x = box.left; x < box.right; ++x)
                    ++counts[GetPixel(memory, x, y)];
            seen[std::string(about::definition().control(label).name)] =
                std::max_element(counts.begin(), counts.end(), [](const auto &a, const auto &b) {
                    return a.second < b.second;
                })->first;
        }
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(shown, screen);
        click(about->control(about::cmdOK));
    });
    command(aboutkelvastro);
    ASSERT_EQ(seen.size(), 5u);
    std::printf("About's surface: %06x\n", static_cast<unsigned>(rgbOfBgr(seen["the window"])));
    for (const auto &[part, colour] : seen)
        EXPECT_EQ(colour, seen["the window"]) << part;
}

TEST_F(AboutWindow, SystemInfoSaysSoWhenTheToolCannotBeStarted)
{
    setToolPath(L"C:\\nowhere\\msinfo32.exe");
    pressInAbout(about::cmdSysInfo);
    ASSERT_EQ(forms.boxes.size(), 1u);
    EXPECT_EQ(forms.boxes[0].text, SysInfoLauncher::UnavailableMessage);
}

} // namespace
