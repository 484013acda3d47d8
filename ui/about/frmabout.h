// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace kelvastro {

class FormsServices;

// The About window: title, version and two fixed texts, an OK button and a
// button that starts the system's information tool.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(FormsServices &services, QWidget *parent = nullptr);

    // Loads the window afresh and shows it modally; returns once it is closed.
    int showModal();

    void Form_Load();
    void StartSysInfo();

public slots:
    void reject() override; // Escape and the close box press OK

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void cmdOK_Click();
    void cmdSysInfo_Click();

    FormsServices &m_services;
    QPushButton *m_ok = nullptr;
    QPushButton *m_sysInfo = nullptr;
    QLabel *m_title = nullptr;
    QLabel *m_version = nullptr;
};

} // namespace kelvastro
