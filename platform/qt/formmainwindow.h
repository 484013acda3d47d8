// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QLabel;
class QScrollArea;

namespace kelvastro {

class FormCanvas;

// The program's main window: its client area in a scroll area (small or
// strongly scaled screens), a menu bar that F10 opens, and a status line
// that a screen reader hears. Its close box is its view's to answer.
class FormMainWindow final : public QMainWindow {
    Q_OBJECT
public:
    explicit FormMainWindow(FormCanvas *canvas, QWidget *parent = nullptr);

    QLabel *addStatusLine(const QFont &font);
    void setStatus(const QString &text);
    QString status() const;
    // What shows round the fields when the window is larger than they are.
    void setSurface(QColor color);
    // The whole control comes into view, not only its caret.
    void ensureVisible(QWidget *control);

signals:
    void closeRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void openMenuFromKeyboard();
    void fitStatus();

    FormCanvas *m_canvas;
    QScrollArea *m_scroll = nullptr;
    QLabel *m_status = nullptr;
    bool m_sized = false;    // sized to the screen at the first showing
    int m_statusReserve = 0; // the height of two lines of status
};

} // namespace kelvastro
