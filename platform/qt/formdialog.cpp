// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/formdialog.h"

#include "platform/forms/pixels.h"

#include <QScreen>

namespace kelvastro {

namespace {

Qt::WindowFlags flagsFor(const FormDefinition &def)
{
    // With no caption and no close box there is no title bar at all.
    if (!def.controlBox && def.caption.empty())
        return Qt::Dialog | Qt::FramelessWindowHint;
    Qt::WindowFlags flags = Qt::Dialog | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint;
    if (def.controlBox)
        flags |= Qt::WindowCloseButtonHint;
    return flags;
}

} // namespace

FormDialog::FormDialog(const FormDefinition &definition, QWidget *parent)
    : QDialog(parent, flagsFor(definition)), m_definition(definition)
{
    const PixelRect client = clientRect(definition, kDesignDpi);
    setFixedSize(client.width, client.height);
}

// The close box, and Escape where no control took it.
void FormDialog::reject()
{
    emit closeRequested();
}

// Where the placement rule puts it, all of it on the screen. The frame is
// known once the window has been shown; before, the client area stands for it.
void FormDialog::place()
{
    if (!screen())
        return;
    const QRect work = screen()->availableGeometry();
    const QRect frame = frameGeometry(), client = geometry();
    const FrameMargins margins{client.left() - frame.left(), client.top() - frame.top(),
                               frame.right() - client.right(), frame.bottom() - client.bottom()};
    const PixelRect placed = placeWindow(m_definition, {0, 0, width(), height()}, margins, {frame.x(), frame.y(), 0, 0},
                                         {work.x(), work.y(), work.width(), work.height()}, kDesignDpi, 0);
    setGeometry(placed.x + margins.left, placed.y + margins.top, width(), height());
}

} // namespace kelvastro
