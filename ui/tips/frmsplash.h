// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

namespace kelvastro {

class ClickableFrame;

// The Tips window: a panel without a title bar with advice on entering values.
// The first key that types a character, or a click on the panel, closes it.
class frmSplash : public QDialog {
    Q_OBJECT
public:
    explicit frmSplash(QWidget *parent = nullptr);

    // Whether a key press types a character, the keys that close the window.
    static bool typesCharacter(int key, const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Form_KeyPress();
    void Frame1_Click();

    ClickableFrame *m_frame = nullptr;
};

} // namespace kelvastro
