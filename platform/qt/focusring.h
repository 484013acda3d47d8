// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFocusFrame>

namespace kelvastro {

// A ring around whichever control of a window holds the focus. The style's
// own marks are drawn in the highlight colour, which on these windows'
// colours (grey, the highlight blue itself, a pale blue button face) falls
// well short of 3:1; this ring, in the colour the colour rule gives it, keeps
// at least that on all of them.
class FocusRing final : public QFocusFrame {
    Q_OBJECT
public:
    // Follows the focus among the window's controls that can take it.
    explicit FocusRing(QWidget *window);
    void setColor(QColor color)
    {
        m_color = color;
        update();
    }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_color = Qt::black;
};

} // namespace kelvastro
