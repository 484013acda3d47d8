// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/colorscheme.h"

#include <QWidget>

namespace kelvastro {

// A window's client area: its background, and the lines of its definition,
// drawn on the surface beneath the controls.
class FormCanvas final : public QWidget {
    Q_OBJECT
public:
    explicit FormCanvas(const FormDefinition &definition, QWidget *parent = nullptr);

    // The colours it paints in, and its lines'; repainted.
    void setScheme(const ColorScheme &scheme);
    const FormDefinition &definition() const { return m_definition; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const FormDefinition &m_definition;
    ColorScheme m_scheme;
};

} // namespace kelvastro
