// SPDX-License-Identifier: GPL-3.0-or-later
// The conformance rows on the Win32 front end under Wine: characters go in
// as WM_CHAR, keys as WM_KEYDOWN with the keyboard state they need, clicks to
// the window the system would route them to, and message boxes are the
// system's own, closed by their OK button from inside their loop.
#include "app/appinfo.h"
#include "platform/forms/rgb.h"
#include "platform/system/utf16.h"
#include "platform/win32/win32formsservices.h"
#include "tests/conformance/driver.h"
#include "tests/platform/win32/win32testloop.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <functional>

namespace kelvastro::conformance {

namespace {

class Services final : public Win32FormsServices {
public:
    Services() : Win32FormsServices(kApplication) {}
    std::vector<std::string> messages;
    std::function<void(Form &)> inModal;

    void showModal(Form &form) override
    {
        if (auto user = std::move(inModal)) {
            inModal = nullptr;
            runInTheNextLoop([user, &form] { user(form); });
        }
        Win32FormsServices::showModal(form);
    }

protected:
    void messageBox(std::string_view text) override
    {
        messages.emplace_back(text);
        pressOkWhenShown(0);
        Win32FormsServices::messageBox(text);
    }

private:
    static void pressOkWhenShown(int tries)
    {
        runInTheNextLoop([tries] {
            if (const HWND box = visibleBoxOfThisThread()) {
                EXPECT_EQ(windowText(box), "Kelvastro");
                PostMessageW(box, WM_COMMAND, IDOK, 0);
            } else if (tries < 500) {
                pressOkWhenShown(tries + 1);
            } else {
                ADD_FAILURE() << "the message box never showed";
            }
        });
    }
};

class Win32Driver final : public Driver {
public:
    ~Win32Driver() override { pump(); }

    FormsServices &forms() override { return m_forms; }
    void start(Form &main) override
    {
        m_caller = &main;
        m_forms.show(main);
        pump();
    }

    void type(std::string_view utf8) override
    {
        for (wchar_t unit : wide(utf8)) {
            PostMessageW(target(), WM_CHAR, unit, 1);
            pump();
        }
    }

    void press(Key key) override
    {
        switch (key) {
        case Key::Tab: keyDown(VK_TAB); break;
        case Key::ShiftTab: keyDown(VK_TAB, {VK_SHIFT}); break;
        case Key::Enter: keyDown(VK_RETURN); break;
        case Key::Escape: keyDown(VK_ESCAPE); break;
        case Key::Space: keyDown(VK_SPACE); break;
        case Key::Backspace: keyDown(VK_BACK); break;
        case Key::Delete: keyDown(VK_DELETE); break;
        case Key::Left: keyDown(VK_LEFT); break;
        case Key::End: keyDown(VK_END); break;
        case Key::F2: keyDown(VK_F2); break;
        case Key::CtrlA: keyDown('A', {VK_CONTROL}); break;
        case Key::AltS: keyDown('S', {VK_MENU}); break;
        case Key::CtrlShiftC: keyDown('C', {VK_CONTROL, VK_SHIFT}); break;
        case Key::LoneSurrogate:
            PostMessageW(target(), WM_CHAR, 0xDC00, 1);
            pump();
            break;
        }
    }

    void click(Form &form, ControlId id) override
    {
        Win32FormView &v = m_forms.rendered(form);
        if (id != kNoControl && form.definition().control(id).kind == ControlKind::MenuItem) {
            SendMessageW(v.window(), WM_COMMAND, MAKEWPARAM(Win32FormView::kIdBase + id, 0), 0);
            pump();
            return;
        }
        const HWND on = id == kNoControl ? v.window() : v.control(id);
        POINT at{2, 2};
        if (id != kNoControl) {
            RECT r{};
            GetClientRect(on, &r);
            at = form.definition().control(id).kind == ControlKind::Frame ? bareSpot(on) : POINT{r.right / 2, r.bottom / 2};
        }
        // The window the system hands the click to: a label that lets clicks
        // through passes them to what lies beneath.
        ClientToScreen(on, &at);
        const HWND hit = WindowFromPoint(at);
        const HWND to = hit && (hit == on || IsChild(on, hit) || IsChild(hit, on)) ? hit : on;
        ScreenToClient(to, &at);
        PostMessageW(to, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
        PostMessageW(to, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        pump();
    }

    void closeBox(Form &form) override
    {
        PostMessageW(m_forms.rendered(form).window(), WM_SYSCOMMAND, SC_CLOSE, 0);
        pump();
    }

    std::string text(Form &form, ControlId id) override
    {
        Win32FormView &v = m_forms.rendered(form);
        if (v.control(id) && v.control(id) == v.statusBar()) {
            wchar_t shown[512] = {};
            SendMessageW(v.statusBar(), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(shown));
            return fromWide(shown, wcslen(shown));
        }
        return v.control(id) ? windowText(v.control(id)) : v.host().text(id);
    }
    Selection selection(Form &form, ControlId id) override
    {
        DWORD start = 0, end = 0;
        SendMessageW(m_forms.rendered(form).control(id), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return {static_cast<int>(start), static_cast<int>(end)};
    }
    ControlId focus(Form &form) override { return m_forms.host(form).focus(); }
    bool locked(Form &form, ControlId id) override
    {
        return (GetWindowLongPtrW(m_forms.rendered(form).control(id), GWL_STYLE) & ES_READONLY) != 0;
    }
    // What the control asks its parent for as it paints.
    Look look(Form &form, ControlId id) override
    {
        const HWND hwnd = m_forms.rendered(form).control(id);
        const bool readOnly = (GetWindowLongPtrW(hwnd, GWL_STYLE) & ES_READONLY) != 0;
        const HDC dc = CreateCompatibleDC(nullptr);
        SendMessageW(GetParent(hwnd), readOnly ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(hwnd));
        const Look shown{rgbOfBgr(GetTextColor(dc)), rgbOfBgr(GetBkColor(dc))};
        DeleteDC(dc);
        return shown;
    }
    ColorScheme scheme() override { return m_forms.scheme(); }
    // What the title bar shows: a window without one shows none.
    std::string caption(Form &form) override
    {
        const HWND window = m_forms.rendered(form).window();
        return (GetWindowLongPtrW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION ? windowText(window) : std::string();
    }
    bool isOpen(Form &form) override { return IsWindowVisible(m_forms.rendered(form).window()) != FALSE; }

    const std::vector<std::string> &messages() override { return m_forms.messages; }
    std::string clipboard() override
    {
        std::string copied;
        if (!OpenClipboard(nullptr))
            return copied;
        if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            const auto *w = static_cast<const wchar_t *>(GlobalLock(data));
            copied = fromWide(w, wcslen(w));
            GlobalUnlock(data);
        }
        CloseClipboard();
        std::erase(copied, '\r');
        return copied;
    }
    bool ended() override { return m_forms.ended(); }

    Modal whileModal(const std::function<void()> &open, const std::function<void(Form &)> &user) override
    {
        return runModal(
            m_forms, open, user,
            [this](Form &) {
                pump();
                return m_caller && IsWindowEnabled(m_forms.rendered(*m_caller).window());
            },
            [this] { pump(); });
    }

private:
    void pump() { pumpThrough(m_forms); }
    static HWND target()
    {
        if (const HWND focused = GetFocus())
            return focused;
        return GetActiveWindow();
    }
    // A key with its modifiers held, as the keyboard sends it to the focused window.
    void keyDown(UINT vk, std::initializer_list<BYTE> held = {})
    {
        BYTE state[256] = {};
        GetKeyboardState(state);
        for (BYTE modifier : held)
            state[modifier] = 0x80;
        SetKeyboardState(state);
        const bool alt = state[VK_MENU] & 0x80;
        const HWND to = target();
        PostMessageW(to, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, vk, alt ? 0x20000001 : 1);
        PostMessageW(to, alt ? WM_SYSKEYUP : WM_KEYUP, vk, alt ? 0xE0000001 : 0xC0000001);
        pump();
        for (BYTE modifier : held)
            state[modifier] = 0;
        SetKeyboardState(state);
    }
    // A point of a panel that none of its labels covers.
    static POINT bareSpot(HWND panel)
    {
        RECT r{};
        GetClientRect(panel, &r);
        for (int y = 3; y < r.bottom; y += 3)
            for (int x = 3; x < r.right; x += 3)
                if (ChildWindowFromPointEx(panel, {x, y}, CWP_SKIPINVISIBLE) == panel)
                    return {x, y};
        return {r.right / 2, r.bottom / 2};
    }

    Services m_forms;
    Form *m_caller = nullptr;
};

} // namespace

std::unique_ptr<Driver> makeDriver() { return std::make_unique<Win32Driver>(); }

} // namespace kelvastro::conformance
