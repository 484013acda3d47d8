// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFrame>

namespace kelvastro {

// A panel that reports a click: a press and a release inside it, as a
// button does. Controls on it that should not pass their clicks through
// are shielded with shieldClicks().
class ClickableFrame : public QFrame {
    Q_OBJECT
public:
    explicit ClickableFrame(QWidget *parent = nullptr);

    // Swallows mouse presses on a child that would otherwise reach the frame
    // (a QLabel ignores them, so its parent would see the click).
    void shieldClicks(QWidget *child);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_pressed = false;
};

} // namespace kelvastro
