// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/form.h"

namespace kelvastro {

class SystemServices;

// The About window: title, version and two fixed texts, an OK button and a
// button that starts the system's information tool.
class frmAbout final : public Form {
public:
    frmAbout(FormsServices &forms, SystemServices &system);

    void handle(const FormEvent &event) override;

private:
    void StartSysInfo();
    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();

    SystemServices &m_system;
};

} // namespace kelvastro
