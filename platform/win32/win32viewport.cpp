// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/win32/win32viewport.h"

#include <algorithm>

namespace kelvastro {

void Win32Viewport::setCanvasSize(SIZE size)
{
    m_canvasSize = size;
    if (m_canvas)
        SetWindowPos(m_canvas, nullptr, -m_offset.x, -m_offset.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    update();
}

void Win32Viewport::place(RECT area)
{
    if (!m_viewport)
        return;
    SetWindowPos(m_viewport, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    update();
}

// A bar that appears narrows the view, which may call for the other bar:
// decided from the viewport's whole size, so that a bar shown before never
// keeps itself.
void Win32Viewport::update()
{
    if (!m_viewport)
        return;
    RECT outer{};
    GetWindowRect(m_viewport, &outer);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const int barWidth = GetSystemMetrics(SM_CXVSCROLL), barHeight = GetSystemMetrics(SM_CYHSCROLL);
    bool vertical = m_canvasSize.cy > height;
    const bool horizontal = m_canvasSize.cx > width - (vertical ? barWidth : 0);
    vertical = vertical || (horizontal && m_canvasSize.cy > height - barHeight);
    SCROLLINFO info{sizeof info, SIF_RANGE | SIF_PAGE, 0, 0, 0, 0, 0};
    info.nMax = static_cast<int>(m_canvasSize.cx) - 1;
    info.nPage = static_cast<UINT>(horizontal ? std::max(width - (vertical ? barWidth : 0), 0)
                                              : static_cast<int>(m_canvasSize.cx));
    SetScrollInfo(m_viewport, SB_HORZ, &info, TRUE);
    info.nMax = static_cast<int>(m_canvasSize.cy) - 1;
    info.nPage = static_cast<UINT>(vertical ? std::max(height - (horizontal ? barHeight : 0), 0)
                                            : static_cast<int>(m_canvasSize.cy));
    SetScrollInfo(m_viewport, SB_VERT, &info, TRUE);
    scrollTo(m_offset.x, m_offset.y);
}

void Win32Viewport::scrollTo(int x, int y)
{
    RECT view{};
    GetClientRect(m_viewport, &view);
    x = std::clamp<int>(x, 0, std::max<int>(0, m_canvasSize.cx - view.right));
    y = std::clamp<int>(y, 0, std::max<int>(0, m_canvasSize.cy - view.bottom));
    SCROLLINFO info{sizeof info, SIF_POS, 0, 0, 0, 0, 0};
    info.nPos = x;
    SetScrollInfo(m_viewport, SB_HORZ, &info, TRUE);
    info.nPos = y;
    SetScrollInfo(m_viewport, SB_VERT, &info, TRUE);
    if (x == m_offset.x && y == m_offset.y)
        return;
    m_offset = {x, y};
    SetWindowPos(m_canvas, nullptr, -x, -y, 0, 0, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOSIZE);
}

void Win32Viewport::ensureVisible(RECT inCanvas)
{
    if (!m_viewport)
        return;
    RECT view{};
    GetClientRect(m_viewport, &view);
    int x = m_offset.x, y = m_offset.y;
    if (inCanvas.right - x > view.right)
        x = inCanvas.right - view.right;
    if (inCanvas.left < x)
        x = inCanvas.left;
    if (inCanvas.bottom - y > view.bottom)
        y = inCanvas.bottom - view.bottom;
    if (inCanvas.top < y)
        y = inCanvas.top;
    scrollTo(x, y);
}

void Win32Viewport::scrollBy(int bar, int how, int thumb)
{
    SCROLLINFO info{sizeof info, SIF_ALL, 0, 0, 0, 0, 0};
    GetScrollInfo(m_viewport, bar, &info);
    const int line = std::max(8, static_cast<int>(info.nPage) / 10);
    int pos = info.nPos;
    switch (how) {
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= static_cast<int>(info.nPage); break;
    case SB_PAGEDOWN: pos += static_cast<int>(info.nPage); break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = thumb; break;
    case SB_TOP: pos = info.nMin; break;
    case SB_BOTTOM: pos = info.nMax; break;
    default: return;
    }
    if (bar == SB_HORZ)
        scrollTo(pos, m_offset.y);
    else
        scrollTo(m_offset.x, pos);
}

bool Win32Viewport::handle(UINT message, WPARAM wParam, LRESULT &result)
{
    switch (message) {
    case WM_VSCROLL:
    case WM_HSCROLL: {
        SCROLLINFO info{sizeof info, SIF_TRACKPOS, 0, 0, 0, 0, 0};
        const int bar = message == WM_VSCROLL ? SB_VERT : SB_HORZ;
        GetScrollInfo(m_viewport, bar, &info);
        scrollBy(bar, LOWORD(wParam), info.nTrackPos);
        result = 0;
        return true;
    }
    case WM_MOUSEWHEEL: {
        const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
        for (int i = 0; i < std::abs(notches); ++i)
            scrollBy(SB_VERT, notches > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
        result = 0;
        return true;
    }
    default:
        return false;
    }
}

} // namespace kelvastro
