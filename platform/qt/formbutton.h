// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPushButton>

namespace kelvastro {

// A graphical button: it draws its own face colour and a classic raised
// bevel, and wraps a caption that is wider than the button, which a plain
// QPushButton does not. text() stays the caption exactly as set.
class FormButton : public QPushButton {
    Q_OBJECT
public:
    FormButton(const QString &caption, QColor face, QWidget *parent = nullptr);
    void setFace(QColor face)
    {
        m_face = face;
        update();
    }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_face;
};

} // namespace kelvastro
