// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/win32formview.h"

#include "platform/forms/pixels.h"
#include "platform/system/utf16.h"
#include "platform/win32/win32accessible.h"
#include "platform/win32/win32design.h"
#include "platform/win32/win32formsservices.h"
#include "platform/win32/win32painting.h"

#include <commctrl.h>

#include <algorithm>

namespace kelvastro {

using namespace win32;

namespace {

constexpr const wchar_t *kFormClass = L"KelvastroForm";
constexpr const wchar_t *kViewportClass = L"KelvastroViewport";
constexpr const wchar_t *kCanvasClass = L"KelvastroCanvas";
constexpr const wchar_t *kPanelClass = L"KelvastroPanel";

WNDCLASSEXW classOf(HINSTANCE instance, const wchar_t *name, WNDPROC proc)
{
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    c.lpfnWndProc = proc;
    c.hInstance = instance;
    c.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    c.lpszClassName = name;
    return c;
}

} // namespace

void Win32FormView::registerClasses(HINSTANCE instance)
{
    WNDCLASSEXW form = classOf(instance, kFormClass, windowProc);
    form.style = CS_HREDRAW | CS_VREDRAW;
    form.hIcon = static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, GetSystemMetrics(SM_CXICON),
                                               GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
    form.hIconSm = static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    RegisterClassExW(&form);
    for (const wchar_t *name : {kViewportClass, kCanvasClass}) {
        const WNDCLASSEXW c = classOf(instance, name, windowProc);
        RegisterClassExW(&c);
    }
    const WNDCLASSEXW panel = classOf(instance, kPanelClass, panelProc);
    RegisterClassExW(&panel);
}

Win32FormView::Win32FormView(Win32FormsServices &services, FormHost &host, HWND owner)
    : m_services(services), m_host(host), m_definition(host.definition()), m_gdi(USER_DEFAULT_SCREEN_DPI),
      m_controls(m_definition, m_gdi, services.instance(), {kPanelClass, controlProc, this, this})
{
    create(owner);
    m_services.attach(*this);
}

Win32FormView::~Win32FormView()
{
    // Destroying the controls moves the focus; no one hears of it by then.
    m_closing = true;
    m_services.detach(*this);
    if (m_window)
        DestroyWindow(m_window);
}

std::vector<std::string> Win32FormView::captions() const
{
    std::vector<std::string> out;
    for (ControlId id = 0; id < m_definition.controls.size(); ++id)
        out.push_back(m_host.text(id));
    return out;
}

void Win32FormView::create(HWND owner)
{
    DWORD style = WS_CLIPCHILDREN;
    const DWORD exStyle = m_definition.startUp ? WS_EX_CONTROLPARENT : WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME;
    if (m_definition.startUp)
        style |= WS_OVERLAPPEDWINDOW;
    else if (m_definition.controlBox || !m_definition.caption.empty())
        style |= WS_POPUP | WS_CAPTION | WS_SYSMENU;
    else
        style |= WS_POPUP | WS_BORDER; // no caption and no close box: no title bar at all
    // A window without a title is named for assistive technology by its text.
    const std::wstring title = wide(m_definition.caption.empty() ? m_definition.accessibleName : m_definition.caption);
    const HINSTANCE instance = m_services.instance();
    CreateWindowExW(exStyle, kFormClass, title.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                    CW_USEDEFAULT, owner, nullptr, instance, this);
    if (!m_window)
        return;
    m_gdi.setDpi(dpiOf(m_window));
    if (m_definition.startUp) {
        // The fields scroll inside the client area when the screen is too small for them.
        m_viewportWindow = CreateWindowExW(0, kViewportClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, 0,
                                           m_window, nullptr, instance, this);
        m_canvas = CreateWindowExW(WS_EX_CONTROLPARENT, kCanvasClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0,
                                   0, 0, 0, m_viewportWindow, nullptr, instance, this);
        m_viewport.attach(m_viewportWindow, m_canvas);
    }
    m_controls.create(m_window, surface(), captions());
    if (statusBar())
        win32::drawPlain(statusBar(), m_services.scheme().highContrast());
    if (m_canvas) {
        const PixelRect table = clientRect(m_definition, static_cast<int>(m_gdi.dpi()));
        m_viewport.setCanvasSize({table.width, table.height});
    }
    // Focus rectangles and access key underlines always shown, not only after a key press.
    if (!tabOrder(m_definition).empty())
        SendMessageW(m_window, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
}

// Sized for its screen's DPI and work area, and put where the placement rule says.
void Win32FormView::place()
{
    if (!m_window)
        return;
    const int dpi = static_cast<int>(m_gdi.dpi());
    PixelRect client = clientRect(m_definition, dpi);
    if (const HWND bar = statusBar()) {
        RECT r{};
        GetWindowRect(bar, &r);
        client.height += r.bottom - r.top;
    }
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_EXSTYLE));
    const RECT outer = windowRectFor({0, 0, client.width, client.height}, style, exStyle,
                                     m_controls.menu() != nullptr, m_gdi.dpi());
    const FrameMargins frame{-outer.left, -outer.top, outer.right - client.width, outer.bottom - client.height};
    const HWND owner = GetWindow(m_window, GW_OWNER);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner ? owner : m_window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT &w = monitor.rcWork;
    RECT now{};
    GetWindowRect(m_window, &now);
    const PixelRect placed = placeWindow(m_definition, client, frame, {now.left, now.top, 0, 0},
                                         {w.left, w.top, w.right - w.left, w.bottom - w.top}, dpi,
                                         GetSystemMetrics(SM_CXVSCROLL));
    // Where the window system put it, it stays if it fits.
    const UINT keep = placed.x == now.left && placed.y == now.top ? SWP_NOMOVE : 0;
    SetWindowPos(m_window, nullptr, placed.x, placed.y, placed.width, placed.height, SWP_NOZORDER | SWP_NOACTIVATE | keep);
    layoutMainWindow();
}

void Win32FormView::show()
{
    ShowWindow(m_window, SW_SHOW);
    UpdateWindow(m_window);
}

// Shown before the owner is disabled, so that the owner's focus is
// remembered as it loses activation, not thrown away with its input.
void Win32FormView::runModal()
{
    if (!m_window)
        return;
    const HWND owner = GetWindow(m_window, GW_OWNER);
    m_modal = true;
    ShowWindow(m_window, SW_SHOW);
    if (owner)
        EnableWindow(owner, FALSE);
    MSG msg{};
    while (m_modal && !m_services.ended()) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(got == 0 ? static_cast<int>(msg.wParam) : 1); // for the loop outside this one
            m_services.endProgram();
            break;
        }
        m_services.dispatch(msg);
    }
}

// The owner is enabled before the window goes, so that activation returns
// to it and not to another program.
void Win32FormView::close()
{
    m_modal = false;
    if (!m_window)
        return;
    const HWND owner = GetWindow(m_window, GW_OWNER);
    if (owner)
        EnableWindow(owner, TRUE);
    if (owner && GetActiveWindow() == m_window)
        SetActiveWindow(owner);
    ShowWindow(m_window, SW_HIDE);
}

bool Win32FormView::contains(HWND hwnd) const
{
    return hwnd && m_window && (hwnd == m_window || IsChild(m_window, hwnd));
}

// The ring follows the focus, and a field that takes it comes into view.
void Win32FormView::focusMoved(ControlId from, ControlId to)
{
    for (ControlId id : {from, to}) {
        if (id == kNoControl || !control(id) || m_definition.control(id).kind != ControlKind::TextBox)
            continue;
        RECT r{};
        GetWindowRect(control(id), &r);
        MapWindowPoints(nullptr, surface(), reinterpret_cast<POINT *>(&r), 2);
        const RECT ring = ringAround(r, m_gdi.dpi());
        InvalidateRect(surface(), &ring, TRUE);
        if (id == to && m_canvas) // the canvas's own coordinates, wherever it is scrolled to
            m_viewport.ensureVisible(ring);
    }
}

void Win32FormView::showText(ControlId id, std::string_view text)
{
    const HWND hwnd = control(id);
    if (!hwnd)
        return;
    const std::wstring w = wide(text);
    if (hwnd == statusBar()) {
        SendMessageW(hwnd, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(w.c_str()));
        // Screen readers speak a new message wherever the focus is: a live region's change.
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd, OBJID_CLIENT, CHILDID_SELF);
        if (!text.empty())
            liveRegionChanged(hwnd);
        return;
    }
    SetWindowTextW(hwnd, w.c_str()); // a text box's EN_CHANGE brings the text back to the host
    const ControlDef &def = m_definition.control(id);
    if (def.kind == ControlKind::Label && def.autoSize)
        m_controls.fitLabel(id, std::string(text));
}

// Setting an EDIT's text leaves its caret at the start already; a selection
// request would make it lay the text out again, which costs as much as the
// text itself.
void Win32FormView::showFromStart(ControlId id)
{
    DWORD start = 0, end = 0;
    SendMessageW(control(id), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    if (start != 0 || end != 0)
        SendMessageW(control(id), EM_SETSEL, 0, 0);
}

void Win32FormView::showTitle(std::string_view caption)
{
    if (m_window)
        SetWindowTextW(m_window, wide(caption).c_str());
}

void Win32FormView::showDescription(std::string_view description) { m_description = wide(description); }

void Win32FormView::showLocked(ControlId id, bool locked)
{
    if (control(id))
        SendMessageW(control(id), EM_SETREADONLY, locked, 0);
}

// The colours come from the host as each control paints.
void Win32FormView::showLook(ControlId id)
{
    if (id != kNoControl) {
        if (control(id))
            InvalidateRect(control(id), nullptr, TRUE);
        return;
    }
    m_gdi.dropBrushes();
    if (statusBar()) {
        win32::drawPlain(statusBar(), m_services.scheme().highContrast());
        SendMessageW(statusBar(), WM_SYSCOLORCHANGE, 0, 0);
    }
    if (m_window)
        InvalidateRect(m_window, nullptr, TRUE);
}

// A screen reader's first request for any of the window's objects: the
// annotations it reads are made now, not at every start without one.
void Win32FormView::prepareForScreenReaders()
{
    if (m_annotated)
        return;
    m_annotated = true;
    for (ControlId id = 0; id < m_definition.controls.size(); ++id) {
        const ControlDef &def = m_definition.control(id);
        if (def.kind == ControlKind::TextBox && !def.accessibleName.empty() && control(id))
            annotateName(control(id), wide(spokenName(m_definition, id))); // no label of its own says it
    }
    if (statusBar())
        markLiveRegion(statusBar());
}

void Win32FormView::applyFocus(ControlId id, bool selectAll)
{
    const HWND target = id == kNoControl ? m_window : control(id);
    if (!target)
        return;
    if (selectAll)
        SendMessageW(target, EM_SETSEL, 0, -1); // so that typing replaces it
    SetFocus(target);
}

COLORREF Win32FormView::surfaceColor() const { return bgrOfRgb(m_services.scheme().window(m_definition).back); }

bool Win32FormView::translate(const MSG &msg)
{
    if (m_definition.keyPreview) {
        // The window hears every key first, and the key goes no further.
        const Win32KeyPreview::Key key = m_preview.read(msg);
        if (key.taken)
            m_host.keyPreviewed(key.character);
        return key.taken;
    }
    const auto stroke = strokeOf(msg);
    return stroke && m_host.keyPressed(*stroke);
}

} // namespace kelvastro
