// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/formdefinition.h"

#include <vector>

namespace kelvastro {

// One entry of the menu bar: a level-1 item and, when level-2 items follow
// it, the drop-down it opens. An entry with no drop-down is a command on the
// bar itself.
struct MenuEntry {
    ControlId item = kNoControl;
    std::vector<ControlId> dropDown;
    bool operator==(const MenuEntry &) const = default;
};

// The bar as the definition's menu rows describe it, left to right. A level-2
// row before any level-1 one has no drop-down to go in and is left out.
std::vector<MenuEntry> menuTree(const FormDefinition &form);

} // namespace kelvastro
