// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/about/frmabout.h"

#include "ui/about/frmaboutdefinition.h"
#include "ui/about/sysinfolauncher.h"

#include <string>

namespace kelvastro {

using namespace about;

frmAbout::frmAbout(FormsServices &forms, SystemServices &system)
    : Form(forms, about::definition()), m_system(system)
{
}

void frmAbout::handle(const FormEvent &event)
{
    if (event.kind == EventKind::Load)
        Form_Load();
    else if (event.kind == EventKind::Click && event.control == cmdOK)
        cmdOK_Click();
    else if (event.kind == EventKind::Click && event.control == cmdSysInfo)
        cmdSysInfo_Click();
}

void frmAbout::Form_Load()
{
    const ApplicationInfo app = services().application();
    const std::string title(app.title);
    const std::string caption = "About " + title;
    const std::string version = "Version " + std::to_string(app.major) + "." + std::to_string(app.minor) + "."
                                + std::to_string(app.revision);
    FormView &v = view();
    v.setCaption(caption);
    v.setText(lblVersion, version);
    v.setText(lblTitle, title);
}

void frmAbout::StartSysInfo()
{
    SysInfoLauncher(m_system, services()).StartSysInfo();
}

void frmAbout::cmdOK_Click() { services().unload(*this); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

} // namespace kelvastro
