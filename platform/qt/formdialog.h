// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formdefinition.h"

#include <QDialog>

namespace kelvastro {

// A secondary window: fixed size, shown modally, placed as its definition says
// at every showing. Its close box is its view's to answer.
class FormDialog final : public QDialog {
    Q_OBJECT
public:
    FormDialog(const FormDefinition &definition, QWidget *parent);

    // Where the definition puts it; before every showing.
    void place();

signals:
    void closeRequested();

public slots:
    void reject() override;

private:
    const FormDefinition &m_definition;
};

} // namespace kelvastro
