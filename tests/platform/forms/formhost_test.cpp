// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the shared host that no row of the conformance suite can
// see from outside: the order of the focus ledger when moves overtake each
// other, what reaches the toolkit, the text copy's, and posted work's.
#include "platform/forms/focuscause.h"
#include "platform/forms/formshost.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kelvastro;

namespace {

constexpr ControlDef kControls[] = {
    {.name = "first", .kind = ControlKind::TextBox, .tabIndex = 0},
    {.name = "second", .kind = ControlKind::TextBox, .tabIndex = 1},
    {.name = "third", .kind = ControlKind::TextBox, .tabIndex = 2},
};
constexpr FormDefinition kForm{.name = "probe", .startUp = true, .controls = kControls};

const char *const kNames[] = {"first", "second", "third"};
const char *const kCauses[] = {"Tab", "ShiftTab", "Click", "OtherWindow", "Program"};

// Writes down what it hears, and reacts where a test asks.
class Probe final : public Form {
public:
    explicit Probe(FormsServices &services) : Form(services, kForm) {}
    void handle(const FormEvent &e) override
    {
        const std::string cause = kCauses[static_cast<int>(e.cause)];
        if (e.kind == EventKind::GotFocus)
            events.push_back(std::string("got ") + kNames[e.control] + " " + cause);
        else if (e.kind == EventKind::LostFocus)
            events.push_back(std::string("lost ") + kNames[e.control] + " " + cause);
        else if (e.kind == EventKind::TextChanged)
            events.push_back(std::string("changed ") + kNames[e.control]);
        if (react)
            react(e);
    }
    FormView &window() { return view(); }
    std::vector<std::string> events;
    std::function<void(const FormEvent &)> react;
};

// A toolkit that echoes every focus it is given as its own report, as
// Win32's SetFocus and Qt's setFocus do, and keeps at most `room` bytes of a text.
class Toolkit final : public NativeWindow {
public:
    explicit Toolkit(FormHost &host) : m_host(host) {}
    void showText(ControlId id, std::string_view text) override
    {
        m_host.textChanged(id, std::string(text.substr(0, room)));
    }
    void showFromStart(ControlId id) override { log.push_back(std::string("from start ") + kNames[id]); }
    void applyFocus(ControlId id, bool selectAll) override
    {
        log.push_back(std::string("focus ") + kNames[id] + (selectAll ? " selected" : ""));
        m_host.focusLeft(shown, FocusCause::Program);
        m_host.focusArrived(shown = id, FocusCause::Program);
    }
    void showLook(ControlId) override {}
    void showLocked(ControlId, bool) override {}
    void showTitle(std::string_view) override {}
    void showDescription(std::string_view) override {}
    void focusMoved(ControlId from, ControlId to) override
    {
        moves.push_back(std::string(from == kNoControl ? "none" : kNames[from]) + " to " + kNames[to]);
    }
    bool press(ControlId) override { return false; }
    void place() override {}
    void show() override {}
    void runModal() override {}
    void close() override {}

    std::vector<std::string> log;
    std::vector<std::string> moves; // as the window heard of them, to move its ring
    std::size_t room = 100;
    ControlId shown = kNoControl;

private:
    FormHost &m_host;
};

class Services final : public FormsHost {
public:
    Services() : FormsHost({"Probe", 1, 0, 0}) {}
    void copyToClipboard(std::string_view) override {}
    Toolkit &toolkit(Form &form) { return static_cast<Toolkit &>(host(form).native()); }

protected:
    std::unique_ptr<NativeWindow> createWindow(FormHost &host, FormHost *) override
    {
        return std::make_unique<Toolkit>(host);
    }
    void wake() override {}
    void quit() override {}
    void messageBox(std::string_view) override {}
};

class Ledger : public testing::Test {
protected:
    Ledger()
    {
        services.show(probe);
        probe.events.clear();
        services.toolkit(probe).log.clear();
        services.toolkit(probe).moves.clear();
    }
    FormHost &host() { return services.host(probe); }
    // A handler that will not let a click take the focus from the first control.
    void takeClicksBackToFirst()
    {
        probe.react = [this](const FormEvent &e) {
            if (e.kind == EventKind::LostFocus && e.control == 0 && e.cause == FocusCause::Click)
                probe.window().setFocus(0);
        };
    }

    Services services;
    Probe probe{services};
};

TEST_F(Ledger, AMoveTakenBackWhileItLeavesIsNeverHeardWhereItWasGoingAndTheToolkitMovesOnce)
{
    probe.react = [this](const FormEvent &e) {
        if (e.kind == EventKind::LostFocus && e.control == 0)
            probe.window().setFocus(0);
    };
    EXPECT_TRUE(host().keyPressed({KeyStroke::Key::Tab}));
    EXPECT_EQ(probe.events, (std::vector<std::string>{"lost first Tab", "got first Program"}));
    EXPECT_TRUE(services.toolkit(probe).log.empty()) << "the toolkit's focus never left the first";
}

TEST_F(Ledger, AMoveSentOnIsHeardOnceWhereItEndsAndOnlyThereIsTheToolkitsFocusMoved)
{
    probe.react = [this](const FormEvent &e) {
        if (e.kind == EventKind::GotFocus && e.control == 1)
            probe.window().setFocus(2, FocusCause::Tab);
    };
    host().keyPressed({KeyStroke::Key::Tab});
    EXPECT_EQ(probe.events, (std::vector<std::string>{"lost first Tab", "got second Tab", "lost second Tab",
                                                      "got third Tab"}));
    EXPECT_EQ(services.toolkit(probe).log, (std::vector<std::string>{"focus third selected"}));
    EXPECT_EQ(host().focus(), 2);
}

// The toolkit's report of the move the host applied is no move: the window
// hears of each once, and repaints its ring once.
TEST_F(Ledger, TheWindowHearsOfEachMoveOnceAndNotOfTheToolkitsEcho)
{
    host().keyPressed({KeyStroke::Key::Tab});
    host().setFocus(0, FocusCause::Click);
    EXPECT_EQ(services.toolkit(probe).log, (std::vector<std::string>{"focus second selected", "focus first"}));
    EXPECT_EQ(services.toolkit(probe).moves, (std::vector<std::string>{"first to second", "second to first"}));
}

// A click is the toolkit's own move: told as it comes; a handler that takes
// it back moves the toolkit's focus back, and the click's target hears nothing.
TEST_F(Ledger, AToolkitsMoveIsToldAsItComesAndCanBeTakenBack)
{
    takeClicksBackToFirst();
    services.toolkit(probe).shown = 1;
    host().focusArrived(1, FocusCause::Click);
    EXPECT_EQ(probe.events, (std::vector<std::string>{"lost first Click", "got first Program"}));
    EXPECT_EQ(services.toolkit(probe).log, (std::vector<std::string>{"focus first"}));
    EXPECT_TRUE(host().refusesPress(1));
}

// Qt and Win32 tell the loss before the arrival: one move all the same.
TEST_F(Ledger, AToolkitsMoveToldAsALossThenAnArrivalIsHeardAsOneMove)
{
    services.toolkit(probe).shown = 1;
    host().focusLeft(0, FocusCause::Click);
    host().focusArrived(1, FocusCause::Click);
    EXPECT_EQ(probe.events, (std::vector<std::string>{"lost first Click", "got second Click"}));
    EXPECT_TRUE(services.toolkit(probe).log.empty()) << "the toolkit's focus is where it put it";
    EXPECT_FALSE(host().refusesPress(1));
}

// Taken back as the loss is told, before the toolkit reports where it went:
// the toolkit's focus, already on the click's target, is moved back.
TEST_F(Ledger, AToolkitsMoveTakenBackAsTheLossIsToldMovesTheToolkitBack)
{
    takeClicksBackToFirst();
    services.toolkit(probe).shown = 1;
    host().focusLeft(0, FocusCause::Click);
    EXPECT_EQ(probe.events, (std::vector<std::string>{"lost first Click", "got first Program"}));
    EXPECT_EQ(services.toolkit(probe).log, (std::vector<std::string>{"focus first"}));
    EXPECT_TRUE(host().refusesPress(1));
}

TEST_F(Ledger, AnotherWindowTakesTheFocusAndGivesItBackWithoutMovingIt)
{
    host().focusLeft(0, FocusCause::OtherWindow);
    host().focusLeft(0, FocusCause::OtherWindow); // said twice, heard once
    host().focusArrived(0, FocusCause::OtherWindow);
    host().focusArrived(0, FocusCause::OtherWindow);
    EXPECT_EQ(probe.events, (std::vector<std::string>{"lost first OtherWindow", "got first OtherWindow"}));
    EXPECT_EQ(host().focus(), 0);
}

TEST_F(Ledger, ActivationGivesTheFocusBackToTheControlThatHadIt)
{
    host().setFocus(2);
    host().focusLeft(2, FocusCause::OtherWindow);
    services.toolkit(probe).log.clear();
    probe.events.clear();
    host().activated();
    EXPECT_EQ(probe.events, (std::vector<std::string>{"got third OtherWindow"}));
    EXPECT_EQ(services.toolkit(probe).log, (std::vector<std::string>{"focus third"}));
}

TEST_F(Ledger, AWriteThatChangesNothingIsHeardOnceAndTheCopyIsWhatTheControlTook)
{
    services.toolkit(probe).room = 3;
    host().setText(1, "12345");
    host().setText(1, "123");
    EXPECT_EQ(host().text(1), "123");
    EXPECT_EQ(probe.events, (std::vector<std::string>{"changed second"}));
    // A result written where the user is not shows from its start; where the user types, the caret stays.
    host().setText(0, "9");
    EXPECT_EQ(services.toolkit(probe).log, (std::vector<std::string>{"from start second"}));
}

TEST(FocusCause, OtherWindowsWinThenTheToolkitsOwn)
{
    using O = FocusOrigin;
    using C = FocusCause;
    const std::tuple<O, bool, C> rows[] = {
        {O::Tab, true, C::Tab},           {O::ShiftTab, true, C::ShiftTab}, {O::Click, true, C::Click},
        {O::Other, true, C::Program},     {O::Click, false, C::OtherWindow}, {O::Activation, true, C::OtherWindow},
        {O::Popup, true, C::OtherWindow}, {O::MenuBar, true, C::OtherWindow},
    };
    for (const auto &[origin, inWindow, expected] : rows)
        EXPECT_EQ(focusCause(origin, inWindow), expected) << static_cast<int>(origin) << " " << inWindow;
}

TEST(PostedWork, RunsInOrderAndNeverForAFormThatWent)
{
    Services services;
    auto a = std::make_unique<Probe>(services);
    Probe b(services);
    std::vector<std::string> ran;
    services.post(*a, [&] { ran.emplace_back("a1"); });
    services.post(b, [&] { ran.emplace_back("b1"); });
    services.post(*a, [&] {
        ran.emplace_back("a2");
        services.post(b, [&] { ran.emplace_back("b2"); }); // posted from posted work: after the rest
    });
    services.post(*a, [&] { ran.emplace_back("a3"); });
    ASSERT_TRUE(services.runPosted());
    a.reset();
    while (services.runPosted()) {
    }
    EXPECT_EQ(ran, (std::vector<std::string>{"a1", "b1"}));
    services.post(b, [&] { ran.emplace_back("b3"); });
    services.endProgram();
    EXPECT_FALSE(services.runPosted()) << "nothing runs once the program has ended";
}

} // namespace
