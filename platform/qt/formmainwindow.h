// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QAbstractButton;
class QLabel;
class QScrollArea;

namespace kelvastro {

class FormCanvas;

// The program's main window: its client area in a scroll area (small or
// strongly scaled screens), a menu bar that F10 opens, and a status line
// that a screen reader hears. Escape presses its cancel button.
class FormMainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit FormMainWindow(FormCanvas *canvas, QWidget *parent = nullptr);

    void setCancelButton(QAbstractButton *button) { m_cancel = button; }
    QLabel *addStatusLine(const QFont &font);
    void setStatus(const QString &text);
    QString status() const;
    // The whole control comes into view, not only its caret.
    void ensureVisible(QWidget *control);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void openMenuFromKeyboard();
    void fitStatus();

    FormCanvas *m_canvas;
    QScrollArea *m_scroll = nullptr;
    QLabel *m_status = nullptr;
    QAbstractButton *m_cancel = nullptr;
    bool m_sized = false;    // sized to the screen at the first showing
    int m_statusReserve = 0; // the height of two lines of status
};

} // namespace kelvastro
