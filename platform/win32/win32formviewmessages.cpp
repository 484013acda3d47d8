// SPDX-License-Identifier: GPL-3.0-or-later
// Win32FormView's handlers: one function per message the window, its
// surface, its panel and its controls answer.
#include "platform/forms/focuscause.h"
#include "platform/forms/pixels.h"
#include "platform/system/utf16.h"
#include "platform/win32/win32accessible.h"
#include "platform/win32/win32design.h"
#include "platform/win32/win32formsservices.h"
#include "platform/win32/win32formview.h"
#include "platform/win32/win32painting.h"

#include <algorithm>

namespace kelvastro {

using namespace win32;

namespace {

// The least the main window may be made: a corner of its fields and the status line.
constexpr int kMinimumWidth = 240, kMinimumHeight = 160; // pixels at 96 DPI

std::string windowText(HWND hwnd)
{
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    return fromWide(text.data(), static_cast<std::size_t>(std::max(copied, 0)));
}

Win32FormView *viewOf(HWND hwnd)
{
    return reinterpret_cast<Win32FormView *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

} // namespace

LRESULT CALLBACK Win32FormView::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<Win32FormView *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        if (!self->m_window)
            self->m_window = hwnd;
    }
    Win32FormView *self = viewOf(hwnd);
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        if (hwnd == self->m_window) {
            self->m_window = self->m_viewportWindow = self->m_canvas = nullptr;
            self->m_controls.forget();
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (hwnd == self->m_viewportWindow) {
        LRESULT result = 0;
        return self->m_viewport.handle(message, wParam, result) ? result : DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (hwnd == self->m_canvas)
        return self->handleSurface(hwnd, message, wParam, lParam);
    return self->handleWindow(hwnd, message, wParam, lParam);
}

LRESULT Win32FormView::handleWindow(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ACTIVATE: return onActivate(wParam);
    case WM_SETFOCUS: return onActivate(WA_ACTIVE);
    case WM_SIZE: return onSize();
    case WM_GETMINMAXINFO: return onMinMaxInfo(*reinterpret_cast<MINMAXINFO *>(lParam));
    case WM_DPICHANGED: return onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam));
    case WM_SYSCOLORCHANGE: return onSysColorChange();
    case WM_CLOSE: m_host.closeBoxPressed(); return 0;
    case WM_MOUSEWHEEL: return m_viewportWindow ? SendMessageW(m_viewportWindow, message, wParam, lParam) : 0;
    case WM_GETOBJECT: return onGetObject(hwnd, wParam, lParam, kNoControl);
    default: break;
    }
    if (!m_canvas) // a dialog's controls sit on the window itself
        return handleSurface(hwnd, message, wParam, lParam);
    if (message == WM_COMMAND)
        return onCommand(wParam, lParam);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT Win32FormView::handleSurface(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: return onCommand(wParam, lParam);
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: return onControlColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLORBTN: return reinterpret_cast<LRESULT>(m_gdi.brush(surfaceColor()));
    case WM_DRAWITEM: return onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam));
    case WM_ERASEBKGND: return onEraseBackground(hwnd, reinterpret_cast<HDC>(wParam), surfaceColor());
    case WM_PAINT: return onPaint(hwnd);
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT Win32FormView::onCommand(WPARAM wParam, LPARAM lParam)
{
    const auto id = static_cast<ControlId>(LOWORD(wParam) - kIdBase);
    if (LOWORD(wParam) < kIdBase || id >= m_definition.controls.size())
        return 0;
    const ControlDef &def = m_definition.control(id);
    if (lParam == 0) {
        if (def.kind == ControlKind::MenuItem)
            m_host.clicked(id);
        return 0;
    }
    const auto child = reinterpret_cast<HWND>(lParam);
    if (child != control(id))
        return 0;
    if (HIWORD(wParam) == EN_CHANGE && def.kind == ControlKind::TextBox)
        m_host.textChanged(id, windowText(child));
    else if (HIWORD(wParam) == BN_CLICKED && def.kind == ControlKind::Button)
        m_host.clicked(id);
    return 0;
}

LRESULT Win32FormView::onControlColors(HDC dc, HWND child)
{
    const ControlId id = m_controls.idOf(child);
    if (id == kNoControl) {
        SetBkColor(dc, surfaceColor());
        return reinterpret_cast<LRESULT>(m_gdi.brush(surfaceColor()));
    }
    const Look look = m_host.look(id);
    SetTextColor(dc, bgrOfRgb(look.text));
    SetBkColor(dc, bgrOfRgb(look.back));
    return reinterpret_cast<LRESULT>(m_gdi.brush(bgrOfRgb(look.back)));
}

LRESULT Win32FormView::onDrawItem(const DRAWITEMSTRUCT &item)
{
    const auto id = static_cast<ControlId>(item.CtlID - kIdBase);
    if (id < m_definition.controls.size()) {
        const Look look = m_host.look(id);
        drawColouredButton(item, wide(m_host.text(id)), m_gdi.brush(bgrOfRgb(look.back)), bgrOfRgb(look.text),
                           m_gdi.font(m_definition.control(id).font.value_or(m_definition.font)));
    }
    return TRUE;
}

LRESULT Win32FormView::onEraseBackground(HWND hwnd, HDC dc, COLORREF color)
{
    RECT r{};
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, m_gdi.brush(color));
    return 1;
}

LRESULT Win32FormView::onPaint(HWND hwnd)
{
    PAINTSTRUCT ps{};
    const HDC dc = BeginPaint(hwnd, &ps);
    drawLines(dc, m_definition, m_services.scheme(), m_gdi.dpi());
    const ControlId id = m_host.focus();
    if (id != kNoControl && m_definition.control(id).kind == ControlKind::TextBox && GetParent(control(id)) == hwnd) {
        RECT r{};
        GetWindowRect(control(id), &r);
        MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT *>(&r), 2);
        drawFocusRing(dc, ringAround(r, m_gdi.dpi()), m_gdi.brush(bgrOfRgb(m_services.scheme().focusRing(m_definition))),
                      m_gdi.dpi());
    }
    EndPaint(hwnd, &ps);
    return 0;
}

// A plain window gives the focus to itself when activated: the control that
// had it gets it back instead, as the focus round trip of the contract.
LRESULT Win32FormView::onActivate(WPARAM wParam)
{
    if (LOWORD(wParam) != WA_INACTIVE && !m_closing)
        m_host.activated();
    return 0;
}

LRESULT Win32FormView::onSize()
{
    layoutMainWindow();
    return 0;
}

// The viewport takes the client area above the status bar.
void Win32FormView::layoutMainWindow()
{
    if (!m_viewportWindow)
        return;
    RECT client{};
    GetClientRect(m_window, &client);
    if (const HWND bar = statusBar()) {
        SendMessageW(bar, WM_SIZE, 0, 0);
        RECT barRect{};
        GetWindowRect(bar, &barRect);
        client.bottom -= barRect.bottom - barRect.top;
    }
    m_viewport.place(client);
    if (const ControlId id = m_host.focus(); id != kNoControl)
        focusMoved(kNoControl, id);
}

LRESULT Win32FormView::onMinMaxInfo(MINMAXINFO &info)
{
    // Small enough for any screen; what does not fit scrolls.
    const int dpi = static_cast<int>(m_gdi.dpi());
    if (m_definition.startUp)
        info.ptMinTrackSize = {MulDiv(kMinimumWidth, dpi, USER_DEFAULT_SCREEN_DPI),
                               MulDiv(kMinimumHeight, dpi, USER_DEFAULT_SCREEN_DPI)};
    return 0;
}

LRESULT Win32FormView::onDpiChanged(UINT dpi, const RECT &suggested)
{
    for (std::size_t i = 0; i < m_definition.controls.size(); ++i)
        if (HWND c = control(static_cast<ControlId>(i)))
            SendMessageW(c, WM_SETFONT, 0, FALSE); // no control may keep a font about to go
    m_gdi.setDpi(dpi);
    m_controls.layout(captions());
    if (m_canvas) {
        const PixelRect table = clientRect(m_definition, static_cast<int>(dpi));
        m_viewport.setCanvasSize({table.width, table.height});
    }
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(m_window, nullptr, TRUE);
    return 0;
}

// Every window shows itself in the desktop's new colours (showLook).
LRESULT Win32FormView::onSysColorChange()
{
    m_services.updateScheme();
    return 0;
}

LRESULT CALLBACK Win32FormView::panelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams));
    auto *self = reinterpret_cast<Win32FormView *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || message == WM_NCDESTROY)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    return self->handlePanel(hwnd, message, wParam, lParam);
}

LRESULT Win32FormView::handlePanel(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const ControlId id = m_controls.idOf(hwnd);
    switch (message) {
    case WM_CTLCOLORSTATIC: return onControlColors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND:
        return id == kNoControl ? 1 : onEraseBackground(hwnd, reinterpret_cast<HDC>(wParam), bgrOfRgb(m_host.look(id).back));
    case WM_LBUTTONUP:
        // Only its bare surface: a label takes the clicks that land on it.
        if (id != kNoControl)
            m_host.clicked(id);
        return 0;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Win32FormView::controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto *self = reinterpret_cast<Win32FormView *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    const ControlId id = self ? self->m_controls.idOf(hwnd) : kNoControl;
    if (id == kNoControl)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const WNDPROC system = self->m_controls.systemProc(id);
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(system));
        return CallWindowProcW(system, hwnd, message, wParam, lParam);
    }
    return self->handleControl(id, hwnd, message, wParam, lParam);
}

LRESULT Win32FormView::systemHandles(ControlId id, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return CallWindowProcW(m_controls.systemProc(id), hwnd, message, wParam, lParam);
}

LRESULT Win32FormView::handleControl(ControlId id, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS: return onControlFocus(id, hwnd, message, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return onControlClick(id, hwnd, message, wParam, lParam);
    case WM_GETOBJECT:
        if (const LRESULT answer = onGetObject(hwnd, wParam, lParam, id))
            return answer;
        break;
    case WM_CHAR:
        // Keys the window used: a single-line field would only beep at them.
        if (wParam == L'\r' || wParam == L'\x1B' || wParam == L'\t')
            return 0;
        break;
    default: break;
    }
    return systemHandles(id, hwnd, message, wParam, lParam);
}

// A secondary window is a dialog to a screen reader, named and described by
// its text; a field without a label of its own is named by the definition.
// Everything else is the system's to answer.
LRESULT Win32FormView::onGetObject(HWND hwnd, WPARAM wParam, LPARAM lParam, ControlId id)
{
    prepareForScreenReaders();
    if (static_cast<LONG>(lParam) != OBJID_CLIENT)
        return id == kNoControl ? DefWindowProcW(hwnd, WM_GETOBJECT, wParam, lParam) : 0;
    Win32Accessible::Overrides overrides;
    if (id == kNoControl) {
        if (m_definition.startUp)
            return DefWindowProcW(hwnd, WM_GETOBJECT, wParam, lParam);
        const std::string_view name = m_definition.caption.empty() ? m_definition.accessibleName : std::string_view{};
        overrides.name = name.empty() ? std::optional<std::wstring>{} : wide(name);
        overrides.description = m_description;
        overrides.role = ROLE_SYSTEM_DIALOG;
    } else {
        const ControlDef &def = m_definition.control(id);
        if (def.kind != ControlKind::TextBox || def.accessibleName.empty())
            return 0;
        overrides.name = wide(spokenName(m_definition, id));
    }
    return Win32Accessible::answer(hwnd, wParam, overrides);
}

// Focus that Windows moved itself: activation, a box, another program.
LRESULT Win32FormView::onControlFocus(ControlId id, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = systemHandles(id, hwnd, message, wParam, lParam);
    if (m_closing)
        return result;
    const auto other = reinterpret_cast<HWND>(wParam);
    const FocusCause cause = focusCause(FocusOrigin::Other, contains(other));
    if (message == WM_SETFOCUS)
        m_host.focusArrived(id, cause);
    else
        m_host.focusLeft(id, cause);
    return result;
}

// The press gives the focus first; a control that sent it on, or lost it
// back to a field that refused to be left, is not pressed.
LRESULT Win32FormView::onControlClick(ControlId id, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_host.focus() != id) {
        m_host.setFocus(id, FocusCause::Click);
        if (m_host.refusesPress(id))
            return 0;
    }
    return systemHandles(id, hwnd, message, wParam, lParam);
}

} // namespace kelvastro
