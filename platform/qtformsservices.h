// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formsservices.h"

#include <memory>

namespace kelvastro {

class QtFormsServices final : public FormsServices {
public:
    void showMessage(const std::string &text) override;
    bool startProgram(const std::string &path) override;
    bool isOrdinaryFile(const std::string &path) override;
    void endProgram() override;
    Registry *registry() override;
    std::string executableSearchPath() override;

    QtFormsServices();
    ~QtFormsServices() override;

private:
    std::unique_ptr<Registry> m_registry;
};

} // namespace kelvastro
