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

Win32FormView::Win32FormView(Win32FormsServices &services, Form &form, HWND owner)
    : m_services(services), m_form(form), m_definition(form.definition()), m_gdi(USER_DEFAULT_SCREEN_DPI),
      m_controls(m_definition, m_gdi, services.instance(),
                 {kPanelClass, controlProc, this, this}),
      m_focus(*this), m_texts(*this, m_definition.controls.size()), m_captions(m_definition.controls.size()),
      m_backColors(m_definition.controls.size()), m_commands(commandKeys(m_definition))
{
    for (std::size_t i = 0; i < m_definition.controls.size(); ++i) {
        const ControlDef &def = m_definition.controls[i];
        // Text boxes are empty until the load step writes them: a design text
        // would be worked on by the first recalculation the load sets off.
        if (def.kind != ControlKind::TextBox)
            m_captions[i] = std::string(def.caption);
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
    m_controls.create(m_window, surface(), m_captions);
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

// The table's client area, and the main window's status bar below it.
SIZE Win32FormView::designedClientSize() const
{
    const PixelRect table = clientRect(m_definition, static_cast<int>(m_gdi.dpi()));
    SIZE size{table.width, table.height};
    if (const HWND bar = statusBar()) {
        RECT r{};
        GetWindowRect(bar, &r);
        size.cy += r.bottom - r.top;
    }
    return size;
}

void Win32FormView::place()
{
    if (!m_window)
        return;
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(m_window, GWL_EXSTYLE));
    const SIZE client = designedClientSize();
    const RECT outer = windowRectFor({0, 0, client.cx, client.cy}, style, exStyle, m_controls.menu() != nullptr,
                                     m_gdi.dpi());
    int width = outer.right - outer.left;
    int height = outer.bottom - outer.top;
    const HWND owner = GetWindow(m_window, GW_OWNER);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner ? owner : m_window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT &work = monitor.rcWork;
    // Never larger than the work area, task bar excluded: the fields scroll
    // instead, up and down only where the screen is wide enough for the bar.
    if (m_definition.startUp) {
        if (height > work.bottom - work.top)
            width += GetSystemMetrics(SM_CXVSCROLL);
        width = std::min<int>(width, work.right - work.left);
        height = std::min<int>(height, work.bottom - work.top);
    }
    RECT now{};
    GetWindowRect(m_window, &now);
    int x = now.left, y = now.top;
    const int dpi = static_cast<int>(m_gdi.dpi());
    switch (m_definition.placement) {
    case Placement::Fixed:
        // The client area's corner where the table puts it; the frame lies outside it.
        x = pixels(m_definition.left, dpi) + outer.left;
        y = pixels(m_definition.top, dpi) + outer.top;
        break;
    case Placement::CentredOnScreen:
        x = work.left + (work.right - work.left - width) / 2;
        y = work.top + (work.bottom - work.top - height) / 2;
        break;
    case Placement::WindowSystem: break;
    }
    // Wherever it was put, all of it on the screen where the screen allows;
    // where the window system put it, it stays if it fits.
    const int fitX = std::max<int>(work.left, std::min<int>(x, work.right - width));
    const int fitY = std::max<int>(work.top, std::min<int>(y, work.bottom - height));
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (m_definition.placement == Placement::WindowSystem && fitX == x && fitY == y)
        flags |= SWP_NOMOVE;
    SetWindowPos(m_window, nullptr, fitX, fitY, width, height, flags);
    layoutMainWindow();
}

void Win32FormView::load()
{
    m_live = true;
    deliver({EventKind::Load});
}

void Win32FormView::describe()
{
    m_description = wide(windowDescription(m_definition, [this](ControlId id) { return text(id); }));
}

void Win32FormView::unloaded()
{
    m_live = false;
    m_focus.forget();
}

void Win32FormView::focusFirst()
{
    const auto order = tabOrder(m_definition);
    if (!order.empty() && control(order.front()))
        m_focus.move(order.front(), FocusCause::Program);
    else
        SetFocus(m_window); // key preview: every key comes to the window itself
}

void Win32FormView::deliver(const FormEvent &event)
{
    if (m_live && !m_closing && !m_services.ended())
        m_form.handle(event);
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

std::string Win32FormView::text(ControlId id) const
{
    if (id >= m_captions.size())
        return {};
    return m_definition.control(id).kind == ControlKind::TextBox ? m_texts.text(id) : m_captions[id];
}

void Win32FormView::setText(ControlId id, std::string_view text)
{
    if (id >= m_captions.size())
        return;
    const ControlDef &def = m_definition.control(id);
    const HWND hwnd = control(id);
    if (def.kind == ControlKind::TextBox) {
        if (hwnd)
            m_texts.write(id, text);
        return;
    }
    m_captions[id] = std::string(text);
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
    SetWindowTextW(hwnd, w.c_str());
    if (def.kind == ControlKind::Label && def.autoSize)
        m_controls.fitLabel(id, m_captions[id]);
}

void Win32FormView::showText(ControlId id, std::string_view text)
{
    SetWindowTextW(control(id), wide(text).c_str()); // EN_CHANGE brings the text back through changed()
}

bool Win32FormView::holdsFocus(ControlId id) const { return m_focus.shown() == id; }

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

void Win32FormView::raiseTextChanged(ControlId id) { deliver({EventKind::TextChanged, id}); }

void Win32FormView::setCaption(std::string_view caption)
{
    if (m_window)
        SetWindowTextW(m_window, wide(caption).c_str());
}

void Win32FormView::setLocked(ControlId id, bool locked)
{
    if (m_definition.control(id).kind == ControlKind::TextBox && control(id)) {
        SendMessageW(control(id), EM_SETREADONLY, locked, 0);
        InvalidateRect(control(id), nullptr, TRUE);
    }
}

void Win32FormView::setBackColor(ControlId id, OleColor color)
{
    if (id >= m_backColors.size())
        return;
    m_backColors[id] = color;
    if (control(id))
        InvalidateRect(control(id), nullptr, TRUE);
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

void Win32FormView::setFocus(ControlId id, FocusCause cause)
{
    if (control(id))
        m_focus.move(id, cause);
}

ControlId Win32FormView::focus() const
{
    return m_focus.moving() ? m_focus.current() : m_focus.shown();
}

Look Win32FormView::lookOf(ControlId id) const
{
    const bool locked = control(id) && (GetWindowLongPtrW(control(id), GWL_STYLE) & ES_READONLY) != 0;
    return m_services.scheme().control(m_definition, id, m_backColors[id], locked);
}

COLORREF Win32FormView::surfaceColor() const { return bgrOfRgb(m_services.scheme().window(m_definition).back); }

void Win32FormView::press(ControlId id)
{
    deliver({EventKind::Click, id});
}

bool Win32FormView::translate(const MSG &msg)
{
    if (m_definition.keyPreview) {
        // The window hears every key first, and the key goes no further.
        const Win32KeyPreview::Key key = m_preview.read(msg);
        if (key.taken && key.character)
            deliver({EventKind::KeyPress, kNoControl, FocusCause::Program, key.character});
        return key.taken;
    }
    const auto stroke = strokeOf(msg);
    if (!stroke)
        return false;
    const KeyOutcome outcome = keyOutcome(m_definition, m_commands, *this, *stroke);
    switch (outcome.kind) {
    case KeyOutcome::Kind::MoveFocus: m_focus.move(outcome.control, outcome.cause); return true;
    case KeyOutcome::Kind::Press: press(outcome.control); return true;
    case KeyOutcome::Kind::Consumed: return true;
    case KeyOutcome::Kind::None: break;
    }
    return false;
}

} // namespace kelvastro
