// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for the Windows program's start-up: a plain Win32 window with
// the same controls (nine fields, ten labels, a button, a menu bar and a
// status bar, in the same fonts, with the same icon) and no form layer, no definitions, no handlers.
#include <windows.h>

#include <commctrl.h>

namespace {

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

HFONT font(const wchar_t *family, int height, bool bold)
{
    return CreateFontW(-height, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, VARIABLE_PITCH, family);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show)
{
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.hIcon = LoadIconW(instance, L"IDI_ICON1");
    wc.lpszClassName = L"BareWindow";
    RegisterClassExW(&wc);

    HMENU bar = CreateMenu();
    HMENU dropDown = CreatePopupMenu();
    AppendMenuW(dropDown, MF_STRING, 1, L"About Kelvastro ");
    AppendMenuW(dropDown, MF_STRING, 2, L"Help");
    AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(dropDown), L"About");
    AppendMenuW(bar, MF_STRING, 3, L"Exit");
    HWND window = CreateWindowExW(0, L"BareWindow", L"Bare window", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                                  CW_USEDEFAULT, CW_USEDEFAULT, 470, 580, nullptr, bar, instance, nullptr);
    // The fonts of the calculator's table, at 96 DPI, under the faces the
    // program asks for ("MS Sans Serif" is drawn in its outline twin).
    const HFONT fonts[] = {font(L"Book Antiqua", 16, false), font(L"Microsoft Sans Serif", 11, true),
                           font(L"Microsoft Sans Serif", 11, false), font(L"Microsoft Sans Serif", 13, false),
                           font(L"Arial", 12, true),          font(L"Arial", 16, true),
                           font(L"Arial", 13, true),          font(L"Microsoft Sans Serif", 16, true),
                           font(L"Microsoft Sans Serif", 32, true)};
    constexpr int kFonts = sizeof fonts / sizeof fonts[0];
    for (int row = 0; row < 9; ++row) {
        HWND label = CreateWindowExW(0, L"STATIC", L"Label", WS_CHILD | WS_VISIBLE | SS_LEFT, 24, 24 + row * 56, 129,
                                     25, window, nullptr, instance, nullptr);
        HWND field = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL,
                                     280, 16 + row * 56, 129, 33, window, nullptr, instance, nullptr);
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[row % kFonts]), FALSE);
        SendMessageW(field, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[(row + 1) % kFonts]), FALSE);
    }
    HWND percent = CreateWindowExW(0, L"STATIC", L"%", WS_CHILD | WS_VISIBLE, 376, 448, 33, 33, window, nullptr,
                                   instance, nullptr);
    SendMessageW(percent, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[8]), FALSE);
    HWND button = CreateWindowExW(0, L"BUTTON", L"Change Brokerage %", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_MULTILINE,
                                  152, 128, 81, 49, window, nullptr, instance, nullptr);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[4]), FALSE);
    CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, window, nullptr,
                    instance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG msg{};
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    for (HFONT f : fonts)
        DeleteObject(f);
    return 0;
}
