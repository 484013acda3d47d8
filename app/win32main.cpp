// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up on Windows: the Win32 front end and the Windows system services.
#include "app/appinfo.h"
#include "platform/system/win32systemservices.h"
#include "platform/win32/win32formsservices.h"
#include "platform/win32/win32numberlocale.h"
#include "ui/calculator/kelvastro.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    kelvastro::Win32FormsServices forms(kelvastro::kApplication, instance);
    kelvastro::Win32SystemServices system;
    kelvastro::Kelvastro window(forms, system, kelvastro::userNumberLocale());
    forms.show(window);
    return forms.run();
}
