// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/menutree.h"

namespace kelvastro {

std::vector<MenuEntry> menuTree(const FormDefinition &form)
{
    std::vector<MenuEntry> bar;
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const ControlDef &def = form.controls[i];
        if (def.kind != ControlKind::MenuItem)
            continue;
        const auto id = static_cast<ControlId>(i);
        if (def.menuLevel == 1)
            bar.push_back({id, {}});
        else if (def.menuLevel == 2 && !bar.empty())
            bar.back().dropDown.push_back(id);
    }
    return bar;
}

} // namespace kelvastro
