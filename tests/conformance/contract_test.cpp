// SPDX-License-Identifier: GPL-3.0-or-later
// The contract of formview.h and formsservices.h on a window with no
// behaviour of its own: the order and causes of focus events, when a text
// change is heard, what Tab selects, posted work, and the focus round trip
// through a message box and a modal window.
#include "tests/conformance/conformance.h"
#include "tests/conformance/probeform.h"

using namespace kelvastro;
using namespace kelvastro::conformance;

namespace {

using Events = std::vector<std::string>;

class Contract : public Conformance {
protected:
    Contract() { d.start(probe); }
    ProbeForm probe{d.forms()};
};

TEST_F(Contract, OpensWithLoadThenTheFocusOnTheFirstControl)
{
    EXPECT_EQ(probe.events, (Events{"load", "got first Program"}));
    EXPECT_EQ(d.focus(probe), ProbeForm::first);
}

TEST_F(Contract, TheFocusLeavesBeforeItArrivesWithTheCauseOfTheMove)
{
    probe.clear();
    d.press(Key::Tab);
    d.press(Key::ShiftTab);
    d.click(probe, ProbeForm::third);
    EXPECT_EQ(probe.events, (Events{"lost first Tab", "got second Tab", "lost second ShiftTab", "got first ShiftTab",
                                    "lost first Click", "got third Click"}));
    EXPECT_EQ(d.focus(probe), ProbeForm::third);
}

TEST_F(Contract, AMoveTakenBackWhileItLeavesIsNeverHeardWhereItWasGoing)
{
    bool refuse = true;
    probe.react = [&](const FormEvent &e) {
        if (e.kind == EventKind::LostFocus && e.control == ProbeForm::first && refuse) {
            refuse = false;
            probe.formView().setFocus(ProbeForm::first);
        }
    };
    probe.clear();
    d.press(Key::Tab);
    EXPECT_EQ(probe.events, (Events{"lost first Tab", "got first Program"}));
    EXPECT_EQ(d.focus(probe), ProbeForm::first);
}

TEST_F(Contract, AMoveSentOnArrivesOnceWithTheCauseItWasSentWith)
{
    probe.react = [&](const FormEvent &e) {
        if (e.kind == EventKind::GotFocus && e.control == ProbeForm::second)
            probe.formView().setFocus(ProbeForm::third, e.cause);
    };
    probe.clear();
    d.press(Key::Tab);
    EXPECT_EQ(probe.events, (Events{"lost first Tab", "got second Tab", "lost second Tab", "got third Tab"}));
    EXPECT_EQ(d.focus(probe), ProbeForm::third);
}

TEST_F(Contract, EveryTextChangeIsHeardOnceAndAWriteOfTheSameTextNever)
{
    probe.clear();
    d.type("12");
    probe.formView().setText(ProbeForm::second, "ab");
    probe.formView().setText(ProbeForm::second, "ab");
    probe.formView().setText(ProbeForm::third, "locked too");
    d.press(Key::Backspace);
    EXPECT_EQ(probe.events, (Events{"changed first 1", "changed first 12", "changed second ab",
                                    "changed third locked too", "changed first 1"}));
    EXPECT_EQ(d.text(probe, ProbeForm::second), "ab");
}

TEST_F(Contract, TextsAreUtf8BothWays)
{
    d.type("\xD9\xA1\xD9\xA2\xD9\xAB\xD9\xA5 \xE2\x82\xAC"); // Arabic digits, a blank and the euro sign
    EXPECT_EQ(d.text(probe, ProbeForm::first), "\xD9\xA1\xD9\xA2\xD9\xAB\xD9\xA5 \xE2\x82\xAC");
    probe.formView().setText(ProbeForm::second, "\xF0\x9D\x90\x80"); // beyond the basic plane
    EXPECT_EQ(d.text(probe, ProbeForm::second), "\xF0\x9D\x90\x80");
    EXPECT_EQ(probe.formView().text(ProbeForm::first), d.text(probe, ProbeForm::first));
}

TEST_F(Contract, TabSelectsTheWholeTextAndAClickOrTheProgramNothing)
{
    probe.formView().setText(ProbeForm::second, "abc");
    EXPECT_EQ(d.selection(probe, ProbeForm::second), (Selection{0, 0})) << "written, shown from its start";
    d.press(Key::Tab);
    EXPECT_EQ(d.selection(probe, ProbeForm::second), (Selection{0, 3}));
    d.type("x");
    EXPECT_EQ(d.text(probe, ProbeForm::second), "x");
    d.press(Key::ShiftTab);
    d.press(Key::Tab);
    EXPECT_EQ(d.selection(probe, ProbeForm::second), (Selection{0, 1}));
    d.click(probe, ProbeForm::first);
    d.click(probe, ProbeForm::second);
    const Selection clicked = d.selection(probe, ProbeForm::second);
    EXPECT_EQ(clicked.start, clicked.end);
    probe.formView().setFocus(ProbeForm::first);
    const Selection programs = d.selection(probe, ProbeForm::first);
    EXPECT_EQ(programs.start, programs.end);
}

TEST_F(Contract, ALockedBoxTakesTheFocusButNoTyping)
{
    probe.formView().setText(ProbeForm::third, "kept");
    d.click(probe, ProbeForm::third);
    EXPECT_EQ(d.focus(probe), ProbeForm::third);
    EXPECT_TRUE(d.locked(probe, ProbeForm::third));
    d.type("9");
    EXPECT_EQ(d.text(probe, ProbeForm::third), "kept");
    probe.formView().setLocked(ProbeForm::third, false);
    EXPECT_FALSE(d.locked(probe, ProbeForm::third));
    d.type("9");
    EXPECT_EQ(d.text(probe, ProbeForm::third), "kept9");
}

TEST_F(Contract, PostedWorkRunsOnceTheEventIsDoneBeforeTheNextInput)
{
    probe.react = [&](const FormEvent &e) {
        if (e.kind == EventKind::TextChanged && probe.formView().text(e.control) == "1")
            probe.formServices().post(probe, [&] { probe.events.emplace_back("posted"); });
        if (e.kind == EventKind::TextChanged)
            probe.events.emplace_back("handled");
    };
    probe.clear();
    d.type("12");
    EXPECT_EQ(probe.events, (Events{"changed first 1", "handled", "posted", "changed first 12", "handled"}));
}

TEST_F(Contract, AMessageBoxTakesTheFocusAwayAndGivesItBack)
{
    probe.react = [&](const FormEvent &e) {
        if (e.kind == EventKind::TextChanged)
            probe.formServices().post(probe, [&] { probe.formServices().showMessage("Heard"); });
    };
    probe.clear();
    d.type("x");
    EXPECT_EQ(d.messages(), (Events{"Heard"}));
    EXPECT_EQ(probe.events, (Events{"changed first x", "lost first OtherWindow", "got first OtherWindow"}));
    EXPECT_EQ(d.focus(probe), ProbeForm::first);
}

TEST_F(Contract, AModalWindowLoadsAfreshTakesTheInputAndGivesTheFocusBack)
{
    ProbeForm dialog(d.forms(), true);
    dialog.react = [&](const FormEvent &e) {
        if (e.kind == EventKind::Click && e.control == ProbeForm::cancelButton)
            dialog.formServices().unload(dialog);
    };
    probe.react = [&](const FormEvent &e) {
        if (e.kind == EventKind::Click && e.control == ProbeForm::okButton)
            probe.formServices().showModal(dialog);
    };
    // Escape and the close box both press the cancel button, whose handler closes
    // the window: the handler must run, as it would for a click.
    const std::function<void(Form &)> dismissals[] = {[&](Form &) { d.press(Key::Escape); },
                                                      [&](Form &shown) { d.closeBox(shown); }};
    for (const auto &dismiss : dismissals) {
        d.click(probe, ProbeForm::first);
        probe.clear();
        dialog.clear();
        const Driver::Modal modal = d.whileModal([&] { d.click(probe, ProbeForm::okButton); },
                                                 [&](Form &shown) {
                                                     EXPECT_EQ(&shown, &dialog);
                                                     EXPECT_EQ(d.focus(dialog), ProbeForm::first);
                                                     d.type("y");
                                                     dismiss(shown);
                                                 });
        EXPECT_FALSE(modal.leftOpen);
        EXPECT_FALSE(modal.callerTookInput);
        EXPECT_EQ(dialog.events, (Events{"load", "got first Program", "changed first y", "click cancelButton"}));
        EXPECT_EQ(probe.events, (Events{"lost first Click", "got okButton Click", "click okButton",
                                        "lost okButton OtherWindow", "got okButton OtherWindow"}));
        EXPECT_EQ(d.focus(probe), ProbeForm::okButton);
        dialog.formView().setText(ProbeForm::first, {}); // the next opening starts as defined
    }
}

} // namespace
