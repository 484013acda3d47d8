// SPDX-License-Identifier: GPL-3.0-or-later
// A screen reader's view of a Win32 program, from another process, as NVDA
// and Narrator get it: WinEvents from an out-of-context hook, and the MSAA
// tree from AccessibleObjectFromWindow.
//   msaa_probe listen LOG READY STOP   records events until the STOP event is set
//   msaa_probe tree HWND LOG          writes the tree under the window
//   msaa_probe window TITLE LOG       the same for the visible top-level window whose title begins so
#include <windows.h>

#include <oleacc.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

const IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

FILE *g_log = nullptr;

std::wstring roleOf(IAccessible *object, VARIANT child)
{
    VARIANT role;
    VariantInit(&role);
    if (FAILED(object->get_accRole(child, &role)) || role.vt != VT_I4)
        return L"?";
    wchar_t text[64] = {};
    GetRoleTextW(static_cast<DWORD>(role.lVal), text, 64);
    return text;
}

std::wstring stringOf(HRESULT (STDMETHODCALLTYPE IAccessible::*get)(VARIANT, BSTR *), IAccessible *object,
                      VARIANT child)
{
    BSTR value = nullptr;
    if (FAILED((object->*get)(child, &value)) || !value)
        return L"";
    std::wstring out(value, SysStringLen(value));
    SysFreeString(value);
    return out;
}

// One line an object: depth, role, name, value, description; tabs and line ends shown as such.
void writeObject(IAccessible *object, VARIANT child, int depth)
{
    auto escaped = [](std::wstring s) {
        for (auto &c : s)
            if (c == L'\t' || c == L'\n' || c == L'\r')
                c = L' ';
        return s;
    };
    std::fwprintf(g_log, L"%d\t%ls\t%ls\t%ls\t%ls\n", depth, roleOf(object, child).c_str(),
                  escaped(stringOf(&IAccessible::get_accName, object, child)).c_str(),
                  escaped(stringOf(&IAccessible::get_accValue, object, child)).c_str(),
                  escaped(stringOf(&IAccessible::get_accDescription, object, child)).c_str());
}

// Each window's own object, then its child windows', as a screen reader
// walks a Win32 program (Wine's client objects list no children of their own).
void writeTree(HWND hwnd, int depth)
{
    IAccessible *object = nullptr;
    if (SUCCEEDED(AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                             reinterpret_cast<void **>(&object))) && object) {
        VARIANT self;
        VariantInit(&self);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        writeObject(object, self, depth);
        object->Release();
    }
    if (depth > 8)
        return;
    for (HWND child = GetWindow(hwnd, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (IsWindowVisible(child))
            writeTree(child, depth + 1);
}

HWND windowTitled(const std::wstring &prefix)
{
    struct Search {
        const std::wstring &prefix;
        HWND found = nullptr;
    } search{prefix};
    EnumWindows(
        [](HWND hwnd, LPARAM param) -> BOOL {
            auto &s = *reinterpret_cast<Search *>(param);
            wchar_t title[256] = {};
            GetWindowTextW(hwnd, title, 256);
            if (IsWindowVisible(hwnd) && std::wstring(title).rfind(s.prefix, 0) == 0) {
                s.found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

const wchar_t *eventName(DWORD event)
{
    switch (event) {
    case EVENT_OBJECT_FOCUS: return L"focus";
    case EVENT_OBJECT_NAMECHANGE: return L"name";
    case EVENT_OBJECT_LIVEREGIONCHANGED: return L"live";
    case EVENT_SYSTEM_DIALOGSTART: return L"dialog";
    default: return nullptr;
    }
}

void CALLBACK onEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD)
{
    const wchar_t *name = eventName(event);
    if (!name || !hwnd)
        return;
    wchar_t className[64] = {}, text[512] = {};
    GetClassNameW(hwnd, className, 64);
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    std::wstring accessibleName;
    IAccessible *accessible = nullptr;
    VARIANT which;
    VariantInit(&which);
    if (SUCCEEDED(AccessibleObjectFromEvent(hwnd, static_cast<DWORD>(object), static_cast<DWORD>(child), &accessible,
                                            &which)) && accessible) {
        accessibleName = stringOf(&IAccessible::get_accName, accessible, which);
        accessible->Release();
    }
    std::fwprintf(g_log, L"%ls\t%ls\t%ls\t%ls\n", name, className, accessibleName.c_str(), text);
    std::fflush(g_log);
}

} // namespace

int wmain(int argc, wchar_t **argv)
{
    if (argc < 3)
        return 2;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    const std::wstring mode = argv[1];
    if (mode == L"tree" && argc == 4) {
        g_log = _wfopen(argv[3], L"w, ccs=UTF-8");
        const auto hwnd = reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoll(argv[2], nullptr, 16)));
        writeTree(hwnd, 0);
        std::fclose(g_log);
        return 0;
    }
    if (mode == L"window" && argc == 4) {
        const HWND hwnd = windowTitled(argv[2]);
        if (!hwnd)
            return 1;
        g_log = _wfopen(argv[3], L"w, ccs=UTF-8");
        writeTree(hwnd, 0);
        std::fclose(g_log);
        return 0;
    }
    if (mode == L"listen" && argc == 5) {
        g_log = _wfopen(argv[2], L"w, ccs=UTF-8");
        const HANDLE ready = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[3]);
        const HANDLE stop = OpenEventW(SYNCHRONIZE, FALSE, argv[4]);
        // Every process, as Wine delivers nothing to a hook filtered to one.
        const HWINEVENTHOOK hook = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, onEvent, 0, 0,
                                                   WINEVENT_OUTOFCONTEXT | WINEVENT_SKIPOWNPROCESS);
        SetEvent(ready);
        for (;;) {
            const DWORD woke = MsgWaitForMultipleObjects(1, &stop, FALSE, 20000, QS_ALLINPUT);
            if (woke != WAIT_OBJECT_0 + 1)
                break;
            MSG msg{};
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&msg);
        }
        UnhookWinEvent(hook);
        std::fclose(g_log);
        return 0;
    }
    return 2;
}
