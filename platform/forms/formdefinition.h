// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kelvastro {

// A control's place in its window's definition; events and operations name controls by it.
using ControlId = std::uint16_t;
inline constexpr ControlId kNoControl = 0xFFFF;

// 0x00BBGGRR, or 0x800000nn for the platform's system colour nn.
using OleColor = std::uint32_t;

enum class ControlKind : std::uint8_t {
    TextBox,
    Label,
    Button,
    Frame,      // a panel holding labels
    Line,       // drawn on the window's surface, beneath the controls
    MenuItem,   // level 1 on the bar, level 2 in the drop-down of the level-1 item before it
    StatusLine, // where the window says what happened, seen and spoken
    Command,    // a keyboard command with no control of its own
};

enum class Alignment : std::uint8_t { Left, Right, Centre };

enum class Placement : std::uint8_t {
    WindowSystem,    // where the window manager puts it
    CentredOnScreen, // at every showing
    Fixed,           // the client area's top left corner at (left, top) twips from the screen's
};

struct FontDef {
    std::string_view family{};
    double points = 8.25;
    bool bold = false; // never italic, underlined or struck through
};

// One row of a window's control table. Positions and sizes are twips; a
// line's are its end points (x1, y1) and (x2, y2) as left, top, width, height.
struct ControlDef {
    std::string_view name{}; // the control's name, and its objectName
    ControlKind kind = ControlKind::Label;
    std::string_view caption{}; // a text box's design text (never shown); an '&' marks a button's access key
    int left = 0, top = 0, width = 0, height = 0;
    std::optional<FontDef> font{};       // none: the window's font
    std::optional<OleColor> foreColor{}; // none: the platform's default for the kind
    std::optional<OleColor> backColor{};
    Alignment alignment = Alignment::Left;
    bool locked = false;
    int tabIndex = -1;
    ControlId container = kNoControl; // the frame it sits in; positions are then relative to that frame
    ControlId buddy = kNoControl;     // a label: the control it names
    std::string_view accessibleName{};  // empty: the caption of the label that names it, else its caption
    bool autoSize = false;            // a label: sized to its caption on one line
    bool graphical = false;           // a button that draws its own background colour
    bool isDefault = false;           // Enter presses it
    bool isCancel = false;            // Escape presses it
    int lineWidth = 1;                // a line: in pixels
    int menuLevel = 0;
    std::string_view shortcut{}; // a command: its key in portable notation, "Ctrl+Shift+C"
};

// A background colour a window's handler gives a control at run time: the
// colour rule weighs it with the definition's own, since it is shown in the
// same window.
struct BackColorChange {
    ControlId control = kNoControl;
    OleColor back = 0;
};

struct FormDefinition {
    std::string_view name{};
    std::string_view caption{};
    int clientWidth = 0, clientHeight = 0; // twips
    bool controlBox = true; // the close box; with no caption and none, there is no title bar
    Placement placement = Placement::WindowSystem;
    int left = 0, top = 0;
    bool startUp = false; // the program's start-up window, its only main window
    OleColor backColor = 0x8000000Fu;
    FontDef font{};
    bool keyPreview = false;         // every key press comes to the window first
    std::string_view accessibleName{}; // for a window whose caption says nothing
    std::span<const ControlDef> controls{};
    std::span<const BackColorChange> backColorChanges{};

    const ControlDef &control(ControlId id) const { return controls[id]; }
    ControlId find(std::string_view controlName) const;
};

// What every front end derives from a definition the same way.

// Text boxes and buttons, by tab index: the order of the Tab key.
std::vector<ControlId> tabOrder(const FormDefinition &form);

bool takesFocus(const ControlDef &control);

// Where one press of Tab (or Shift+Tab) takes the focus from `from`, wrapping
// at either end; from no control, or one off the order, to the first (the last).
// kNoControl when nothing takes the focus.
ControlId tabStep(const FormDefinition &form, ControlId from, bool backwards);

// The button a key presses: Enter the focused button, else the default one;
// Escape the cancel one. kNoControl when it presses none.
ControlId buttonForKey(const FormDefinition &form, char32_t key, ControlId focused);

// What the close box (and Alt+F4) does: on the start-up window it ends the
// program; on any other it presses the cancel button, or unloads the window
// when it has none.
struct CloseAction {
    enum class Kind : std::uint8_t { EndProgram, Press, Unload };
    Kind kind = Kind::Unload;
    ControlId button = kNoControl;
    bool operator==(const CloseAction &) const = default;
};
CloseAction closeAction(const FormDefinition &form);

// What a screen reader calls the control: its own accessible name, else the
// caption of the label that names it, else its caption.
std::string_view spokenName(const FormDefinition &form, ControlId id);

// A secondary window's whole text for assistive technology, which passes
// over short lone labels: every label's current caption (`text`), in reading
// order, top to bottom and left to right, as sentences.
std::string windowDescription(const FormDefinition &form, const std::function<std::string(ControlId)> &text);

// The colours a control shows when its row leaves them to the platform.
OleColor foreColorOf(const ControlDef &control);
OleColor backColorOf(const ControlDef &control);

// A definition's controls named in the order the code numbers them: true when
// every name in `names` is the name of the row at that place.
constexpr bool namesMatch(std::span<const ControlDef> controls, std::span<const std::string_view> names)
{
    if (controls.size() != names.size())
        return false;
    for (std::size_t i = 0; i < controls.size(); ++i)
        if (controls[i].name != names[i])
            return false;
    return true;
}

} // namespace kelvastro
