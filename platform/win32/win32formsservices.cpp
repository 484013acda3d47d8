// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/win32formsservices.h"

#include "platform/system/utf16.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>

namespace kelvastro {

namespace {

constexpr const wchar_t *kWorkClass = L"KelvastroWork";
constexpr UINT kWorkMessage = WM_APP + 1;

} // namespace

Win32FormsServices::Win32FormsServices(const ApplicationInfo &application, HINSTANCE instance)
    : FormsHost(application), m_instance(instance)
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
    setPalette(palette);
}

Win32FormsServices::~Win32FormsServices()
{
    releaseAll();
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
        self->runPosted();
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

// Secondary windows belong to the main one: kept in front of it, out of the task bar.
std::unique_ptr<NativeWindow> Win32FormsServices::createWindow(FormHost &host, FormHost *owner)
{
    const HWND parent = owner ? static_cast<Win32FormView &>(owner->native()).window() : nullptr;
    return std::make_unique<Win32FormView>(*this, host, parent);
}

Win32FormView *Win32FormsServices::findView(std::string_view formName)
{
    FormHost *h = find(formName);
    return h ? &static_cast<Win32FormView &>(h->native()) : nullptr;
}

void Win32FormsServices::wake() { PostMessageW(m_workWindow, kWorkMessage, 0, 0); }

void Win32FormsServices::messageBox(std::string_view text)
{
    HWND owner = GetActiveWindow();
    if (!owner && !m_views.empty())
        owner = m_views.front()->window(); // the start-up window, made first
    MessageBoxW(owner, wide(text).c_str(), wide(application().title).c_str(), MB_OK);
}

void Win32FormsServices::copyToClipboard(std::string_view text)
{
    const HWND owner = m_views.empty() ? nullptr : m_views.front()->window();
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

void Win32FormsServices::dispatch(MSG &msg)
{
    const HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST)
        for (Win32FormView *view : m_views)
            if (view->window() == root) {
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
    while (!ended()) {
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
