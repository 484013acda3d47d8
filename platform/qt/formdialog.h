// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formdefinition.h"

#include <QDialog>

class QAbstractButton;

namespace kelvastro {

// A secondary window: fixed size, shown modally, placed as its definition says
// at every showing. Escape and the close box press its cancel button.
class FormDialog final : public QDialog {
    Q_OBJECT
public:
    FormDialog(const FormDefinition &definition, QWidget *parent);

    void setCancelButton(QAbstractButton *button) { m_cancel = button; }
    // Where the definition puts it; before every showing.
    void place();

public slots:
    void reject() override;

private:
    const FormDefinition &m_definition;
    QAbstractButton *m_cancel = nullptr;
};

} // namespace kelvastro
