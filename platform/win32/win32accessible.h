// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <windows.h>

// COM interfaces have no virtual destructor; objects go by Release().
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
#include <oleacc.h>

#include <optional>
#include <string>

namespace kelvastro {

// What a screen reader gets for a window or control of ours: the system's
// own accessible object for it, with the name, description or role that the
// definition says and the system cannot know (a dialog drawn by the program,
// a field without a label of its own). Answered from WM_GETOBJECT, which is
// how Windows screen readers, and Wine's oleacc, ask.
class Win32Accessible final : public IAccessible {
public:
    struct Overrides {
        std::optional<std::wstring> name;
        std::optional<std::wstring> description;
        std::optional<long> role;
    };

    // The answer to WM_GETOBJECT for OBJID_CLIENT: the system's object with
    // `overrides` on top, or 0 to let the system answer alone.
    static LRESULT answer(HWND hwnd, WPARAM wParam, const Overrides &overrides);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void **object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT *count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo **info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR *names, UINT count, LCID locale,
                                            DISPID *ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS *params,
                                     VARIANT *result, EXCEPINFO *exception, UINT *argument) override;
    // IAccessible: the overrides for the object itself, the system's for the rest.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch **parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long *count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch **object) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR *name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR *value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR *description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT *role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT *state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR *help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR *file, VARIANT child, long *topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR *shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT *child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT *children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR *action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long *left, long *top, long *width, long *height, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT *end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT *child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

private:
    Win32Accessible(IAccessible *system, Overrides overrides);
    virtual ~Win32Accessible();

    static bool isSelf(const VARIANT &child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

    LONG m_references = 1;
    IAccessible *m_system;
    Overrides m_overrides;
};

#pragma GCC diagnostic pop

namespace win32 {

// The interface ids, declared here: mingw's static IID_IAccessible can come out wrong in a static build.
extern const IID kIidAccessible;

// Names a control for screen readers the documented way, by dynamic
// annotation; Windows applies it to whatever object the control offers.
void annotateName(HWND hwnd, const std::wstring &name);
// A window whose changes a screen reader speaks wherever the focus is, once each.
void markLiveRegion(HWND hwnd);
void liveRegionChanged(HWND hwnd);

} // namespace win32

} // namespace kelvastro
