// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formsservices.h"

namespace kelvastro {

class QtFormsServices final : public FormsServices {
public:
    void showMessage(const std::string &text) override;
    bool startProgram(const std::string &path) override;
    bool isOrdinaryFile(const std::string &path) override;
    void endProgram() override;
};

} // namespace kelvastro
