// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvastro {

// The full path of the first of `names` (in order of preference) that is an
// executable file in one of the folders of `searchPath` (PATH notation).
std::optional<std::string> findExecutable(const std::vector<std::string> &names, std::string_view searchPath);

} // namespace kelvastro
