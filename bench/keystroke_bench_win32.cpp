// SPDX-License-Identifier: GPL-3.0-or-later
// One typed character into Buying price with every field filled, as WM_CHAR
// through the whole Win32 path (the subclassed EDIT, EN_CHANGE, the form
// layer, the recalculation, five result texts written), against its floor,
// a bare window of nine EDITs whose EN_CHANGE writes the results that change, and
// against a bare EDIT control. Rounds alternate between the three, and each
// reports the median time per character: run under Wine by
// bench/keystroke-wine.sh. No Google Benchmark for Windows in Debian, hence
// the plain loop.
#include "app/appinfo.h"
#include "platform/testing/fakesystemservices.h"
#include "platform/win32/win32formsservices.h"
#include "ui/calculator/kelvastro.h"
#include "ui/calculator/kelvastrodefinition.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
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

std::wstring textOf(HWND control)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The floor: nine bare EDITs in a bare window, whose window procedure writes,
// on the typed one's EN_CHANGE, the results the calculator shows for each
// buying price, those that change.
struct Floor {
    std::array<HWND, 9> edits{};
    std::array<std::wstring, 5> typed, backspaced;
};

LRESULT CALLBACK floorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *floor = reinterpret_cast<Floor *>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_COMMAND && HIWORD(wParam) == EN_CHANGE && floor &&
        reinterpret_cast<HWND>(lParam) == floor->edits[0]) {
        const std::wstring now = textOf(floor->edits[0]);
        const auto &texts = now.size() > 5 ? floor->typed : floor->backspaced; // "10.255" or "10.25"
        for (std::size_t i = 0; i < texts.size(); ++i)
            if (floor->typed[i] != floor->backspaced[i]) // a result the buying price leaves alone needs no writing
                SetWindowTextW(floor->edits[i + 2], texts[i].c_str());
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND makeFloor(Floor &floor)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = floorProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KeystrokeFloor";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(0, L"KeystrokeFloor", L"floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                                        400, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (std::size_t i = 0; i < floor.edits.size(); ++i)
        floor.edits[i] = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0,
                                         static_cast<int>(i) * 34, 120, 30, window, nullptr,
                                         GetModuleHandleW(nullptr), nullptr);
    SetWindowTextW(floor.edits[0], L"10.25");
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&floor));
    return window;
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
    Win32FormsServices forms(kApplication);
    FakeSystemServices system;
    Kelvastro window(forms, system, NumberLocale{});
    forms.show(window);
    Win32FormView &view = forms.rendered(window);
    SetWindowTextW(view.control(calculator::Text1), L"10.25");
    SetWindowTextW(view.control(calculator::Text2), L"500");
    SetWindowTextW(view.control(calculator::Text5), L"12.75");
    const HWND price = view.control(calculator::Text1);
    const std::array results{calculator::Text3, calculator::Text4, calculator::Text6, calculator::Text7,
                             calculator::Text9};
    Floor floor;
    for (std::size_t i = 0; i < results.size(); ++i)
        floor.backspaced[i] = textOf(view.control(results[i]));
    SetFocus(price);
    SendMessageW(price, EM_SETSEL, 5, 5);
    SendMessageW(price, WM_CHAR, L'5', 1);
    for (std::size_t i = 0; i < results.size(); ++i)
        floor.typed[i] = textOf(view.control(results[i]));
    SendMessageW(price, WM_CHAR, L'\b', 1);
    const HWND floorWindow = makeFloor(floor);

    const HWND bareWindow = CreateWindowExW(0, L"STATIC", L"bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100,
                                            nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    const HWND bare = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"10.25", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 0,
                                      0, 120, 30, bareWindow, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(bare, EM_SETSEL, 5, 5);

    std::vector<double> program, least, plain;
    typeInto(price), typeInto(floor.edits[0]), typeInto(bare); // warm up
    for (int round = 0; round < rounds; ++round) {
        // Each of the three goes first in turn, so drift in Wine's speed falls on all alike.
        for (int turn = 0; turn < 3; ++turn) {
            switch ((round + turn) % 3) {
            case 0: program.push_back(typeInto(price)); break;
            case 1: least.push_back(typeInto(floor.edits[0])); break;
            default: plain.push_back(typeInto(bare)); break;
            }
        }
    }
    wchar_t profit[64] = {};
    GetWindowTextW(view.control(calculator::Text7), profit, 64);
    if (!profit[0]) {
        std::fprintf(stderr, "the results were not worked out\n");
        return 1;
    }
    const double ours = median(program), floorTime = median(least), yardstick = median(plain);
    std::printf("keystroke into Buying Price:        median %.0f ns (%d rounds of %d)\n", ours, rounds, kKeystrokes);
    std::printf("floor, nine EDITs, results set:     median %.0f ns, ratio %.2fx\n", floorTime, ours / floorTime);
    std::printf("keystroke into a bare EDIT:         median %.0f ns, ratio %.2fx\n", yardstick, ours / yardstick);
    DestroyWindow(bareWindow);
    DestroyWindow(floorWindow);
    return 0;
}
