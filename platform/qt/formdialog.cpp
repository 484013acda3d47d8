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

void FormDialog::place()
{
    if (m_definition.placement == Placement::Fixed)
        setGeometry(QRect(QPoint(pixels(m_definition.left, kDesignDpi), pixels(m_definition.top, kDesignDpi)),
                          size()));
    else if (m_definition.placement == Placement::CentredOnScreen && screen())
        move(screen()->availableGeometry().center() - rect().center());
}

} // namespace kelvastro
