// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/win32design.h"

#include "platform/system/utf16.h"

#include <cmath>

namespace kelvastro::win32 {

namespace {

// Looked up at run time: these calls arrived with Windows 10, and the program
// still runs, at the system's one DPI, where they are missing.
template <typename Function> Function user32(const char *name)
{
    static const HMODULE module = GetModuleHandleW(L"user32.dll");
    return module ? reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(module, name))) : nullptr;
}

UINT systemDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : USER_DEFAULT_SCREEN_DPI;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : USER_DEFAULT_SCREEN_DPI;
}

} // namespace

void drawPlain(HWND control, bool plain)
{
    // Looked up, not linked: the program imports no more of the system than it must.
    using SetWindowThemeFn = HRESULT(WINAPI *)(HWND, LPCWSTR, LPCWSTR);
    static const auto setWindowTheme = [] {
        const HMODULE module = LoadLibraryW(L"uxtheme.dll");
        return module ? reinterpret_cast<SetWindowThemeFn>(
                            reinterpret_cast<void *>(GetProcAddress(module, "SetWindowTheme")))
                      : nullptr;
    }();
    if (setWindowTheme && control)
        setWindowTheme(control, plain ? L" " : nullptr, plain ? L" " : nullptr); // no style of that name: none
}

UINT dpiOf(HWND window)
{
    using GetDpiForWindowFn = UINT(WINAPI *)(HWND);
    static const auto getDpiForWindow = user32<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow && window)
        if (const UINT dpi = getDpiForWindow(window); dpi > 0)
            return dpi;
    return systemDpi();
}

std::string_view outlineFace(std::string_view family)
{
    // A bitmap face with a few fixed sizes: 24 points came out 12 pixels high,
    // and 8.25 points lost its bold at 144 DPI. Its outline twin, shipped since
    // Windows 2000, has the same metrics and scales.
    if (family == "MS Sans Serif")
        return "Microsoft Sans Serif";
    return family;
}

HFONT createFont(const FontDef &font, UINT dpi)
{
    // Negative: the character height, which is what a point size measures.
    const int height = -static_cast<int>(std::lround(font.points * dpi / 72.0));
    const std::wstring family = wide(outlineFace(font.family));
    // Where the family is missing, the pitch and family bits pick a look-alike:
    // a serif face for Book Antiqua rather than the system's sans serif.
    const bool serif = font.family.find("Antiqua") != std::string_view::npos;
    return CreateFontW(height, 0, 0, 0, font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                       VARIABLE_PITCH | (serif ? FF_ROMAN : FF_SWISS), family.c_str());
}

RECT windowRectFor(RECT client, DWORD style, DWORD exStyle, bool hasMenu, UINT dpi)
{
    using AdjustForDpiFn = BOOL(WINAPI *)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = user32<AdjustForDpiFn>("AdjustWindowRectExForDpi");
    if (!adjustForDpi || !adjustForDpi(&client, style, hasMenu, exStyle, dpi))
        AdjustWindowRectEx(&client, style, hasMenu, exStyle);
    return client;
}

} // namespace kelvastro::win32
