// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt/formdialog.h"

#include "platform/qt/formdesign.h"

#include <QAbstractButton>
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
    setFixedSize(form::px(definition.clientWidth), form::px(definition.clientHeight));
}

void FormDialog::reject()
{
    if (m_cancel)
        m_cancel->click();
    else
        QDialog::reject();
}

void FormDialog::place()
{
    if (m_definition.placement == Placement::Fixed)
        setGeometry(QRect(QPoint(form::px(m_definition.left), form::px(m_definition.top)), size()));
    else if (m_definition.placement == Placement::CentredOnScreen && screen())
        move(screen()->availableGeometry().center() - rect().center());
}

} // namespace kelvastro
