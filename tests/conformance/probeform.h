// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/forms/form.h"

#include <functional>
#include <string>
#include <vector>

namespace kelvastro::conformance {

// A window with no behaviour of its own that writes down every event it
// hears, for the rows about the contract itself. A test may hang a reaction
// on any event.
class ProbeForm final : public Form {
public:
    enum Control : ControlId { nameLabel, first, second, third, okButton, cancelButton };

    // The start-up window, or a dialog with its Cancel button as the cancel button.
    explicit ProbeForm(FormsServices &services, bool dialog = false);

    void handle(const FormEvent &event) override;

    // "got first Tab", "lost second OtherWindow", "changed first", "click okButton", "load"
    std::vector<std::string> events;
    std::function<void(const FormEvent &)> react;

    // Forgets what was heard so far.
    void clear() { events.clear(); }
    FormView &formView() { return view(); }
    FormsServices &formServices() { return services(); }
};

} // namespace kelvastro::conformance
