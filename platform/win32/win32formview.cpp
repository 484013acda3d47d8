// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/win32formview.h"

#include "platform/system/utf16.h"
#include "platform/win32/win32design.h"
#include "platform/win32/win32formsservices.h"

#include <commctrl.h>

#include <algorithm>
#include <cwctype>

namespace kelvastro {

using namespace win32;

namespace {

constexpr const wchar_t *kFormClass = L"KelvastroForm";
constexpr const wchar_t *kPanelClass = L"KelvastroPanel";
constexpr int kRingWidth = 2; // pixels at 96 DPI, outside the field

std::string windowText(HWND hwnd)
{
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd, text.data(), length + 1);
    return fromWide(text.data(), static_cast<std::size_t>(std::max(copied, 0)));
}

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

bool sameFont(const FontDef &a, const FontDef &b)
{
    return a.family == b.family && a.points == b.points && a.bold == b.bold;
}

// A key in portable notation, "Ctrl+Shift+C": true when `msg` is that key.
bool isShortcut(std::string_view shortcut, const MSG &msg)
{
    bool ctrl = false, shift = false, alt = false;
    std::string_view key;
    while (!shortcut.empty()) {
        const auto plus = shortcut.find('+');
        const std::string_view part = shortcut.substr(0, plus);
        if (plus == std::string_view::npos || plus + 1 == shortcut.size()) {
            key = shortcut;
            break;
        }
        ctrl |= part == "Ctrl";
        shift |= part == "Shift";
        alt |= part == "Alt";
        shortcut.remove_prefix(plus + 1);
    }
    if (key.size() != 1)
        return false;
    const auto vk = static_cast<WPARAM>(std::towupper(static_cast<wint_t>(key.front())));
    return msg.wParam == vk && (GetKeyState(VK_CONTROL) < 0) == ctrl && (GetKeyState(VK_SHIFT) < 0) == shift
           && (GetKeyState(VK_MENU) < 0) == alt;
}

// The letter after a single '&' in a caption, as Windows underlines it.
wchar_t accessKeyOf(std::string_view caption)
{
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return static_cast<wchar_t>(std::towupper(static_cast<unsigned char>(caption[i + 1])));
        ++i;
    }
    return 0;
}

Win32FormView *viewOf(HWND hwnd)
{
    return reinterpret_cast<Win32FormView *>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

} // namespace

void Win32FormView::registerClasses(HINSTANCE instance)
{
    WNDCLASSEXW form{};
    form.cbSize = sizeof form;
    form.style = CS_HREDRAW | CS_VREDRAW;
    form.lpfnWndProc = windowProc;
    form.hInstance = instance;
    form.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    form.hIcon = static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                               GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
    form.hIconSm = static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    form.lpszClassName = kFormClass;
    RegisterClassExW(&form);

    WNDCLASSEXW panel{};
    panel.cbSize = sizeof panel;
    panel.lpfnWndProc = panelProc;
    panel.hInstance = instance;
    panel.hCursor = form.hCursor;
    panel.lpszClassName = kPanelClass;
    RegisterClassExW(&panel);
}

Win32FormView::Win32FormView(Win32FormsServices &services, Form &form, HWND owner)
    : m_services(services), m_form(form), m_definition(form.definition()),
      m_controls(m_definition.controls.size(), nullptr), m_texts(m_definition.controls.size()),
      m_backColors(m_definition.controls.size())
{
    for (std::size_t i = 0; i < m_definition.controls.size(); ++i) {
        const ControlDef &def = m_definition.controls[i];
        // Text boxes are empty until the load step writes them: a design text
        // would be worked on by the first recalculation the load sets off.
        if (def.kind != ControlKind::TextBox)
            m_texts[i] = std::string(def.caption);
        m_backColors[i] = backColorOf(def);
    }
    create(owner);
}

Win32FormView::~Win32FormView()
{
    // Destroying the controls moves the focus; no event may reach the form by then.
    m_closing = true;
    if (m_window)
        DestroyWindow(m_window);
    freeGdiObjects();
}

void Win32FormView::create(HWND owner)
{
    DWORD style = WS_CLIPCHILDREN;
    DWORD exStyle = WS_EX_CONTROLPARENT;
    if (m_definition.startUp) {
        style |= WS_OVERLAPPEDWINDOW;
    } else {
        style |= WS_POPUP;
        exStyle |= WS_EX_DLGMODALFRAME;
        // No caption and no close box: no title bar at all.
        if (m_definition.controlBox || !m_definition.caption.empty())
            style |= WS_CAPTION | WS_SYSMENU;
        else
            style |= WS_BORDER;
    }
    // A window without a title is named for assistive technology by its text.
    const std::wstring title =
        wide(m_definition.caption.empty() ? m_definition.accessibleName : m_definition.caption);
    CreateWindowExW(exStyle, kFormClass, title.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, owner, nullptr, m_services.instance(), this);
    if (!m_window)
        return;
    m_dpi = dpiOf(m_window);
    if (m_definition.startUp)
        buildMenu();

    std::vector<bool> named(m_controls.size(), false); // a text box that a label before it creates
    for (const ControlDef &def : m_definition.controls)
        if (def.kind == ControlKind::Label && def.buddy != kNoControl)
            named[def.buddy] = true;
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        const auto id = static_cast<ControlId>(i);
        const ControlDef &def = m_definition.control(id);
        if (m_controls[id] || (def.kind == ControlKind::TextBox && named[id]))
            continue;
        const HWND parent = def.container != kNoControl && m_controls[def.container] ? m_controls[def.container]
                                                                                    : m_window;
        if (def.kind == ControlKind::TextBox) {
            createNameLabel(spokenName(m_definition, id));
            m_controls[id] = createControl(id, parent);
            continue;
        }
        m_controls[id] = createControl(id, parent);
        if (def.kind == ControlKind::Label && def.buddy != kNoControl && !m_controls[def.buddy]) {
            // The field right after the static that names it, in words a screen reader speaks.
            const std::string_view spoken = spokenName(m_definition, def.buddy);
            if (spoken != def.caption)
                createNameLabel(spoken);
            m_controls[def.buddy] = createControl(def.buddy, parent);
        }
    }
    if (m_status)
        SendMessageW(m_status, WM_SIZE, 0, 0);
    for (std::size_t i = 0; i < m_controls.size(); ++i)
        if (m_controls[i] && m_definition.controls[i].kind == ControlKind::Label && m_definition.controls[i].autoSize)
            relayoutLabel(static_cast<ControlId>(i));
    if (!tabOrder(m_definition).empty()) {
        // Focus rectangles and access key underlines always shown, not only after a key press.
        SendMessageW(m_window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
    }
}

HWND Win32FormView::createNameLabel(std::string_view name)
{
    // Seen by no one: zero-sized, it is there only to name the control after it.
    const HWND hwnd = CreateWindowExW(0, L"STATIC", wide(name).c_str(), WS_CHILD | WS_VISIBLE | SS_NOPREFIX, 0, 0,
                                      0, 0, m_window, nullptr, m_services.instance(), nullptr);
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(m_definition.font)), FALSE);
    return hwnd;
}

// Where a control goes in its parent's client area: a panel's controls are
// placed from the panel's outer corner, as the table gives them, and its
// border lies outside its client area.
POINT Win32FormView::placeOf(const ControlDef &def) const
{
    POINT at{px(def.left, m_dpi), px(def.top, m_dpi)};
    if (def.container != kNoControl && m_controls[def.container]) {
        RECT outer{}, client{};
        GetWindowRect(m_controls[def.container], &outer);
        GetClientRect(m_controls[def.container], &client);
        MapWindowPoints(m_controls[def.container], nullptr, reinterpret_cast<POINT *>(&client), 2);
        at.x -= client.left - outer.left;
        at.y -= client.top - outer.top;
    }
    return at;
}

HWND Win32FormView::createControl(ControlId id, HWND parent)
{
    const ControlDef &def = m_definition.control(id);
    const auto menuId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(kIdBase + id));
    const HINSTANCE instance = m_services.instance();
    // Made where they belong and in their font: moving two dozen windows
    // afterwards is a tenth of the start-up under Wine.
    const POINT at = placeOf(def);
    const int x = at.x, y = at.y, w = px(def.width, m_dpi), h = px(def.height, m_dpi);
    HWND hwnd = nullptr;
    switch (def.kind) {
    case ControlKind::TextBox:
        hwnd = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | alignmentStyle(def)
                                   | (def.locked ? ES_READONLY : 0),
                               x, y, w, h, parent, menuId, instance, nullptr);
        SendMessageW(hwnd, EM_SETLIMITTEXT, 0, 0);
        break;
    case ControlKind::Label:
        hwnd = CreateWindowExW(0, L"STATIC", wide(def.caption).c_str(),
                               WS_CHILD | WS_VISIBLE | SS_NOPREFIX
                                   | (def.autoSize ? SS_LEFTNOWORDWRAP : alignmentStyle(def)),
                               x, y, w, h, parent, menuId, instance, nullptr);
        break;
    case ControlKind::Button:
        // A push button ignores a background brush: a coloured one draws itself.
        hwnd = CreateWindowExW(0, L"BUTTON", wide(def.caption).c_str(),
                               WS_CHILD | WS_VISIBLE | WS_TABSTOP
                                   | (def.graphical ? BS_OWNERDRAW
                                                    : (def.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)),
                               x, y, w, h, parent, menuId, instance, nullptr);
        break;
    case ControlKind::Frame:
        // The border outside the client area, so that no label paints over it.
        hwnd = CreateWindowExW(0, kPanelClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_BORDER, x, y, w, h,
                               parent, menuId, instance, this);
        break;
    case ControlKind::StatusLine:
        if (m_definition.startUp)
            m_status = hwnd = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0,
                                              0, 0, m_window, menuId, instance, nullptr);
        break;
    case ControlKind::Line:
    case ControlKind::MenuItem:
    case ControlKind::Command:
        break;
    }
    if (!hwnd)
        return nullptr;
    SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(fontOf(id)), FALSE);
    if (def.kind == ControlKind::TextBox || def.kind == ControlKind::Button)
        SetWindowSubclass(hwnd, controlProc, 0, reinterpret_cast<DWORD_PTR>(this));
    return hwnd;
}

void Win32FormView::buildMenu()
{
    HMENU bar = nullptr;
    HMENU dropDown = nullptr;
    for (std::size_t i = 0; i < m_definition.controls.size(); ++i) {
        const ControlDef &def = m_definition.controls[i];
        if (def.kind != ControlKind::MenuItem)
            continue;
        if (!bar)
            bar = CreateMenu();
        const std::wstring caption = wide(def.caption);
        const bool opensDropDown = def.menuLevel == 1 && i + 1 < m_definition.controls.size()
                                   && m_definition.controls[i + 1].menuLevel == 2;
        if (opensDropDown) {
            dropDown = CreatePopupMenu();
            AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(dropDown), caption.c_str());
        } else {
            AppendMenuW(def.menuLevel == 2 && dropDown ? dropDown : bar, MF_STRING, kIdBase + i, caption.c_str());
        }
    }
    if (bar) {
        m_menu = bar;
        SetMenu(m_window, bar);
    }
}

HMENU Win32FormView::menuItemOwner(ControlId id) const
{
    if (!m_menu)
        return nullptr;
    const auto command = static_cast<UINT>(kIdBase + id);
    const int items = GetMenuItemCount(m_menu);
    for (int i = 0; i < items; ++i) {
        if (GetMenuItemID(m_menu, i) == command)
            return m_menu;
        if (HMENU sub = GetSubMenu(m_menu, i))
            for (int j = 0, n = GetMenuItemCount(sub); j < n; ++j)
                if (GetMenuItemID(sub, j) == command)
                    return sub;
    }
    return nullptr;
}

HFONT Win32FormView::fontFor(const FontDef &font)
{
    for (const auto &[def, handle] : m_fonts)
        if (sameFont(def, font))
            return handle;
    HFONT handle = createFont(font, m_dpi);
    m_fonts.emplace_back(font, handle);
    return handle;
}

HFONT Win32FormView::fontOf(ControlId id)
{
    const ControlDef &def = m_definition.control(id);
    return fontFor(def.font.value_or(m_definition.font));
}

HBRUSH Win32FormView::brush(COLORREF color)
{
    for (const auto &[c, handle] : m_brushes)
        if (c == color)
            return handle;
    HBRUSH handle = CreateSolidBrush(color);
    m_brushes.emplace_back(color, handle);
    return handle;
}

void Win32FormView::freeGdiObjects()
{
    for (const auto &font : m_fonts)
        DeleteObject(font.second);
    m_fonts.clear();
    for (const auto &b : m_brushes)
        DeleteObject(b.second);
    m_brushes.clear();
}

SIZE Win32FormView::clientSize() const
{
    SIZE size{px(m_definition.clientWidth, m_dpi), px(m_definition.clientHeight, m_dpi)};
    if (m_status) {
        RECT bar{};
        GetWindowRect(m_status, &bar);
        size.cy += bar.bottom - bar.top;
    }
    return size;
}

// Every control again at the window's new DPI, in fonts made for it.
void Win32FormView::layout()
{
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
        const ControlDef &def = m_definition.control(id);
        const POINT at = placeOf(def);
        SetWindowPos(hwnd, nullptr, at.x, at.y, px(def.width, m_dpi), px(def.height, m_dpi),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (def.kind == ControlKind::Label && def.autoSize)
            relayoutLabel(id);
    }
    for (HWND child = GetWindow(m_window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetDlgCtrlID(child) == 0) // a naming static
            SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(fontFor(m_definition.font)), FALSE);
    InvalidateRect(m_window, nullptr, TRUE);
}

// An auto-sized label fits its caption on one line and keeps its top left corner.
void Win32FormView::relayoutLabel(ControlId id)
{
    const HWND hwnd = m_controls[id];
    const std::wstring caption = wide(m_texts[id]);
    const HDC dc = GetDC(hwnd);
    const HGDIOBJ old = SelectObject(dc, fontOf(id));
    SIZE extent{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    SetWindowPos(hwnd, nullptr, 0, 0, extent.cx, std::max<LONG>(extent.cy, metrics.tmHeight),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

void Win32FormView::place()
{
    if (!m_window)
        return;
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_EXSTYLE));
    const SIZE client = clientSize();
    const RECT outer = windowRectFor({0, 0, client.cx, client.cy}, style, exStyle, m_menu != nullptr, m_dpi);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    int x = 0, y = 0;
    switch (m_definition.placement) {
    case Placement::Fixed:
        // The client area's corner where the table puts it; the frame lies outside it.
        x = px(m_definition.left, m_dpi) + outer.left;
        y = px(m_definition.top, m_dpi) + outer.top;
        break;
    case Placement::CentredOnScreen: {
        const HWND owner = GetWindow(m_window, GW_OWNER);
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(owner ? owner : m_window, MONITOR_DEFAULTTOPRIMARY), &monitor);
        const RECT &work = monitor.rcWork;
        x = work.left + (work.right - work.left - width) / 2;
        y = work.top + (work.bottom - work.top - height) / 2;
        break;
    }
    case Placement::WindowSystem:
        flags |= SWP_NOMOVE;
        break;
    }
    SetWindowPos(m_window, nullptr, x, y, width, height, flags);
}

void Win32FormView::load()
{
    deliver({EventKind::Load});
}

void Win32FormView::focusFirst()
{
    const auto order = tabOrder(m_definition);
    if (!order.empty() && m_controls[order.front()])
        moveFocus(m_controls[order.front()], FocusCause::Program);
    else
        SetFocus(m_window); // key preview: every key comes to the window itself
}

void Win32FormView::deliver(const FormEvent &event)
{
    if (!m_closing && !m_services.ended())
        m_form.handle(event);
}

std::string Win32FormView::text(ControlId id) const
{
    return id < m_texts.size() ? m_texts[id] : std::string();
}

void Win32FormView::setText(ControlId id, std::string_view text)
{
    if (id >= m_texts.size())
        return;
    const ControlDef &def = m_definition.control(id);
    const HWND hwnd = m_controls[id];
    if (def.kind == ControlKind::TextBox) {
        // An unchanged text changes nothing on the screen and raises no event.
        if (m_texts[id] == text || !hwnd)
            return;
        SetWindowTextW(hwnd, wide(text).c_str()); // the change notification keeps the copy
        // A written result shows from its first character, sign and integer part in view.
        if (GetFocus() != hwnd)
            SendMessageW(hwnd, EM_SETSEL, 0, 0);
        return;
    }
    m_texts[id] = std::string(text);
    if (!hwnd)
        return;
    const std::wstring w = wide(text);
    if (hwnd == m_status) {
        SendMessageW(hwnd, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(w.c_str()));
        // Screen readers read a status bar when asked; its change is announced too.
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd, OBJID_CLIENT, CHILDID_SELF);
        return;
    }
    SetWindowTextW(hwnd, w.c_str());
    if (def.kind == ControlKind::Label && def.autoSize)
        relayoutLabel(id);
}

void Win32FormView::setCaption(std::string_view caption)
{
    if (m_window)
        SetWindowTextW(m_window, wide(caption).c_str());
}

// Windows names a window by its title: a window with a title keeps it, one
// without is named by its text, which no one sees.
void Win32FormView::setAccessibleName(std::string_view name)
{
    if (m_window && m_definition.caption.empty() && !(GetWindowLongPtrW(m_window, GWL_STYLE) & WS_CAPTION))
        SetWindowTextW(m_window, wide(name).c_str());
}

void Win32FormView::setLocked(ControlId id, bool locked)
{
    if (m_definition.control(id).kind == ControlKind::TextBox && m_controls[id]) {
        SendMessageW(m_controls[id], EM_SETREADONLY, locked, 0);
        InvalidateRect(m_controls[id], nullptr, TRUE);
    }
}

void Win32FormView::setBackColor(ControlId id, OleColor color)
{
    if (id >= m_backColors.size())
        return;
    m_backColors[id] = color;
    if (m_controls[id])
        InvalidateRect(m_controls[id], nullptr, TRUE);
}

void Win32FormView::setFocus(ControlId id, FocusCause cause)
{
    if (id < m_controls.size() && m_controls[id])
        moveFocus(m_controls[id], cause);
}

ControlId Win32FormView::focus() const
{
    const HWND now = GetFocus();
    for (std::size_t i = 0; i < m_controls.size(); ++i)
        if (now && m_controls[i] == now)
            return static_cast<ControlId>(i);
    return kNoControl;
}

void Win32FormView::moveFocus(HWND to, FocusCause cause)
{
    const auto saved = m_cause;
    m_cause = cause;
    SetFocus(to);
    m_cause = saved;
}

bool Win32FormView::inThisWindow(HWND hwnd) const
{
    return hwnd && m_window && (hwnd == m_window || IsChild(m_window, hwnd));
}

RECT Win32FormView::ringRect(HWND control) const
{
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, m_window, reinterpret_cast<POINT *>(&r), 2);
    const int ring = MulDiv(kRingWidth, static_cast<int>(m_dpi), USER_DEFAULT_SCREEN_DPI);
    InflateRect(&r, ring, ring);
    return r;
}

// A move between this window's controls carries its cause; any other is
// another window's doing: a box, a menu, another program.
void Win32FormView::deliverFocus(HWND hwnd, EventKind kind, HWND other)
{
    ControlId id = kNoControl;
    for (std::size_t i = 0; i < m_controls.size(); ++i)
        if (m_controls[i] == hwnd)
            id = static_cast<ControlId>(i);
    if (id == kNoControl || m_closing)
        return;
    const FocusCause cause = inThisWindow(other) ? m_cause.value_or(FocusCause::Program) : FocusCause::OtherWindow;
    if (GetParent(hwnd) == m_window) {
        const RECT ring = ringRect(hwnd);
        InvalidateRect(m_window, &ring, TRUE);
    }
    if (kind == EventKind::GotFocus) {
        m_lastFocus = hwnd;
        // Tabbing into a field selects it, so that typing replaces it.
        if ((cause == FocusCause::Tab || cause == FocusCause::ShiftTab)
            && m_definition.control(id).kind == ControlKind::TextBox)
            SendMessageW(hwnd, EM_SETSEL, 0, -1);
    }
    deliver({kind, id, cause});
}

void Win32FormView::pressButton(ControlId id)
{
    deliver({EventKind::Click, id});
}

bool Win32FormView::pressAccessKey(wchar_t key)
{
    const auto upper = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(key)));
    for (std::size_t i = 0; i < m_definition.controls.size(); ++i) {
        const ControlDef &def = m_definition.controls[i];
        if (def.kind == ControlKind::Button && accessKeyOf(m_texts[i]) == upper && upper != 0) {
            pressButton(static_cast<ControlId>(i));
            return true;
        }
    }
    return false;
}

bool Win32FormView::runCommand(const MSG &msg)
{
    for (std::size_t i = 0; i < m_definition.controls.size(); ++i) {
        const ControlDef &def = m_definition.controls[i];
        if (def.kind == ControlKind::Command && isShortcut(def.shortcut, msg)) {
            pressButton(static_cast<ControlId>(i));
            return true;
        }
    }
    return false;
}

bool Win32FormView::translate(const MSG &msg)
{
    if ((msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && runCommand(msg))
        return true;
    if (m_definition.keyPreview) {
        // The window hears every key first, and the key goes no further.
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_DELETE) {
            deliver({EventKind::KeyPress, kNoControl, FocusCause::Program, U'\x7F'});
            return true;
        }
        if (msg.message != WM_CHAR)
            return false;
        const auto unit = static_cast<wchar_t>(msg.wParam);
        if (unit >= 0xD800 && unit < 0xDC00) {
            m_highSurrogate = unit;
            return true;
        }
        char32_t character = unit;
        if (unit >= 0xDC00 && unit < 0xE000 && m_highSurrogate)
            character = 0x10000 + ((static_cast<char32_t>(m_highSurrogate) - 0xD800) << 10) + (unit - 0xDC00);
        m_highSurrogate = 0;
        deliver({EventKind::KeyPress, kNoControl, FocusCause::Program, character});
        return true;
    }
    const ControlId focused = focus();
    const bool onButton = focused != kNoControl && m_definition.control(focused).kind == ControlKind::Button;
    if (msg.message == WM_KEYDOWN) {
        const bool ctrl = GetKeyState(VK_CONTROL) < 0;
        const bool alt = GetKeyState(VK_MENU) < 0;
        switch (msg.wParam) {
        case VK_TAB: {
            const bool backwards = GetKeyState(VK_SHIFT) < 0;
            const ControlId to = tabStep(m_definition, focused, backwards);
            if (ctrl || alt || to == kNoControl || !m_controls[to])
                return false;
            moveFocus(m_controls[to], backwards ? FocusCause::ShiftTab : FocusCause::Tab);
            return true;
        }
        case VK_RETURN:
        case VK_ESCAPE:
            // Enter presses the button that holds the focus, else the default
            // one; Escape the cancel button.
            if (const ControlId button = buttonForKey(m_definition, msg.wParam == VK_RETURN ? U'\r' : U'\x1B', focused);
                button != kNoControl)
                pressButton(button);
            return true;
        default:
            return false;
        }
    }
    if (msg.message == WM_SYSCHAR || (msg.message == WM_CHAR && onButton))
        return pressAccessKey(static_cast<wchar_t>(msg.wParam));
    return false;
}

void Win32FormView::post(std::function<void()> work)
{
    m_posted.push_back(std::move(work));
    PostMessageW(m_window, kWorkMessage, 0, 0);
}

void Win32FormView::closeRequested()
{
    if (m_definition.startUp) {
        m_services.endProgram();
        return;
    }
    // The close box and Alt+F4 do what the cancel button does.
    const ControlId cancel = buttonForKey(m_definition, U'\x1B', kNoControl);
    if (cancel != kNoControl && m_definition.control(cancel).kind == ControlKind::Button)
        pressButton(cancel);
    else
        m_services.unload(m_form);
}

void Win32FormView::dpiChanged(UINT dpi, const RECT &suggested)
{
    m_dpi = dpi;
    for (HWND hwnd : m_controls)
        if (hwnd)
            SendMessageW(hwnd, WM_SETFONT, 0, FALSE); // no control may keep a font about to go
    freeGdiObjects();
    layout();
    SetWindowPos(m_window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                 suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT Win32FormView::colors(HDC dc, HWND child)
{
    for (std::size_t i = 0; i < m_controls.size(); ++i) {
        if (m_controls[i] != child)
            continue;
        const COLORREF back = colorOf(m_backColors[i]);
        SetTextColor(dc, colorOf(foreColorOf(m_definition.controls[i])));
        SetBkColor(dc, back);
        return reinterpret_cast<LRESULT>(brush(back));
    }
    // A naming static: the window's own colour, though it has no size.
    SetBkColor(dc, colorOf(m_definition.backColor));
    return reinterpret_cast<LRESULT>(brush(colorOf(m_definition.backColor)));
}

void Win32FormView::drawButton(const DRAWITEMSTRUCT &item)
{
    const auto id = static_cast<ControlId>(item.CtlID - kIdBase);
    if (id >= m_controls.size())
        return;
    const HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    RECT face = r;
    const int edge = GetSystemMetrics(SM_CXEDGE);
    InflateRect(&face, -edge, -edge);
    FillRect(dc, &face, brush(colorOf(m_backColors[id])));
    const std::wstring caption = wide(m_texts[id]);
    const HGDIOBJ old = SelectObject(dc, fontOf(id));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, (item.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT)
                                                      : colorOf(foreColorOf(m_definition.control(id))));
    RECT text = face;
    InflateRect(&text, -edge, -edge);
    RECT measured = text;
    const UINT format = DT_CENTER | DT_WORDBREAK | ((item.itemState & ODS_NOACCEL) ? DT_HIDEPREFIX : 0);
    DrawTextW(dc, caption.c_str(), -1, &measured, format | DT_CALCRECT);
    const int offset = (text.bottom - text.top - (measured.bottom - measured.top)) / 2 + (pressed ? 1 : 0);
    OffsetRect(&text, pressed ? 1 : 0, offset);
    DrawTextW(dc, caption.c_str(), -1, &text, format);
    SelectObject(dc, old);
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&face, -edge, -edge);
        DrawFocusRect(dc, &face);
    }
}

void Win32FormView::paint(HDC dc)
{
    for (const ControlDef &def : m_definition.controls) {
        if (def.kind != ControlKind::Line)
            continue;
        const int width = std::max(1, MulDiv(def.lineWidth, static_cast<int>(m_dpi), USER_DEFAULT_SCREEN_DPI));
        const LOGBRUSH colour{BS_SOLID, colorOf(foreColorOf(def)), 0};
        const HPEN pen = ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT, width, &colour, 0, nullptr);
        const HGDIOBJ old = SelectObject(dc, pen);
        // A wider pen grows down and right from the line, as the window draws it.
        const int offset = width / 2;
        MoveToEx(dc, px(def.left, m_dpi) + offset, px(def.top, m_dpi) + offset, nullptr);
        LineTo(dc, px(def.width, m_dpi) + offset, px(def.height, m_dpi) + offset);
        SelectObject(dc, old);
        DeleteObject(pen);
    }
    paintFocusRing(dc);
}

// The caret alone is hard to find in a grey read-only field: the field with
// the focus has a ring in the desktop's highlight colour.
void Win32FormView::paintFocusRing(HDC dc)
{
    const HWND focused = GetFocus();
    const ControlId id = focus();
    if (id == kNoControl || GetParent(focused) != m_window
        || m_definition.control(id).kind != ControlKind::TextBox)
        return;
    RECT r = ringRect(focused);
    const int ring = MulDiv(kRingWidth, static_cast<int>(m_dpi), USER_DEFAULT_SCREEN_DPI);
    const HBRUSH highlight = GetSysColorBrush(COLOR_HIGHLIGHT);
    for (int i = 0; i < ring; ++i) {
        FrameRect(dc, &r, highlight);
        InflateRect(&r, -1, -1);
    }
}

LRESULT CALLBACK Win32FormView::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto *self = static_cast<Win32FormView *>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->m_window = hwnd;
    }
    Win32FormView *self = viewOf(hwnd);
    if (!self)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->m_window = nullptr;
        self->m_controls.assign(self->m_controls.size(), nullptr);
        self->m_status = nullptr;
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    return self->handleWindow(hwnd, message, wParam, lParam);
}

LRESULT Win32FormView::handleWindow(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_COMMAND: {
        const auto id = static_cast<ControlId>(LOWORD(wParam) - kIdBase);
        if (LOWORD(wParam) < kIdBase || id >= m_controls.size())
            break;
        const ControlDef &def = m_definition.control(id);
        if (lParam == 0) {
            if (def.kind == ControlKind::MenuItem)
                pressButton(id);
            return 0;
        }
        const auto child = reinterpret_cast<HWND>(lParam);
        if (child != m_controls[id])
            break;
        if (HIWORD(wParam) == EN_CHANGE && def.kind == ControlKind::TextBox) {
            m_texts[id] = windowText(child);
            deliver({EventKind::TextChanged, id});
            return 0;
        }
        if (HIWORD(wParam) == BN_CLICKED && def.kind == ControlKind::Button) {
            pressButton(id);
            return 0;
        }
        break;
    }
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: return colors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_CTLCOLORBTN: return reinterpret_cast<LRESULT>(brush(colorOf(m_definition.backColor)));
    case WM_DRAWITEM: drawButton(*reinterpret_cast<const DRAWITEMSTRUCT *>(lParam)); return TRUE;
    case WM_ERASEBKGND: {
        RECT r{};
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wParam), &r, brush(colorOf(m_definition.backColor)));
        return 1;
    }
    case WM_PAINT: {
        PAINTSTRUCT ps{};
        const HDC dc = BeginPaint(hwnd, &ps);
        paint(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_ACTIVATE:
        // A plain window gives the focus to itself when activated: the control
        // that had it gets it back instead.
        if (LOWORD(wParam) != WA_INACTIVE) {
            if (m_lastFocus && IsWindow(m_lastFocus) && IsChild(hwnd, m_lastFocus))
                moveFocus(m_lastFocus, FocusCause::OtherWindow);
            else
                SetFocus(hwnd);
        }
        return 0;
    case WM_SETFOCUS:
        if (m_lastFocus && IsWindow(m_lastFocus) && IsChild(hwnd, m_lastFocus))
            moveFocus(m_lastFocus, FocusCause::OtherWindow);
        return 0;
    case WM_SIZE:
        if (m_status)
            SendMessageW(m_status, WM_SIZE, 0, 0);
        break;
    case WM_GETMINMAXINFO:
        // Never smaller than the table: nothing may be cut off.
        if (m_definition.startUp && GetMenu(hwnd)) {
            const SIZE client = clientSize();
            const RECT outer = windowRectFor({0, 0, client.cx, client.cy},
                                             static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE)),
                                             static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE)), true, m_dpi);
            auto *info = reinterpret_cast<MINMAXINFO *>(lParam);
            info->ptMinTrackSize = {outer.right - outer.left, outer.bottom - outer.top};
            return 0;
        }
        break;
    case WM_DPICHANGED: dpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT *>(lParam)); return 0;
    case WM_SYSCOLORCHANGE:
        for (const auto &b : m_brushes)
            DeleteObject(b.second);
        m_brushes.clear();
        if (m_status)
            SendMessageW(m_status, WM_SYSCOLORCHANGE, 0, 0);
        InvalidateRect(hwnd, nullptr, TRUE);
        break;
    case WM_CLOSE: closeRequested(); return 0;
    case kWorkMessage:
        if (!m_posted.empty()) {
            auto work = std::move(m_posted.front());
            m_posted.pop_front();
            if (!m_services.ended() && !m_closing)
                work();
        }
        return 0;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Win32FormView::controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                            DWORD_PTR self)
{
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(hwnd, controlProc, 0);
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    return reinterpret_cast<Win32FormView *>(self)->handleControl(hwnd, message, wParam, lParam);
}

LRESULT Win32FormView::handleControl(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETFOCUS: {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        deliverFocus(hwnd, EventKind::GotFocus, reinterpret_cast<HWND>(wParam));
        return result;
    }
    case WM_KILLFOCUS: {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        deliverFocus(hwnd, EventKind::LostFocus, reinterpret_cast<HWND>(wParam));
        return result;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // The press gives the focus first; a control that sent it on, or lost
        // it back to a field that refused to be left, is not pressed.
        if (GetFocus() != hwnd) {
            moveFocus(hwnd, FocusCause::Click);
            if (GetFocus() != hwnd)
                return 0;
        }
        break;
    case WM_CHAR:
        // Keys the window used: a single-line field would only beep at them.
        if (wParam == L'\r' || wParam == L'\x1B' || wParam == L'\t')
            return 0;
        break;
    default: break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK Win32FormView::panelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                          reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW *>(lParam)->lpCreateParams));
    Win32FormView *self = viewOf(hwnd);
    if (!self || message == WM_NCDESTROY)
        return DefWindowProcW(hwnd, message, wParam, lParam);
    const auto id = static_cast<ControlId>(GetDlgCtrlID(hwnd) - kIdBase);
    switch (message) {
    case WM_CTLCOLORSTATIC: return self->colors(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_ERASEBKGND: {
        RECT r{};
        GetClientRect(hwnd, &r);
        const HDC dc = reinterpret_cast<HDC>(wParam);
        if (id < self->m_backColors.size())
            FillRect(dc, &r, self->brush(colorOf(self->m_backColors[id])));
        return 1;
    }
    case WM_LBUTTONUP:
        // Its labels let clicks through to it.
        if (id < self->m_controls.size())
            self->pressButton(id);
        return 0;
    default: break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace kelvastro
