// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/win32formsservices.h"

#include "app/appinfo.h"
#include "platform/system/utf16.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace kelvastro {

namespace {

constexpr const wchar_t *kWorkClass = L"KelvastroWork";
constexpr UINT kWorkMessage = WM_APP + 1;

} // namespace

Win32FormsServices::Win32FormsServices(HINSTANCE instance) : m_instance(instance)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    Win32FormView::registerClasses(instance);
    // Posted work wakes a window of its own: a thread message would be lost in
    // the loop of a message box or a menu.
    WNDCLASSEXW work{};
    work.cbSize = sizeof work;
    work.lpfnWndProc = workProc;
    work.hInstance = instance;
    work.lpszClassName = kWorkClass;
    RegisterClassExW(&work);
    m_workWindow = CreateWindowExW(0, kWorkClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, this);
    updateScheme();
}

// Windows says whether High Contrast is on; Wine never does, and its schemes
// are known by their colours (the rule looks at them either way).
void Win32FormsServices::updateScheme()
{
    SystemPalette palette;
    for (int i = 0; i < kSystemColorCount; ++i)
        palette.colors[static_cast<std::size_t>(i)] = rgbOfBgr(GetSysColor(i));
    HIGHCONTRASTW contrast{sizeof contrast, 0, nullptr};
    palette.highContrast = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0)
                           && (contrast.dwFlags & HCF_HIGHCONTRASTON);
    m_scheme = ColorScheme(palette);
}

Win32FormsServices::~Win32FormsServices()
{
    m_views.clear();
    if (m_workWindow)
        DestroyWindow(m_workWindow);
}

LRESULT CALLBACK Win32FormsServices::workProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams));
    auto *self = reinterpret_cast<Win32FormsServices *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && message == WM_SETTINGCHANGE && wParam == SPI_SETHIGHCONTRAST)
        self->updateScheme();
    if (self && message == kWorkMessage) {
        if (!self->m_ended)
            self->m_work.runNext();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

Win32FormView &Win32FormsServices::rendered(Form &form)
{
    auto &slot = m_views[&form];
    if (!slot) {
        // Secondary windows belong to the main one: kept in front of it, out of the task bar.
        const auto main = m_main && m_main != &form ? m_views.find(m_main) : m_views.end();
        const HWND owner = main != m_views.end() && main->second ? main->second->window() : nullptr;
        slot = std::make_unique<Win32FormView>(*this, form, owner);
    }
    return *slot;
}

FormView &Win32FormsServices::view(Form &form) { return rendered(form); }

Win32FormView *Win32FormsServices::find(std::string_view formName)
{
    for (auto &[form, view] : m_views)
        if (view && form->definition().name == formName)
            return view.get();
    return nullptr;
}

void Win32FormsServices::release(Form &form)
{
    m_work.drop(form);
    m_views.erase(&form);
    std::erase(m_modal, &form);
    if (m_main == &form)
        m_main = nullptr;
}

void Win32FormsServices::show(Form &form)
{
    if (form.definition().startUp)
        m_main = &form;
    Win32FormView &v = rendered(form);
    v.place();
    v.load();
    ShowWindow(v.window(), SW_SHOW);
    v.focusFirst();
    UpdateWindow(v.window());
}

void Win32FormsServices::showModal(Form &form)
{
    Win32FormView &v = rendered(form);
    if (!v.window() || m_ended)
        return;
    const HWND owner = GetWindow(v.window(), GW_OWNER);
    m_modal.push_back(&form);
    v.place();
    v.load();
    v.describe();
    // Shown before the owner is disabled, so that the owner's focus is
    // remembered as it loses activation, not thrown away with its input.
    ShowWindow(v.window(), SW_SHOW);
    if (owner)
        EnableWindow(owner, FALSE);
    v.focusFirst();
    MSG msg{};
    while (!m_ended && std::find(m_modal.begin(), m_modal.end(), &form) != m_modal.end()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 1); // for the loop outside this one
            m_ended = true;
            break;
        }
        dispatch(msg);
    }
    if (std::find(m_modal.begin(), m_modal.end(), &form) != m_modal.end())
        unload(form); // the program is ending
}

void Win32FormsServices::unload(Form &form)
{
    if (std::find(m_modal.begin(), m_modal.end(), &form) != m_modal.end()) {
        std::erase(m_modal, &form);
        rendered(form).unloaded();
        const HWND window = rendered(form).window();
        const HWND owner = window ? GetWindow(window, GW_OWNER) : nullptr;
        // Enabled before the window goes, so that activation returns to the
        // owner and not to another program.
        if (owner)
            EnableWindow(owner, TRUE);
        if (window) {
            if (owner && GetActiveWindow() == window)
                SetActiveWindow(owner);
            ShowWindow(window, SW_HIDE);
        }
        return;
    }
    if (&form == m_main)
        endProgram();
    else if (auto it = m_views.find(&form); it != m_views.end() && it->second->window())
        ShowWindow(it->second->window(), SW_HIDE);
}

void Win32FormsServices::post(Form &owner, std::function<void()> work)
{
    m_work.post(owner, std::move(work));
    PostMessageW(m_workWindow, kWorkMessage, 0, 0);
}

void Win32FormsServices::showMessage(std::string_view text)
{
    HWND owner = GetActiveWindow();
    if (!owner && m_main)
        owner = rendered(*m_main).window();
    messageBox(wide(text), owner);
}

void Win32FormsServices::messageBox(const std::wstring &text, HWND owner)
{
    MessageBoxW(owner, text.c_str(), wide(AppInfo::title).c_str(), MB_OK);
}

void Win32FormsServices::copyToClipboard(std::string_view text)
{
    const HWND owner = m_main ? rendered(*m_main).window() : nullptr;
    if (!OpenClipboard(owner))
        return;
    EmptyClipboard();
    // Windows text ends its lines with CR LF.
    std::string lines;
    lines.reserve(text.size() + 16);
    for (char c : text) {
        if (c == '\n' && (lines.empty() || lines.back() != '\r'))
            lines += '\r';
        lines += c;
    }
    const std::wstring w = wide(lines);
    const std::size_t bytes = (w.size() + 1) * sizeof(wchar_t);
    if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        if (void *data = GlobalLock(memory)) {
            std::memcpy(data, w.c_str(), bytes);
            GlobalUnlock(memory);
            if (!SetClipboardData(CF_UNICODETEXT, memory))
                GlobalFree(memory);
        } else {
            GlobalFree(memory);
        }
    }
    CloseClipboard();
}

void Win32FormsServices::endProgram()
{
    if (m_ended)
        return;
    m_ended = true;
    m_work.clear();
    PostQuitMessage(0);
}

ApplicationInfo Win32FormsServices::application() const
{
    return {AppInfo::title, AppInfo::major, AppInfo::minor, AppInfo::revision};
}

void Win32FormsServices::dispatch(MSG &msg)
{
    const HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST)
        for (auto &[form, view] : m_views)
            if (view && view->window() == root) {
                if (view->translate(msg))
                    return;
                break;
            }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

int Win32FormsServices::run()
{
    MSG msg{};
    while (!m_ended) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0)
            return got == 0 ? static_cast<int>(msg.wParam) : 1;
        dispatch(msg);
    }
    // Ended by a handler: the quit message it posted is taken off the queue.
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    return 0;
}

} // namespace kelvastro
