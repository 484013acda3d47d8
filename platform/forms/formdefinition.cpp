// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/formdefinition.h"

#include <algorithm>

namespace kelvastro {

namespace {
constexpr OleColor kWindowBackground = 0x80000005u;
constexpr OleColor kWindowText = 0x80000008u;
constexpr OleColor kButtonFace = 0x8000000Fu;
constexpr OleColor kButtonText = 0x80000012u;
} // namespace

ControlId FormDefinition::find(std::string_view controlName) const
{
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].name == controlName)
            return static_cast<ControlId>(i);
    return kNoControl;
}

bool takesFocus(const ControlDef &control)
{
    return control.kind == ControlKind::TextBox || control.kind == ControlKind::Button;
}

std::vector<ControlId> tabOrder(const FormDefinition &form)
{
    std::vector<ControlId> order;
    for (std::size_t i = 0; i < form.controls.size(); ++i)
        if (takesFocus(form.controls[i]))
            order.push_back(static_cast<ControlId>(i));
    // Equal indexes keep their definition order.
    std::stable_sort(order.begin(), order.end(), [&form](ControlId a, ControlId b) {
        return form.control(a).tabIndex < form.control(b).tabIndex;
    });
    return order;
}

ControlId tabStep(const FormDefinition &form, ControlId from, bool backwards)
{
    const auto order = tabOrder(form);
    if (order.empty())
        return kNoControl;
    const auto at = std::find(order.begin(), order.end(), from);
    const auto here = at == order.end() ? std::ptrdiff_t{-1} : at - order.begin();
    const auto size = static_cast<std::ptrdiff_t>(order.size());
    const std::ptrdiff_t to = !backwards ? (here + 1) % size : here <= 0 ? size - 1 : here - 1;
    return order[static_cast<std::size_t>(to)];
}

ControlId buttonForKey(const FormDefinition &form, char32_t key, ControlId focused)
{
    if (key == U'\r' && focused != kNoControl && form.control(focused).kind == ControlKind::Button)
        return focused;
    for (std::size_t i = 0; i < form.controls.size(); ++i) {
        const ControlDef &c = form.controls[i];
        if ((key == U'\x1B' && c.isCancel) || (key == U'\r' && c.isDefault))
            return static_cast<ControlId>(i);
    }
    return kNoControl;
}

CloseAction closeAction(const FormDefinition &form)
{
    if (form.startUp)
        return {CloseAction::Kind::EndProgram};
    const ControlId cancel = buttonForKey(form, U'\x1B', kNoControl);
    if (cancel != kNoControl && form.control(cancel).kind == ControlKind::Button)
        return {CloseAction::Kind::Press, cancel};
    return {CloseAction::Kind::Unload};
}

std::string_view spokenName(const FormDefinition &form, ControlId id)
{
    const ControlDef &control = form.control(id);
    if (!control.accessibleName.empty())
        return control.accessibleName;
    const auto label = std::find_if(form.controls.begin(), form.controls.end(), [id](const ControlDef &other) {
        return other.kind == ControlKind::Label && other.buddy == id;
    });
    if (label != form.controls.end())
        return label->caption;
    return control.kind == ControlKind::TextBox ? std::string_view{} : control.caption;
}

std::string windowDescription(const FormDefinition &form, const std::function<std::string(ControlId)> &text)
{
    std::vector<ControlId> labels;
    for (std::size_t i = 0; i < form.controls.size(); ++i)
        if (form.controls[i].kind == ControlKind::Label)
            labels.push_back(static_cast<ControlId>(i));
    // A panel's labels are placed within it: read by where they show.
    const auto top = [&form](ControlId id) {
        const ControlDef &c = form.control(id);
        return c.top + (c.container != kNoControl ? form.control(c.container).top : 0);
    };
    const auto left = [&form](ControlId id) {
        const ControlDef &c = form.control(id);
        return c.left + (c.container != kNoControl ? form.control(c.container).left : 0);
    };
    std::stable_sort(labels.begin(), labels.end(), [&](ControlId a, ControlId b) {
        return top(a) != top(b) ? top(a) < top(b) : left(a) < left(b);
    });
    std::string out;
    for (ControlId id : labels) {
        std::string caption = text(id);
        while (!caption.empty() && caption.back() == ' ')
            caption.pop_back();
        if (caption.empty())
            continue;
        if (!out.empty())
            out += ' ';
        out += caption;
        const char last = caption.back();
        if (last != '.' && last != '!' && last != '?' && last != ':')
            out += '.';
    }
    return out;
}

OleColor foreColorOf(const ControlDef &control)
{
    if (control.foreColor)
        return *control.foreColor;
    return control.kind == ControlKind::TextBox ? kWindowText : kButtonText;
}

OleColor backColorOf(const ControlDef &control)
{
    if (control.backColor)
        return *control.backColor;
    return control.kind == ControlKind::TextBox ? kWindowBackground : kButtonFace;
}

} // namespace kelvastro
