// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/forms/colorscheme.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

namespace kelvastro {

namespace {

// System colour numbers the rule speaks of.
enum : int {
    kInactiveCaption = 3,
    kMenu = 4,
    kWindow = 5,
    kMenuText = 7,
    kWindowText = 8,
    kHighlight = 13,
    kHighlightText = 14,
    kButtonFace = 15,
    kGrayText = 17,
    kButtonText = 18,
    kInactiveCaptionText = 19,
};

constexpr double kReadable = 4.5; // WCAG 2.1 AA for text

double linear(std::uint32_t channel)
{
    const double c = static_cast<double>(channel & 0xFFu) / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

Rgb rgbIn(OleColor color, const SystemPalette &palette)
{
    return isSystemColor(color) ? palette[systemColorIndex(color) % kSystemColorCount] : rgbOfBgr(color & 0xFFFFFFu);
}

constexpr OleColor system(int index) { return 0x80000000u | static_cast<OleColor>(index); }

} // namespace

SystemPalette classicPalette()
{
    SystemPalette palette;
    for (int i = 0; i < kSystemColorCount; ++i)
        palette.colors[static_cast<std::size_t>(i)] = classicSystemColor(i);
    return palette;
}

double luminance(Rgb color)
{
    return 0.2126 * linear(color >> 16) + 0.7152 * linear(color >> 8) + 0.0722 * linear(color);
}

double contrast(Rgb a, Rgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isDark(const SystemPalette &palette)
{
    return luminance(palette[kWindowText]) > luminance(palette[kWindow]);
}

bool looksHighContrast(const SystemPalette &palette)
{
    return luminance(palette[kWindow]) < 0.05 && contrast(palette[kWindow], palette[kWindowText]) >= 15.0;
}

ColorScheme::ColorScheme(const SystemPalette &platform) : m_platform(platform)
{
    m_platform.highContrast = platform.highContrast || looksHighContrast(platform);
    m_base = isDark(platform) && !m_platform.highContrast ? classicPalette() : platform;
}

Rgb ColorScheme::resolved(OleColor color, const DesignColors &design) const
{
    static const SystemPalette classic = classicPalette();
    if (isSystemColor(color) && design[static_cast<std::size_t>(systemColorIndex(color) % kSystemColorCount)])
        return rgbIn(color, classic);
    return rgbIn(color, m_base);
}

// Every pair of text and background the window shows, as defined and as its
// handlers change it, is weighed; a pair that reads worse than designed takes
// the design's background for the whole window (its text, where the
// background is fixed), and the pairs are weighed again, until all read.
ColorScheme::DesignColors ColorScheme::designColors(const FormDefinition &form) const
{
    DesignColors design;
    if (m_platform.highContrast)
        return design;
    struct Pair {
        OleColor text, back;
    };
    std::vector<Pair> pairs;
    pairs.reserve(form.controls.size() + form.backColorChanges.size());
    for (const ControlDef &c : form.controls)
        if (c.kind == ControlKind::TextBox || c.kind == ControlKind::Label || c.kind == ControlKind::Frame
            || c.kind == ControlKind::Button)
            pairs.push_back({foreColorOf(c), backColorOf(c)});
    std::transform(form.backColorChanges.begin(), form.backColorChanges.end(), std::back_inserter(pairs),
                   [&form](const BackColorChange &change) {
                       return Pair{foreColorOf(form.control(change.control)), change.back};
                   });

    static const SystemPalette classic = classicPalette();
    const auto index = [](OleColor c) { return static_cast<std::size_t>(systemColorIndex(c) % kSystemColorCount); };
    for (bool changed = true; changed;) {
        changed = false;
        for (const Pair &pair : pairs) {
            if (!isSystemColor(pair.text) && !isSystemColor(pair.back))
                continue;
            const double wanted = std::min(kReadable, contrast(rgbIn(pair.text, classic), rgbIn(pair.back, classic)));
            if (contrast(resolved(pair.text, design), resolved(pair.back, design)) >= wanted)
                continue;
            // Both in the design's colours, the pair reads as designed: this ends.
            if (isSystemColor(pair.back) && !design[index(pair.back)])
                design.set(index(pair.back));
            else
                design.set(index(pair.text));
            changed = true;
        }
    }
    return design;
}

// The text colour that goes with a system background in every scheme.
Rgb ColorScheme::partnerOf(int index) const
{
    int partner = kWindowText;
    switch (index) {
    case kWindow: partner = kWindowText; break;
    case kHighlight: partner = kHighlightText; break;
    case kButtonFace: partner = kButtonText; break;
    case kInactiveCaptionText: partner = kInactiveCaption; break;
    case kInactiveCaption: partner = kInactiveCaptionText; break;
    case kMenu: partner = kMenuText; break;
    default: break;
    }
    const Rgb back = m_platform[index];
    Rgb best = m_platform[partner];
    for (int candidate : {kWindowText, kButtonText, kHighlightText, kWindow})
        if (contrast(best, back) < kReadable && contrast(m_platform[candidate], back) > contrast(best, back))
            best = m_platform[candidate];
    return best;
}

Look ColorScheme::contrasting(OleColor text, OleColor back, bool locked, bool field) const
{
    (void)text; // high contrast: the scheme's text colours, never the definition's
    if (isSystemColor(back)) {
        const int index = systemColorIndex(back) % kSystemColorCount;
        return {partnerOf(index), m_platform[index]};
    }
    if (field && !locked)
        return {m_platform[kWindowText], m_platform[kWindow]};
    const Rgb face = m_platform[kButtonFace];
    if (field && contrast(m_platform[kGrayText], face) >= kReadable)
        return {m_platform[kGrayText], face}; // locked: readable, and marked as not for typing
    return {m_platform[kButtonText], face};
}

Look ColorScheme::control(const FormDefinition &form, ControlId id, OleColor back, bool locked) const
{
    const ControlDef &control = form.control(id);
    const bool field = control.kind == ControlKind::TextBox;
    if (!m_platform.highContrast) {
        const DesignColors design = designColors(form);
        return {resolved(foreColorOf(control), design), resolved(back, design)};
    }
    const Look look = contrasting(foreColorOf(control), back, locked, field);
    if (field && locked && isSystemColor(back)) {
        // A locked field in a system colour of the definition's choosing must
        // still look unlike a field locked in its own colour, and unlike an open one.
        const Look lockedLook = contrasting(0, 0, true, true);
        const Look openLook = contrasting(0, 0, false, true);
        if (look == lockedLook || look == openLook)
            return {m_platform[kHighlightText], m_platform[kHighlight]};
    }
    return look;
}

// No table pairs a text with the window's surface, so the menu bar's and
// status line's text is held to 4.5:1 whatever the background is.
Look ColorScheme::window(const FormDefinition &form) const
{
    Look look = m_platform.highContrast ? contrasting(0, form.backColor, false, false)
                                        : Look{resolved(system(kButtonText), designColors(form)),
                                               resolved(form.backColor, designColors(form))};
    if (contrast(look.text, look.back) < kReadable)
        look.text = contrast(0x000000u, look.back) >= contrast(0xFFFFFFu, look.back) ? 0x000000u : 0xFFFFFFu;
    return look;
}

// Selected text is the text boxes' own, the same in every window: weighed on its own.
Look ColorScheme::selection() const
{
    if (m_platform.highContrast)
        return {m_platform[kHighlightText], m_platform[kHighlight]};
    static const SystemPalette classic = classicPalette();
    const Look platform{m_base[kHighlightText], m_base[kHighlight]};
    const Look design{classic[kHighlightText], classic[kHighlight]};
    return contrast(platform.text, platform.back) >= std::min(kReadable, contrast(design.text, design.back)) ? platform
                                                                                                        : design;
}

Rgb ColorScheme::line(const FormDefinition &form, const ControlDef &line) const
{
    if (m_platform.highContrast)
        return window(form).text;
    return rgbIn(foreColorOf(line), m_base);
}

Rgb ColorScheme::focusRing(const FormDefinition &form) const
{
    const Look surface = window(form);
    if (m_platform.highContrast && contrast(m_platform[kHighlight], surface.back) >= 3.0)
        return m_platform[kHighlight];
    return surface.text;
}

} // namespace kelvastro
