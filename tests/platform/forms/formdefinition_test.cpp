// SPDX-License-Identifier: GPL-3.0-or-later
// The rules every front end takes from a definition: the Tab order and the
// names a screen reader speaks.
#include "platform/forms/formdefinition.h"

#include <gtest/gtest.h>

#include <array>

using namespace kelvastro;

namespace {

using K = ControlKind;

constexpr std::array kControls{
    ControlDef{.name = "second", .kind = K::TextBox, .tabIndex = 2},
    ControlDef{.name = "caption", .kind = K::Label, .caption = "Price", .tabIndex = 0, .buddy = 0},
    ControlDef{.name = "first", .kind = K::Button, .caption = "&Go", .tabIndex = 1},
    ControlDef{.name = "panel", .kind = K::Frame, .tabIndex = 0},
    ControlDef{.name = "tiedA", .kind = K::TextBox, .tabIndex = 5, .accessibleName = "Own name"},
    ControlDef{.name = "tiedB", .kind = K::TextBox, .tabIndex = 5},
    ControlDef{.name = "rule", .kind = K::Line},
    ControlDef{.name = "menu", .kind = K::MenuItem, .caption = "About", .menuLevel = 1},
};

constexpr FormDefinition kForm{.name = "test", .controls = kControls};

TEST(FormDefinition, TabOrderHoldsTextBoxesAndButtonsByTabIndexTiesInRowOrder)
{
    EXPECT_EQ(tabOrder(kForm), (std::vector<ControlId>{2, 0, 4, 5}));
}

TEST(FormDefinition, SpokenNameIsOwnNameThenLabelThenCaption)
{
    EXPECT_EQ(spokenName(kForm, 0), "Price");
    EXPECT_EQ(spokenName(kForm, 4), "Own name");
    EXPECT_EQ(spokenName(kForm, 5), ""); // a text box's text is its value, not its name
    EXPECT_EQ(spokenName(kForm, 2), "&Go");
}

TEST(FormDefinition, FindsControlsByName)
{
    EXPECT_EQ(kForm.find("first"), 2);
    EXPECT_EQ(kForm.find("absent"), kNoControl);
}

TEST(FormDefinition, EmptyColoursAreThePlatformDefaultsOfTheKind)
{
    EXPECT_EQ(foreColorOf(kControls[0]), 0x80000008u);
    EXPECT_EQ(backColorOf(kControls[0]), 0x80000005u);
    EXPECT_EQ(foreColorOf(kControls[1]), 0x80000012u);
    EXPECT_EQ(backColorOf(kControls[1]), 0x8000000Fu);
    constexpr ControlDef coloured{.kind = K::TextBox, .foreColor = 0x000000FF, .backColor = 0};
    EXPECT_EQ(foreColorOf(coloured), 0x000000FFu);
    EXPECT_EQ(backColorOf(coloured), 0u); // black is a colour, not the default
}

TEST(FormDefinition, WindowDescriptionReadsLabelsWhereTheyShowAsSentences)
{
    // The frame sits low on the form, so its label reads after the loose one
    // even though its own top is smaller; blank captions and trailing spaces
    // must not leave empty sentences behind.
    static constexpr std::array controls{
        ControlDef{.name = "frame", .kind = K::Frame, .left = 0, .top = 1000},
        ControlDef{.name = "inFrame", .kind = K::Label, .caption = "Second", .left = 10, .top = 10,
                   .container = 0},
        ControlDef{.name = "loose", .kind = K::Label, .caption = "First line", .left = 500, .top = 200},
        ControlDef{.name = "blank", .kind = K::Label, .caption = "   ", .left = 0, .top = 300},
        ControlDef{.name = "asks", .kind = K::Label, .caption = "Sure?", .left = 0, .top = 2000},
        ControlDef{.name = "leftOfLoose", .kind = K::Label, .caption = "Note: ", .left = 0, .top = 200},
        ControlDef{.name = "box", .kind = K::TextBox, .caption = "not read", .top = 0},
    };
    constexpr FormDefinition form{.name = "described", .controls = controls};
    const auto text = [&form](ControlId id) { return std::string(form.control(id).caption); };
    EXPECT_EQ(windowDescription(form, text), "Note: First line. Second. Sure?");
    // The text is the live one, not the definition's caption.
    EXPECT_EQ(windowDescription(form, [](ControlId id) { return id == 2 ? std::string("Now") : std::string(); }),
              "Now.");
}

} // namespace
