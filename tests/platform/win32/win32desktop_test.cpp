// SPDX-License-Identifier: GPL-3.0-or-later
// The real Win32 windows on whatever desktop Wine was given: its colours
// (High Contrast Black is set in HKCU\Control Panel\Colors), its DPI
// (LogPixels) and its screen. scripts/wine-desktops.sh runs this program on
// several; CTest runs it on the plain one.
#include "app/appinfo.h"
#include "platform/forms/colorscheme.h"
#include "platform/testing/fakesystemservices.h"
#include "platform/win32/win32design.h"
#include "platform/win32/win32formsservices.h"
#include "tests/platform/win32/win32testloop.h"
#include "ui/calculator/kelvastro.h"
#include "ui/calculator/kelvastrodefinition.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <map>

using namespace kelvastro;
using namespace kelvastro::calculator;

namespace {

class Desktop : public testing::Test {
protected:
    void SetUp() override
    {
        forms.show(window);
        pump();
    }
    void pump() { pumpThrough(forms); }
    void tab()
    {
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_TAB, 1);
        PostMessageW(GetFocus(), WM_KEYUP, VK_TAB, 0xC0000001);
        pump();
    }
    Win32FormView &view() { return forms.rendered(window); }
    HWND control(ControlId id) { return view().control(id); }
    RECT workArea()
    {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(view().window(), MONITOR_DEFAULTTOPRIMARY), &monitor);
        return monitor.rcWork;
    }
    static bool inside(const RECT &inner, const RECT &outer)
    {
        return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right
               && inner.bottom <= outer.bottom;
    }
    // What a control asks its parent for as it paints.
    Look painted(HWND hwnd)
    {
        const bool readOnly = (GetWindowLongPtrW(hwnd, GWL_STYLE) & ES_READONLY) != 0;
        wchar_t name[16] = {};
        GetClassNameW(hwnd, name, 16);
        const UINT message = std::wstring(name) == L"Edit" && !readOnly ? WM_CTLCOLOREDIT : WM_CTLCOLORSTATIC;
        const HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(GetParent(hwnd), message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd));
        const Look shown{rgbOfBgr(GetTextColor(dc)), rgbOfBgr(GetBkColor(dc))};
        DeleteDC(dc);
        return shown;
    }

    Win32FormsServices forms{kApplication};
    FakeSystemServices system;
    Kelvastro window{forms, system, NumberLocale{".", ",", 3, 3}};
};

TEST_F(Desktop, HighContrastIsRecognisedByItsColours)
{
    const bool darkWindow = luminance(rgbOfBgr(GetSysColor(COLOR_WINDOW))) < 0.05;
    EXPECT_EQ(forms.scheme().highContrast(), darkWindow);
    std::printf("desktop: window %06x, text %06x, %u DPI, high contrast %s\n",
                static_cast<unsigned>(rgbOfBgr(GetSysColor(COLOR_WINDOW))),
                static_cast<unsigned>(rgbOfBgr(GetSysColor(COLOR_WINDOWTEXT))), win32::dpiOf(view().window()),
                forms.scheme().highContrast() ? "yes" : "no");
}

// Every field and label as it paints, against what the rule promises.
TEST_F(Desktop, EveryControlReadsInThisDesktopsColours)
{
    const ColorScheme design;
    for (ControlId id = 0; id < definition().controls.size(); ++id) {
        const ControlDef &def = definition().control(id);
        if ((def.kind != ControlKind::TextBox && def.kind != ControlKind::Label) || !control(id))
            continue;
        const Look look = painted(control(id));
        const Look designed = design.control(definition(), id, backColorOf(def), def.locked);
        const double wanted = forms.scheme().highContrast() ? 4.5 : std::min(4.5, contrast(designed.text, designed.back));
        EXPECT_GE(contrast(look.text, look.back) + 1e-9, wanted) << def.name;
    }
}

TEST_F(Desktop, TheRateFieldShowsThreeDistinctLooks)
{
    const Look loaded = painted(control(Text8));
    view().host().setFocus(Command2, FocusCause::Program);
    SendMessageW(view().window(), WM_COMMAND, MAKEWPARAM(Win32FormView::kIdBase + Command2, BN_CLICKED),
                 reinterpret_cast<LPARAM>(control(Command2)));
    pump();
    const Look open = painted(control(Text8));
    SendMessageW(view().window(), WM_COMMAND, MAKEWPARAM(Win32FormView::kIdBase + Command2, BN_CLICKED),
                 reinterpret_cast<LPARAM>(control(Command2)));
    pump();
    const Look lockedAgain = painted(control(Text8));
    EXPECT_NE(loaded, open);
    EXPECT_NE(open, lockedAgain);
    EXPECT_NE(loaded, lockedAgain);
    for (const Look &look : {loaded, open, lockedAgain})
        EXPECT_GE(contrast(look.text, look.back), forms.scheme().highContrast() ? 4.5 : 2.3);
}

// On any screen and at any DPI, Tab brings every field into view, whole, with
// the window inside the work area and its status line on the screen.
TEST_F(Desktop, EveryFieldLiesOnTheScreenWhenItHasTheFocus)
{
    const RECT work = workArea();
    // No larger than the work area, and all of its inside on it (a window
    // manager may set the frame a pixel off).
    RECT outer{}, client{};
    GetWindowRect(view().window(), &outer);
    EXPECT_LE(outer.right - outer.left, work.right - work.left);
    EXPECT_LE(outer.bottom - outer.top, work.bottom - work.top);
    GetClientRect(view().window(), &client);
    MapWindowPoints(view().window(), nullptr, reinterpret_cast<POINT *>(&client), 2);
    EXPECT_TRUE(inside(client, work)) << client.left << "," << client.top << " " << client.right << ","
                                      << client.bottom << " in " << work.left << "," << work.top << " " << work.right
                                      << "," << work.bottom;
    RECT bar{};
    GetWindowRect(view().statusBar(), &bar);
    EXPECT_TRUE(inside(bar, work)) << "the status line";
    for (int i = 0; i < 12; ++i) {
        const ControlId focused = view().host().focus();
        ASSERT_NE(focused, kNoControl);
        RECT r{};
        GetWindowRect(control(focused), &r);
        RECT viewport{};
        GetWindowRect(GetParent(GetParent(control(focused))), &viewport);
        EXPECT_TRUE(inside(r, work) && inside(r, viewport)) << definition().control(focused).name << " at " << r.left
                                                            << "," << r.top << " " << r.right << "," << r.bottom;
        tab();
    }
}

// A screen that holds the window shows it as designed, unscrolled.
TEST_F(Desktop, ALargeEnoughScreenShowsTheDesignedSize)
{
    const int dpi = static_cast<int>(win32::dpiOf(view().window()));
    const RECT work = workArea();
    RECT client{};
    GetClientRect(view().window(), &client);
    RECT bar{};
    GetWindowRect(view().statusBar(), &bar);
    const int designedWidth = MulDiv(definition().clientWidth, dpi, 1440);
    const int designedHeight = MulDiv(definition().clientHeight, dpi, 1440) + (bar.bottom - bar.top);
    RECT outer{};
    GetWindowRect(view().window(), &outer);
    const bool fits = outer.right - outer.left + designedWidth - client.right <= work.right - work.left
                      && outer.bottom - outer.top + designedHeight - client.bottom <= work.bottom - work.top;
    if (!fits)
        GTEST_SKIP() << "this screen is smaller than the window";
    EXPECT_EQ(client.right, designedWidth);
    EXPECT_EQ(client.bottom, designedHeight);
    POINT corner{0, 0};
    MapWindowPoints(view().surface(), view().window(), &corner, 1);
    EXPECT_EQ(corner.x, 0);
    EXPECT_EQ(corner.y, 0);
    const auto style = GetWindowLongPtrW(GetParent(view().surface()), GWL_STYLE);
    EXPECT_FALSE(style & (WS_VSCROLL | WS_HSCROLL)) << "no scroll bars";
    RECT viewport{};
    GetClientRect(GetParent(view().surface()), &viewport);
    EXPECT_EQ(viewport.bottom, MulDiv(definition().clientHeight, dpi, 1440));
}

// The contrast of what stands out most in a window's own painting against its commonest colour.
double paintedContrast(HWND hwnd)
{
    RECT r{};
    GetClientRect(hwnd, &r);
    const HDC screen = GetDC(hwnd);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    std::map<COLORREF, int> counts;
    for (int y = 2; y < r.bottom - 2; ++y)
        for (int x = 2; x < r.right - 2; ++x)
            ++counts[GetPixel(memory, x, y)];
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(hwnd, screen);
    if (counts.empty())
        return 1.0;
    const auto back = std::max_element(counts.begin(), counts.end(),
                                       [](const auto &a, const auto &b) { return a.second < b.second; });
    double best = 1.0;
    for (const auto &[colour, count] : counts)
        best = std::max(best, contrast(rgbOfBgr(colour), rgbOfBgr(back->first)));
    return best;
}

// The status line paints its message readably: in High Contrast, Wine would
// otherwise write the system's light text on its visual style's light pane.
TEST_F(Desktop, TheStatusLineIsReadable)
{
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1); // the rate opens, and the status line says so
    PostMessageW(GetFocus(), WM_KEYUP, VK_ESCAPE, 0xC0000001);
    pump();
    const HWND bar = view().statusBar();
    ASSERT_NE(bar, nullptr);
    const double shown = paintedContrast(bar);
    std::printf("status line: %.2f:1\n", shown);
    EXPECT_GE(shown, 4.5);
}

// Drawn in an outline face, the 24-point "%" is as tall as 24 points make it.
TEST_F(Desktop, ThePercentSignIsDrawnAtItsSize)
{
    const HWND label = control(Label9);
    RECT r{};
    GetClientRect(label, &r);
    const HDC screen = GetDC(label);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
    const HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageW(label, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT | PRF_ERASEBKGND);
    const COLORREF back = GetPixel(memory, 0, 0);
    int top = r.bottom, bottom = -1;
    for (int y = 0; y < r.bottom; ++y)
        for (int x = 0; x < r.right; ++x)
            if (GetPixel(memory, x, y) != back && contrast(rgbOfBgr(GetPixel(memory, x, y)), rgbOfBgr(back)) > 1.5) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(label, screen);
    const int dpi = static_cast<int>(win32::dpiOf(view().window()));
    const int ink = bottom - top + 1;
    TEXTMETRICW metrics{};
    const HDC dc = GetDC(label);
    const HGDIOBJ font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)));
    GetTextMetricsW(dc, &metrics);
    wchar_t face[64] = {};
    GetTextFaceW(dc, 64, face);
    SelectObject(dc, font);
    ReleaseDC(label, dc);
    const int em = metrics.tmHeight - metrics.tmInternalLeading;
    std::printf("the %% sign: %d pixels of ink, %d pixel characters of %ls, at %d DPI\n", ink, em,
                face, dpi);
    EXPECT_TRUE(metrics.tmPitchAndFamily & (TMPF_TRUETYPE | TMPF_VECTOR)) << "an outline face";
    // 24 points are 32 pixels at 96 DPI; a "%" in an Arial-metric face inks about 0.7 of that.
    EXPECT_NEAR(em, MulDiv(32, dpi, 96), 1);
    EXPECT_GE(ink, MulDiv(21, dpi, 96));
}

} // namespace
