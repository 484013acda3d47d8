// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/win32controls.h"

#include "platform/forms/menutree.h"
#include "platform/forms/pixels.h"
#include "platform/system/utf16.h"
#include "platform/win32/win32gdicache.h"

#include <commctrl.h>

#include <algorithm>

namespace kelvastro {

namespace {

DWORD alignmentStyle(const ControlDef &def)
{
    const bool edit = def.kind == ControlKind::TextBox;
    switch (def.alignment) {
    case Alignment::Right: return edit ? ES_RIGHT : SS_RIGHT;
    case Alignment::Centre: return edit ? ES_CENTER : SS_CENTER;
    case Alignment::Left: break;
    }
    return edit ? ES_LEFT : SS_LEFT;
}

HMENU idOfControl(ControlId id)
{
    return reinterpret_cast<HMENU>(static_cast<INT_PTR>(Win32Controls::kIdBase + id));
}

} // namespace

Win32Controls::Win32Controls(const FormDefinition &form, Win32GdiCache &gdi, HINSTANCE instance, Classes classes)
    : m_form(form), m_gdi(gdi), m_instance(instance), m_classes(classes), m_controls(form.controls.size(), nullptr),
      m_systemProcs(form.controls.size(), nullptr)
{
}

void Win32Controls::create(HWND window, HWND surface, const std::vector<std::string> &captions)
{
    if (m_form.startUp)
        buildMenu(window);
    std::vector<bool> named(m_controls.size(), false); // a text box that the label before it makes
    for (const ControlDef &def : m_form.controls)
        if (def.kind == ControlKind::Label && def.buddy != kNoControl)
            named[def.buddy] = true;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const auto id = static_cast<ControlId>(i);
        if (m_controls[id] || (m_form.control(id).kind == ControlKind::TextBox && named[id]))
            continue;
        m_controls[id] = make(id, window, surface, captions[id]);
        const ControlDef &def = m_form.control(id);
        if (def.kind == ControlKind::Label && def.buddy != kNoControl && !m_controls[def.buddy])
            m_controls[def.buddy] = make(def.buddy, window, surface, captions[def.buddy]);
    }
    if (m_status)
        SendMessageW(m_status, WM_SIZE, 0, 0);
    for (std::size_t i = 0; i < m_controls.size(); ++i)
        if (m_controls[i] && m_form.controls[i].kind == ControlKind::Label && m_form.controls[i].autoSize)
            fitLabel(static_cast<ControlId>(i), captions[i]);
}

// Where a control goes in its parent's client area: a panel's controls are
// placed from the panel's outer corner, as the table gives them, and its
// border lies outside its client area.
POINT Win32Controls::placeOf(ControlId id) const
{
    const ControlDef &def = m_form.control(id);
    int insetX = 0, insetY = 0;
    if (def.container != kNoControl && m_controls[def.container]) {
        const HWND panel = m_controls[def.container];
        RECT outer{}, client{};
        GetWindowRect(panel, &outer);
        GetClientRect(panel, &client);
        MapWindowPoints(panel, nullptr, reinterpret_cast<POINT *>(&client), 2);
        insetX = client.left - outer.left;
        insetY = client.top - outer.top;
    }
    const PixelRect r = controlRect(m_form, id, static_cast<int>(m_gdi.dpi()), insetX, insetY);
    return {r.x, r.y};
}

HFONT Win32Controls::fontOf(ControlId id) const
{
    return m_gdi.font(m_form.control(id).font.value_or(m_form.font));
}

HWND Win32Controls::make(ControlId id, HWND window, HWND surface, const std::string &caption)
{
    const ControlDef &def = m_form.control(id);
    const HWND parent = def.container != kNoControl && m_controls[def.container] ? m_controls[def.container] : surface;
    const int dpi = static_cast<int>(m_gdi.dpi());
    // Made where they belong and in their font: moving two dozen windows
    // afterwards is a tenth of the start-up under Wine.
    const POINT at = placeOf(id);
    const int x = at.x, y = at.y, w = pixels(def.width, dpi), h = pixels(def.height, dpi);
    const std::wstring text = wide(caption);
    HWND hwnd = nullptr;
    switch (def.kind) {
    case ControlKind::TextBox:
        hwnd = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | alignmentStyle(def)
                                   | (def.locked ? ES_READONLY : 0),
                               x, y, w, h, parent, idOfControl(id), m_instance, nullptr);
        SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);
        break;
    case ControlKind::Label:
        // SS_NOTIFY: a label takes the clicks that land on it, so that they
        // never reach the panel beneath.
        hwnd = CreateWindowExW(0, L"STATIC", text.c_str(),
                               WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_NOTIFY
                                   | (def.autoSize ? SS_LEFTNOWORDWRAP : alignmentStyle(def)),
                               x, y, w, h, parent, idOfControl(id), m_instance, nullptr);
        break;
    case ControlKind::Button:
        // A push button ignores a background brush: a coloured one draws itself.
        hwnd = CreateWindowExW(0, L"BUTTON", text.c_str(),
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP
                                   | (def.graphical ? BS_OWNERDRAW
                                                    : (def.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)),
                               x, y, w, h, parent, idOfControl(id), m_instance, nullptr);
        break;
    case ControlKind::Frame:
        // The border outside the client area, so that no label paints over it.
        hwnd = CreateWindowExW(0, m_classes.panel, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_BORDER, x, y, w,
                               h, parent, idOfControl(id), m_instance, m_classes.panelData);
        break;
    case ControlKind::StatusLine:
        if (m_form.startUp)
            m_status = hwnd = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0,
                                              0, 0, window, idOfControl(id), m_instance, nullptr);
        break;
    case ControlKind::Line:
    case ControlKind::MenuItem:
    case ControlKind::Command:
        break;
    }
    if (!hwnd)
        return nullptr;
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(id)), FALSE);
    // Subclassed the classic way: comctl32's subclassing keeps its data in a
    // window property, which Wine fetches from its server for every message.
    if (def.kind == ControlKind::TextBox || def.kind == ControlKind::Button) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(m_classes.subclassData));
        m_systemProcs[id] = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_classes.subclass)));
    }
    return hwnd;
}

void Win32Controls::buildMenu(HWND window)
{
    const std::vector<MenuEntry> tree = menuTree(m_form);
    if (tree.empty())
        return;
    m_menu = CreateMenu();
    for (const MenuEntry &entry : tree) {
        const std::wstring caption = wide(m_form.control(entry.item).caption);
        if (entry.dropDown.empty()) {
            AppendMenuW(m_menu, MF_STRING, Win32Controls::kIdBase + entry.item, caption.c_str());
            continue;
        }
        const HMENU dropDown = CreatePopupMenu();
        for (ControlId id : entry.dropDown)
            AppendMenuW(dropDown, MF_STRING, Win32Controls::kIdBase + id, wide(m_form.control(id).caption).c_str());
        AppendMenuW(m_menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(dropDown), caption.c_str());
    }
    SetMenu(window, m_menu);
}

HMENU Win32Controls::menuItemOwner(ControlId id) const
{
    if (!m_menu)
        return nullptr;
    const auto command = static_cast<UINT>(kIdBase + id);
    for (int i = 0, n = GetMenuItemCount(m_menu); i < n; ++i) {
        if (GetMenuItemID(m_menu, i) == command)
            return m_menu;
        if (HMENU sub = GetSubMenu(m_menu, i))
            for (int j = 0, items = GetMenuItemCount(sub); j < items; ++j)
                if (GetMenuItemID(sub, j) == command)
                    return sub;
    }
    return nullptr;
}

void Win32Controls::layout(const std::vector<std::string> &captions)
{
    const int dpi = static_cast<int>(m_gdi.dpi());
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const auto id = static_cast<ControlId>(i);
        const HWND hwnd = m_controls[id];
        if (!hwnd)
            continue;
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(id)), FALSE);
        if (hwnd == m_status) {
            SendMessageW(hwnd, WM_SIZE, 0, 0);
            continue;
        }
        const ControlDef &def = m_form.control(id);
        const POINT at = placeOf(id);
        SetWindowPos(hwnd, nullptr, at.x, at.y, pixels(def.width, dpi), pixels(def.height, dpi),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (def.kind == ControlKind::Label && def.autoSize)
            fitLabel(id, captions[id]);
    }
}

void Win32Controls::fitLabel(ControlId id, const std::string &caption)
{
    const HWND hwnd = m_controls[id];
    const std::wstring text = wide(caption);
    const HDC dc = GetDC(hwnd);
    const HGDIOBJ old = SelectObject(dc, fontOf(id));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    SetWindowPos(hwnd, nullptr, 0, 0, extent.cx, std::max<LONG>(extent.cy, metrics.tmHeight),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

ControlId Win32Controls::idOf(HWND hwnd) const
{
    const auto at = hwnd ? std::find(m_controls.begin(), m_controls.end(), hwnd) : m_controls.end();
    return at == m_controls.end() ? kNoControl : static_cast<ControlId>(at - m_controls.begin());
}

void Win32Controls::forget()
{
    m_controls.assign(m_controls.size(), nullptr);
    m_status = nullptr;
}

} // namespace kelvastro
