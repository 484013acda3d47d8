// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/win32accessible.h"

#include <utility>

namespace kelvastro {

namespace win32 {

const IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

namespace {

const IID kIidDispatch = {0x00020400, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const IID kIidUnknown = {0x00000000, 0x0000, 0x0000, {0xc0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
const CLSID kClsidAccPropServices = {0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
const IID kIidAccPropServices = {0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
const GUID kPropidAccName = {0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
// UI Automation's LiveSetting, which Windows reads off an MSAA object's annotation.
const GUID kLiveSettingProperty = {0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr long kPolite = 1;

// oleacc and oleaut32 are read from disk when a screen reader first asks
// for an object, not at every start of the program: most starts have none.
template <typename Function>
Function entry(const wchar_t *library, const char *name)
{
    const HMODULE module = LoadLibraryW(library); // kept for the rest of the run
    const FARPROC found = module ? GetProcAddress(module, name) : nullptr;
    // Through void (*)(), the one function pointer type every other converts from and to.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

BSTR systemString(const std::wstring &text)
{
    static const auto allocate = entry<BSTR(WINAPI *)(const OLECHAR *)>(L"oleaut32.dll", "SysAllocString");
    return allocate ? allocate(text.c_str()) : nullptr;
}

// The annotation service, where Windows has one; Wine's does not annotate.
IAccPropServices *annotations()
{
    // COM as a screen reader's requests need it, begun when the first one comes.
    static const bool com = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    if (!com)
        return nullptr;
    IAccPropServices *services = nullptr;
    if (FAILED(CoCreateInstance(kClsidAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIidAccPropServices,
                                reinterpret_cast<void **>(&services))))
        return nullptr;
    return services;
}

} // namespace

void annotateName(HWND hwnd, const std::wstring &name)
{
    if (IAccPropServices *services = annotations()) {
        services->SetHwndPropStr(hwnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kPropidAccName, name.c_str());
        services->Release();
    }
}

void markLiveRegion(HWND hwnd)
{
    if (IAccPropServices *services = annotations()) {
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = kPolite;
        services->SetHwndProp(hwnd, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, kLiveSettingProperty, polite);
        services->Release();
    }
}

void liveRegionChanged(HWND hwnd)
{
    NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, hwnd, OBJID_CLIENT, CHILDID_SELF);
}

} // namespace win32

LRESULT Win32Accessible::answer(HWND hwnd, WPARAM wParam, const Overrides &overrides)
{
    using win32::entry;
    static const auto standardObject = entry<HRESULT(WINAPI *)(HWND, LONG, REFIID, void **)>(
        L"oleacc.dll", "CreateStdAccessibleObject");
    static const auto lresultFromObject = entry<LRESULT(WINAPI *)(REFIID, WPARAM, LPUNKNOWN)>(
        L"oleacc.dll", "LresultFromObject");
    IAccessible *system = nullptr;
    if (!standardObject || !lresultFromObject
        || FAILED(standardObject(hwnd, OBJID_CLIENT, win32::kIidAccessible, reinterpret_cast<void **>(&system)))
        || !system)
        return 0;
    auto *object = new Win32Accessible(system, overrides);
    const LRESULT result = lresultFromObject(win32::kIidAccessible, wParam, object);
    object->Release();
    return result;
}

Win32Accessible::Win32Accessible(IAccessible *system, Overrides overrides)
    : m_system(system), m_overrides(std::move(overrides))
{
}

Win32Accessible::~Win32Accessible() { m_system->Release(); }

HRESULT Win32Accessible::QueryInterface(REFIID riid, void **object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(riid, win32::kIidAccessible) || IsEqualIID(riid, win32::kIidDispatch)
        || IsEqualIID(riid, win32::kIidUnknown)) {
        *object = static_cast<IAccessible *>(this);
        AddRef();
        return S_OK;
    }
    // Anything else the system's object offers (IEnumVARIANT for its children, say).
    return m_system->QueryInterface(riid, object);
}

ULONG Win32Accessible::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&m_references)); }

ULONG Win32Accessible::Release()
{
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT Win32Accessible::GetTypeInfoCount(UINT *count) { return m_system->GetTypeInfoCount(count); }
HRESULT Win32Accessible::GetTypeInfo(UINT index, LCID locale, ITypeInfo **info)
{
    return m_system->GetTypeInfo(index, locale, info);
}
HRESULT Win32Accessible::GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID locale, DISPID *ids)
{
    return m_system->GetIDsOfNames(riid, names, count, locale, ids);
}
HRESULT Win32Accessible::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS *params,
                                VARIANT *result, EXCEPINFO *exception, UINT *argument)
{
    return m_system->Invoke(id, riid, locale, flags, params, result, exception, argument);
}

HRESULT Win32Accessible::get_accParent(IDispatch **parent) { return m_system->get_accParent(parent); }
HRESULT Win32Accessible::get_accChildCount(long *count) { return m_system->get_accChildCount(count); }
HRESULT Win32Accessible::get_accChild(VARIANT child, IDispatch **object) { return m_system->get_accChild(child, object); }

HRESULT Win32Accessible::get_accName(VARIANT child, BSTR *name)
{
    if (isSelf(child) && m_overrides.name && name) {
        *name = win32::systemString(*m_overrides.name);
        return S_OK;
    }
    return m_system->get_accName(child, name);
}

HRESULT Win32Accessible::get_accValue(VARIANT child, BSTR *value) { return m_system->get_accValue(child, value); }

HRESULT Win32Accessible::get_accDescription(VARIANT child, BSTR *description)
{
    if (isSelf(child) && m_overrides.description && description) {
        *description = win32::systemString(*m_overrides.description);
        return S_OK;
    }
    return m_system->get_accDescription(child, description);
}

HRESULT Win32Accessible::get_accRole(VARIANT child, VARIANT *role)
{
    if (isSelf(child) && m_overrides.role && role) {
        *role = VARIANT{};
        role->vt = VT_I4;
        role->lVal = *m_overrides.role;
        return S_OK;
    }
    return m_system->get_accRole(child, role);
}

HRESULT Win32Accessible::get_accState(VARIANT child, VARIANT *state) { return m_system->get_accState(child, state); }
HRESULT Win32Accessible::get_accHelp(VARIANT child, BSTR *help) { return m_system->get_accHelp(child, help); }
HRESULT Win32Accessible::get_accHelpTopic(BSTR *file, VARIANT child, long *topic)
{
    return m_system->get_accHelpTopic(file, child, topic);
}
HRESULT Win32Accessible::get_accKeyboardShortcut(VARIANT child, BSTR *shortcut)
{
    return m_system->get_accKeyboardShortcut(child, shortcut);
}
HRESULT Win32Accessible::get_accFocus(VARIANT *child) { return m_system->get_accFocus(child); }
HRESULT Win32Accessible::get_accSelection(VARIANT *children) { return m_system->get_accSelection(children); }
HRESULT Win32Accessible::get_accDefaultAction(VARIANT child, BSTR *action)
{
    return m_system->get_accDefaultAction(child, action);
}
HRESULT Win32Accessible::accSelect(long flags, VARIANT child) { return m_system->accSelect(flags, child); }
HRESULT Win32Accessible::accLocation(long *left, long *top, long *width, long *height, VARIANT child)
{
    return m_system->accLocation(left, top, width, height, child);
}
HRESULT Win32Accessible::accNavigate(long direction, VARIANT start, VARIANT *end)
{
    return m_system->accNavigate(direction, start, end);
}
HRESULT Win32Accessible::accHitTest(long left, long top, VARIANT *child) { return m_system->accHitTest(left, top, child); }
HRESULT Win32Accessible::accDoDefaultAction(VARIANT child) { return m_system->accDoDefaultAction(child); }
HRESULT Win32Accessible::put_accName(VARIANT child, BSTR name) { return m_system->put_accName(child, name); }
HRESULT Win32Accessible::put_accValue(VARIANT child, BSTR value) { return m_system->put_accValue(child, value); }

} // namespace kelvastro
