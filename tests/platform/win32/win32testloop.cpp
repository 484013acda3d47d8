// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/platform/win32/win32testloop.h"

#include "platform/system/utf16.h"
#include "platform/win32/win32formsservices.h"

#include <algorithm>
#include <utility>

namespace kelvastro {

namespace {

std::function<void()> g_next;

void CALLBACK runNext(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    auto next = std::move(g_next);
    g_next = nullptr;
    if (next)
        next();
}

} // namespace

void pumpThrough(Win32FormsServices &forms, int rounds, DWORD restMs)
{
    MSG msg{};
    for (int round = 0; round < rounds; ++round) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            if (msg.message != WM_QUIT)
                forms.dispatch(msg);
        if (restMs)
            Sleep(restMs);
    }
}

void runInTheNextLoop(std::function<void()> work, UINT delayMs)
{
    g_next = std::move(work);
    SetTimer(nullptr, 0, delayMs, runNext);
}

HWND visibleBoxOfThisThread()
{
    HWND box = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM found) {
            wchar_t name[16] = {};
            GetClassNameW(hwnd, name, 16);
            if (std::wstring(name) == L"#32770" && IsWindowVisible(hwnd))
                *reinterpret_cast<HWND *>(found) = hwnd;
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&box));
    return box;
}

std::string windowText(HWND hwnd)
{
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    return fromWide(text.data(), static_cast<std::size_t>(std::max(copied, 0)));
}

} // namespace kelvastro
