// SPDX-License-Identifier: GPL-3.0-or-later
// One typed character into Buying price with every field filled, as WM_CHAR
// through the whole Win32 path (the subclassed EDIT, EN_CHANGE, the form
// layer, the recalculation, five result texts written), against the same
// characters into a bare EDIT control. Rounds alternate between the two, and
// each reports the median time per character: run under Wine by
// bench/keystroke-wine.sh. No Google Benchmark for Windows in Debian, hence
// the plain loop.
#include "platform/testing/fakesystemservices.h"
#include "platform/win32/win32formsservices.h"
#include "ui/calculator/kelvastro.h"
#include "ui/calculator/kelvastrodefinition.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace kelvastro;

namespace {

constexpr int kKeystrokes = 400; // per round, half digits and half Backspace

double secondsNow()
{
    static LARGE_INTEGER frequency{};
    if (!frequency.QuadPart)
        QueryPerformanceFrequency(&frequency);
    LARGE_INTEGER now{};
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Nanoseconds per character: a digit typed, then taken back, so every one
// changes the text. Typed characters go to the field with the focus, caret and all.
double typeInto(HWND edit)
{
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 5, 5);
    const double start = secondsNow();
    for (int i = 0; i < kKeystrokes / 2; ++i) {
        SendMessageW(edit, WM_CHAR, L'5', 1);
        SendMessageW(edit, WM_CHAR, L'\b', 1);
    }
    return (secondsNow() - start) * 1e9 / kKeystrokes;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    const int rounds = argc > 1 ? _wtoi(argv[1]) : 15;
    Win32FormsServices forms;
    FakeSystemServices system;
    Kelvastro window(forms, system, NumberLocale{});
    forms.show(window);
    Win32FormView &view = forms.rendered(window);
    SetWindowTextW(view.control(calculator::Text1), L"10.25");
    SetWindowTextW(view.control(calculator::Text2), L"500");
    SetWindowTextW(view.control(calculator::Text5), L"12.75");
    const HWND price = view.control(calculator::Text1);
    SendMessageW(price, EM_SETSEL, 5, 5);

    const HWND bareWindow = CreateWindowExW(0, L"STATIC", L"bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    const HWND bare = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"10.25", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0,
                                      0, 120, 30, bareWindow, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(bare, EM_SETSEL, 5, 5);

    std::vector<double> program, plain;
    typeInto(price), typeInto(bare); // warm up
    for (int round = 0; round < rounds; ++round) {
        if (round % 2) {
            plain.push_back(typeInto(bare));
            program.push_back(typeInto(price));
        } else {
            program.push_back(typeInto(price));
            plain.push_back(typeInto(bare));
        }
    }
    wchar_t profit[64] = {};
    GetWindowTextW(view.control(calculator::Text7), profit, 64);
    if (!profit[0]) {
        std::fprintf(stderr, "the results were not worked out\n");
        return 1;
    }
    const double ours = median(program), yardstick = median(plain);
    std::printf("keystroke into Buying Price: median %.0f ns (%d rounds of %d)\n", ours, rounds, kKeystrokes);
    std::printf("keystroke into a bare EDIT:  median %.0f ns\n", yardstick);
    std::printf("ratio %.2f\n", ours / yardstick);
    DestroyWindow(bareWindow);
    return 0;
}
