#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""What a person and a screen reader get from the real program.

Runs the built binary under the X server, window manager and accessibility bus
that scripts/acceptance.sh starts, types with xdotool as a person would, and
reads the window back through AT-SPI as a screen reader does.
Usage: calculator_acceptance.py PROGRAM [unittest arguments]
"""

import os
import subprocess
import sys
import time
import unittest

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

import pyatspi  # noqa: E402

PROGRAM = None
# A text query must answer well within what a person waits for a keystroke's echo.
QUERY_BOUND_S = 0.25


def pump(seconds=0.0):
    """Lets accessibility events arrive, for at least `seconds`."""
    end = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= end:
            return
        time.sleep(0.02)


def wait_for(what, timeout=10.0):
    end = time.monotonic() + timeout
    while True:
        value = what()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for %s" % getattr(what, "__name__", "a condition"))
        pump(0.05)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True)


def keys(*names):
    xdotool("key", "--delay", "60", *names)
    pump(0.3)


def type_text(text):
    xdotool("type", "--delay", "60", text)
    pump(0.3)


def descendants(node, depth=0):
    for child in node:
        if child is None:
            continue
        yield child
        if depth < 8:
            yield from descendants(child, depth + 1)


def text_of(node):
    t = node.queryText()
    return t.getText(0, -1)


def lone_labels(dialog):
    """The labels of a dialog that name nothing: a screen reader reads those
    on opening besides the dialog's description, so the text would be heard twice."""
    lone = []
    for node in descendants(dialog):
        if node.getRole() not in (pyatspi.ROLE_LABEL, pyatspi.ROLE_STATIC):
            continue
        targets = [relation.getTarget(i) for relation in node.getRelationSet()
                   if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR
                   for i in range(relation.getNTargets())]
        if dialog not in targets:
            lone.append(node.name)
    return lone


class Program:
    """The real program, and its window as the accessibility bus shows it."""

    def __init__(self, locale=None, environment=None):
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        if locale:
            env.update(LANG=locale + ".UTF-8", LC_ALL=locale + ".UTF-8", LANGUAGE="")
        env.update(environment or {})
        self.proc = subprocess.Popen([PROGRAM], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.app = wait_for(self._find_app, 20)
        self.frame = wait_for(lambda: next((c for c in self.app if c and c.getRole() == pyatspi.ROLE_FRAME), None))
        subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", str(self.proc.pid)],
                       check=True, stdout=subprocess.DEVNULL, timeout=20)
        wait_for(lambda: self.focused_name() == "Buying Price")

    def _find_app(self):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == self.proc.pid:
                    return app
            except GLib.Error:
                pass
        return None

    def close(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        pump(0.2)

    def control(self, name, role=pyatspi.ROLE_TEXT):
        for node in descendants(self.frame):
            if node.getRole() == role and node.name == name:
                return node
        raise AssertionError("no control of role %s named %r" % (role, name))

    def field_text(self, name):
        return text_of(self.control(name))

    def focused_name(self):
        for node in descendants(self.frame):
            if node.getState().contains(pyatspi.STATE_FOCUSED):
                return node.name
        return None

    def click(self, name, role=pyatspi.ROLE_TEXT):
        box = self.control(name, role).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdotool("mousemove", str(box.x + box.width // 2), str(box.y + box.height // 2), "click", "1")
        pump(0.3)

    def status_label(self):
        for node in descendants(self.frame):
            if node.getRole() == pyatspi.ROLE_STATUS_BAR:
                return next(c for c in node if c.getRole() in (pyatspi.ROLE_LABEL, pyatspi.ROLE_NOTIFICATION))
        raise AssertionError("no status bar")


class FocusRecorder:
    """Every focus report on the bus, in order, as Orca receives them."""

    def __init__(self):
        self.events = []
        pyatspi.Registry.registerEventListener(self._on_event, "object:state-changed:focused")

    def _on_event(self, event):
        if event.detail1:
            self.events.append(event.source.name)

    def stop(self):
        pyatspi.Registry.deregisterEventListener(self._on_event, "object:state-changed:focused")


class EventRecorder:
    """Every event of the kinds given, in order, as (kind, source name)."""

    def __init__(self, *kinds):
        self.kinds = kinds
        self.events = []
        for kind in kinds:
            pyatspi.Registry.registerEventListener(self._on_event, kind)

    def _on_event(self, event):
        if event.type.startswith("object:state-changed:focused") and not event.detail1:
            return
        self.events.append((str(event.type), event.source.name if event.source else ""))

    def stop(self):
        for kind in self.kinds:
            pyatspi.Registry.deregisterEventListener(self._on_event, kind)


class NotificationRecorder:
    """Notifications as they show, which a screen reader speaks wherever the focus is."""

    def __init__(self):
        self.spoken = []
        pyatspi.Registry.registerEventListener(self._on_event, "object:state-changed:showing")

    def _on_event(self, event):
        if event.detail1 and event.source.getRole() == pyatspi.ROLE_NOTIFICATION:
            self.spoken.append(event.source.name)

    def stop(self):
        pyatspi.Registry.deregisterEventListener(self._on_event, "object:state-changed:showing")


class CalculatorTest(unittest.TestCase):
    locale = None

    def setUp(self):
        self.program = Program(self.locale)

    def tearDown(self):
        self.program.close()

    def test_long_result_shows_its_first_character(self):
        type_text("3")
        keys("Tab")
        type_text("7")
        self.program.click("Selling Price")
        type_text("2")
        change = self.program.control("Change in Price %")
        self.assertEqual(text_of(change), "-33.3333333333333")
        field_box = change.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        sign = change.queryText().getCharacterExtents(0, pyatspi.DESKTOP_COORDS)
        self.assertGreaterEqual(sign[0], field_box.x, "the sign is scrolled out of view to the left")
        self.assertLessEqual(sign[0] + sign[2], field_box.x + field_box.width)

    def test_forwarded_focus_is_the_last_one_reported(self):
        type_text("10")
        keys("Tab")
        type_text("5")
        recorder = FocusRecorder()
        try:
            keys("Tab")  # towards Total buying Price, which sends it on to Selling Price
            pump(0.5)
            self.assertEqual(self.program.focused_name(), "Selling Price")
            self.assertEqual(recorder.events[-1], "Selling Price", recorder.events)
            self.assertNotIn("Total buying Price including Brokerage", recorder.events)
            keys("Tab", "Tab")  # past Total Selling Amount to Profit / Loss, sent on to Change in Price
            pump(0.5)
            self.assertEqual(self.program.focused_name(), "Change in Price %")
            self.assertEqual(recorder.events[-1], "Change in Price %", recorder.events)
        finally:
            recorder.stop()

    def test_a_tab_into_a_filled_field_is_one_focus_report_and_nothing_before_it(self):
        type_text("10")
        keys("Tab")
        type_text("5")
        self.program.click("Selling Price")
        type_text("12")
        recorder = EventRecorder("object:state-changed:focused", "object:text-selection-changed",
                                 "object:text-caret-moved")
        try:
            keys("Tab")  # into Total Selling Amount, whose 59.82 Tab selects
            pump(0.5)
        finally:
            recorder.stop()
        self.assertEqual(self.program.focused_name(), "Total Selling Amount Including Brokerage")
        focus = [i for i, (kind, _) in enumerate(recorder.events) if kind.startswith("object:state-changed:focused")]
        self.assertEqual(len(focus), 1, recorder.events)
        self.assertEqual(recorder.events[focus[0]][1], "Total Selling Amount Including Brokerage")
        before = [event for event in recorder.events[:focus[0]] if event[0] != "object:state-changed:focused"]
        self.assertEqual(before, [], "reported before the focus: %s" % recorder.events)
        left = [event for event in recorder.events if event[1] == "Selling Price"]
        self.assertEqual(left, [], "the field left reports: %s" % recorder.events)

    def test_opening_help_reports_no_focus_on_the_calculator(self):
        recorder = EventRecorder("object:state-changed:focused")
        try:
            keys("F10")  # into About's drop-down, on its first item
            keys("Down", "Return")  # Help
            tips = wait_for(lambda: next((c for c in self.program.app
                                          if c and c.getRole() == pyatspi.ROLE_DIALOG), None))
            pump(0.5)
        finally:
            recorder.stop()
        # Moving through the menu is heard; a field of the calculator is not.
        fields = {node.name for node in descendants(self.program.frame) if node.getRole() == pyatspi.ROLE_TEXT}
        told = [name for _, name in recorder.events if name in fields]
        self.assertEqual(told, [], recorder.events)
        self.assertIn("Please follow the tips", tips.description)
        self.assertIn("kelvastro.test", tips.description)
        self.assertEqual(lone_labels(tips), [])
        keys("space")

    def test_about_describes_itself_whole(self):
        keys("F10")
        keys("Return")  # About > About Kelvastro
        about = wait_for(lambda: next((c for c in self.program.app
                                       if c and c.getRole() == pyatspi.ROLE_DIALOG), None))
        self.assertTrue(about.name.startswith("About Kelvastro"), about.name)
        for words in ("Kelvastro", "Version 1.0.0", "Happy Trading", "Please follow this tips"):
            self.assertIn(words, about.description)
        self.assertEqual(about.name, "About Kelvastro")  # the text is the description's, not said twice
        self.assertEqual(lone_labels(about), [])
        keys("Escape")

    def test_shift_tab_reaches_every_field_backwards(self):
        seen = []
        for _ in range(9):
            keys("shift+Tab")
            seen.append(self.program.focused_name())
        self.assertEqual(seen, ["Change in Price %", "Change Brokerage %", "Brokerage %",
                                "Total Selling Amount Including Brokerage", "Selling Price", "Req.Bank Balace",
                                "Quantity", "Buying Price", "Change in Price %"])

    def test_change_in_price_is_named_with_its_unit(self):
        change = self.program.control("Change in Price %")
        # Orca names a field by the label that points at it, not by the field's own name.
        labels = [target.name for relation in change.getRelationSet()
                  if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                  for target in (relation.getTarget(i) for i in range(relation.getNTargets()))]
        self.assertEqual(labels, ["Change in Price %"])

    def test_clicks_and_tab_still_forward(self):
        self.program.click("Total buying Price including Brokerage")
        self.assertEqual(self.program.focused_name(), "Selling Price")
        self.program.click("Profit / Loss")
        self.assertEqual(self.program.focused_name(), "Change in Price %")

    def test_failure_is_readable_in_the_status_line(self):
        type_text("10")
        keys("Tab")
        type_text("abc")
        status = self.program.status_label()
        message = "Cannot work out Total buying Price including Brokerage: Quantity is not a number."
        self.assertEqual(status.name, message)
        box = status.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        frame = self.program.frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        self.assertLessEqual(box.x + box.width, frame.x + frame.width, "the message runs past the window")

    def test_rate_toggle_and_failures_are_spoken_where_the_focus_is(self):
        recorder = NotificationRecorder()
        try:
            keys("Escape")
            wait_for(lambda: recorder.spoken)
            self.assertEqual(recorder.spoken, ["Brokerage rate open for editing"])
            keys("Escape")
            wait_for(lambda: len(recorder.spoken) == 2)
            self.assertEqual(recorder.spoken[-1], "Brokerage rate locked")
            keys("Tab")
            type_text("5")
            self.program.click("Selling Price")
            type_text("12")  # two keystrokes, one message
            pump(0.5)
            self.assertEqual(recorder.spoken[2:],
                             ["Cannot work out Profit / Loss: Total buying Price including Brokerage is empty."])
        finally:
            recorder.stop()

    def test_every_text_query_answers_at_once(self):
        type_text("10")
        keys("Tab")
        type_text("5")
        self.program.click("Selling Price")
        type_text("12")
        boundaries = [pyatspi.TEXT_BOUNDARY_CHAR, pyatspi.TEXT_BOUNDARY_WORD_START, pyatspi.TEXT_BOUNDARY_WORD_END,
                      pyatspi.TEXT_BOUNDARY_SENTENCE_START, pyatspi.TEXT_BOUNDARY_SENTENCE_END,
                      pyatspi.TEXT_BOUNDARY_LINE_START, pyatspi.TEXT_BOUNDARY_LINE_END]
        slowest = 0.0
        for name, expected in [("Total buying Price including Brokerage", "50.15"),
                               ("Total Selling Amount Including Brokerage", "59.82"),
                               ("Change in Price %", "20"), ("Quantity", "5")]:
            text = self.program.control(name).queryText()
            self.assertEqual(text.getText(0, -1), expected)
            n = len(expected)
            for offset in range(n + 1):
                for boundary in boundaries:
                    for query in (text.getTextAtOffset, text.getTextBeforeOffset, text.getTextAfterOffset):
                        start = time.monotonic()
                        query(offset, boundary)
                        slowest = max(slowest, time.monotonic() - start)
                start = time.monotonic()
                run = text.getAttributeRun(offset, False)
                text.getCharacterExtents(min(offset, n - 1), pyatspi.DESKTOP_COORDS)
                slowest = max(slowest, time.monotonic() - start)
                # One run over the whole value: the screen reader then speaks it whole.
                self.assertEqual((run[1], run[2]), (0, n), "attribute run at %d of %r" % (offset, expected))
            # The word at the end is the value itself, not a hang.
            self.assertEqual(text.getTextAtOffset(n, pyatspi.TEXT_BOUNDARY_WORD_START)[0], expected)
            self.assertEqual(text.getTextAtOffset(n, pyatspi.TEXT_BOUNDARY_LINE_START)[0], expected)
        self.assertLess(slowest, QUERY_BOUND_S, "slowest text query took %.3f s" % slowest)

    def test_menu_reaches_exit_from_the_keyboard(self):
        keys("F10")
        keys("Right")
        keys("Return")
        self.assertIsNotNone(wait_for(lambda: self.program.proc.poll() is not None, 5))

    def test_escape_closes_the_menu_before_it_toggles_the_rate(self):
        keys("F10")
        keys("Escape")
        keys("Escape")
        self.assertEqual(self.program.focused_name(), "Buying Price")
        self.program.control("Change Brokerage %", pyatspi.ROLE_PUSH_BUTTON)
        rate = self.program.control("Brokerage %")
        self.assertFalse(rate.getState().contains(pyatspi.STATE_EDITABLE))
        keys("Escape")  # with the menu closed, Escape presses the rate button
        pump(0.3)
        self.program.control("OK", pyatspi.ROLE_PUSH_BUTTON)
        self.assertTrue(rate.getState().contains(pyatspi.STATE_EDITABLE))

    def test_pasted_spreadsheet_cell_is_read(self):
        clip = subprocess.Popen(["xclip", "-selection", "clipboard", "-loops", "1"], stdin=subprocess.PIPE)
        clip.stdin.write(b"10\r\n")
        clip.stdin.close()
        pump(0.3)
        keys("ctrl+v")
        clip.wait(5)
        keys("Tab")
        type_text("5")
        self.assertEqual(self.program.field_text("Total buying Price including Brokerage"), "50.15")

    def test_copy_puts_the_whole_trade_on_the_clipboard(self):
        type_text("10")
        keys("Tab")
        type_text("5")
        keys("ctrl+shift+c")
        copied = subprocess.run(["xclip", "-selection", "clipboard", "-o"], capture_output=True, timeout=5,
                                check=True).stdout.decode()
        lines = copied.splitlines()
        self.assertIn("Buying Price\t10", lines)
        self.assertIn("Total buying Price including Brokerage\t50.15", lines)
        self.assertIn("Profit / Loss\t", lines)


def luminance(rgb):
    def channel(c):
        c /= 255.0
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = rgb
    return 0.2126 * channel(r) + 0.7152 * channel(g) + 0.0722 * channel(b)


def contrast(a, b):
    la, lb = luminance(a), luminance(b)
    return (max(la, lb) + 0.05) / (min(la, lb) + 0.05)


def screen_pixels():
    """The whole screen as a person sees it: (width, height, bytes of RGB)."""
    ppm = subprocess.run(["import", "-window", "root", "-depth", "8", "ppm:-"], capture_output=True, check=True,
                         timeout=20).stdout
    fields = ppm.split(maxsplit=4)
    return int(fields[1]), int(fields[2]), fields[4]


def text_contrast(pixels, box):
    """The contrast of what stands out most in the box against its commonest colour."""
    width, height, data = pixels
    counts = {}
    for y in range(max(box.y + 3, 0), min(box.y + box.height - 3, height)):
        row = (y * width) * 3
        for x in range(max(box.x + 3, 0), min(box.x + box.width - 3, width)):
            i = row + x * 3
            colour = (data[i], data[i + 1], data[i + 2])
            counts[colour] = counts.get(colour, 0) + 1
    if not counts:
        return 1.0
    back = max(counts, key=counts.get)
    return max(contrast(back, colour) for colour in counts)


class DesktopTest(unittest.TestCase):
    """The program on Plasma's Breeze Dark, read back from the screen."""

    def test_breeze_dark_leaves_every_text_readable(self):
        here = os.path.dirname(os.path.abspath(__file__))
        program = Program(environment={"XDG_CONFIG_HOME": os.path.join(here, "desktops", "breeze-dark"),
                                       "XDG_CURRENT_DESKTOP": "KDE", "KDE_SESSION_VERSION": "5"})
        try:
            type_text("10")
            keys("Tab")
            type_text("5")
            program.click("Selling Price")
            type_text("12")
            keys("Escape")  # the rate opens, and the status line says so
            pump(0.5)
            pixels = screen_pixels()
            # The colours the window leaves to the desktop: 4.5:1 at the least.
            platform = [("Quantity", pyatspi.ROLE_TEXT), ("Total buying Price including Brokerage", pyatspi.ROLE_TEXT),
                        ("Total Selling Amount Including Brokerage", pyatspi.ROLE_TEXT),
                        ("Change in Price %", pyatspi.ROLE_LABEL), ("OK", pyatspi.ROLE_PUSH_BUTTON)]
            for name, role in platform:
                box = program.control(name, role).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                self.assertGreaterEqual(text_contrast(pixels, box), 4.5 * 0.95, name)
            for node in (program.status_label(),) + tuple(
                    c for c in descendants(program.frame) if c.getRole() == pyatspi.ROLE_MENU_BAR):
                box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                self.assertGreaterEqual(text_contrast(pixels, box), 4.5 * 0.95, node.name or "the menu bar")
        finally:
            program.close()


class ScaledScreenTest(unittest.TestCase):
    """At QT_SCALE_FACTOR 1.25, what assistive technology is told is where the window is."""

    def test_extents_are_the_screens_pixels(self):
        program = Program(environment={"QT_SCALE_FACTOR": "1.25"})
        try:
            window = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(program.proc.pid)],
                                    capture_output=True, text=True, check=True).stdout.split()[0]
            # xwininfo's absolute corner; xdotool's adds the window manager's frame.
            info = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True, check=True).stdout
            values = {}
            for line in info.splitlines():
                key, _, value = line.strip().partition(":")
                values[key] = value.strip()
            frame = program.frame.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
            for ours, x11 in ((frame.x, "Absolute upper-left X"), (frame.y, "Absolute upper-left Y"),
                              (frame.width, "Width"), (frame.height, "Height")):
                self.assertLessEqual(abs(ours - int(values[x11])), 2, "%s: %d against %s" % (x11, ours, values[x11]))
            # A field lies inside the window, and the point at its centre finds it.
            field = program.control("Quantity").queryComponent()
            box = field.getExtents(pyatspi.DESKTOP_COORDS)
            self.assertTrue(frame.x <= box.x and box.x + box.width <= frame.x + frame.width)
            self.assertTrue(frame.y <= box.y and box.y + box.height <= frame.y + frame.height)
            self.assertEqual(round(box.width / 1.25), 129, box.width)
        finally:
            program.close()


class NotationTest(unittest.TestCase):
    def run_trade(self, locale, buying, quantity, selling, layout=None):
        # A user of these digits types them from a keyboard layout that has them. Without one, xdotool
        # binds each character to a spare key for the moment of the press, and under load the key can
        # reach the program after the binding is gone: the character never arrives (xdotool's own
        # BUGS section). Full-width digits come from an input method, which no layout stands in for.
        if layout:
            subprocess.run(["setxkbmap"] + layout.split(), check=True)
        try:
            program = Program(locale)
            try:
                self.enter(program, "Buying Price", buying)
                keys("Tab")
                self.enter(program, "Quantity", quantity)
                program.click("Selling Price")
                self.enter(program, "Selling Price", selling)
                return {name: program.field_text(name)
                        for name in ("Total buying Price including Brokerage", "Brokerage %",
                                     "Total Selling Amount Including Brokerage", "Change in Price %")}
            finally:
                program.close()
        finally:
            if layout:
                subprocess.run(["setxkbmap", "us"], check=True)

    def enter(self, program, name, text):
        # Characters xdotool has to bind for the moment (the full-width ones) can still be lost that way;
        # such a try is typed again, whole. What the program does with what arrived is the test.
        for _ in range(3):
            type_text(text)
            try:
                wait_for(lambda: program.field_text(name) == text, 3)
                return
            except AssertionError:
                keys("ctrl+a", "BackSpace")
        self.fail("%s reads %r after typing %r" % (name, program.field_text(name), text))

    def test_arabic_digits(self):
        fields = self.run_trade("ar_EG", "١٠", "٥", "١٢", layout="ara -variant digits")
        self.assertEqual(fields["Brokerage %"], "٠٫٣")
        self.assertEqual(fields["Total buying Price including Brokerage"], "٥٠٫١٥")
        self.assertEqual(fields["Total Selling Amount Including Brokerage"], "٥٩٫٨٢")

    def test_persian_digits(self):
        fields = self.run_trade("fa_IR", "۱۰", "۵", "۱۲", layout="ir")
        self.assertEqual(fields["Total buying Price including Brokerage"], "۵۰٫۱۵")
        self.assertEqual(fields["Change in Price %"], "۲۰")

    def test_full_width_digits_as_an_input_method_types_them(self):
        for locale in ("ja_JP", "en_US"):
            fields = self.run_trade(locale, "１０", "５", "１２．５")
            self.assertEqual(fields["Total buying Price including Brokerage"], "50.15", locale)
            self.assertEqual(fields["Change in Price %"], "25", locale)

    # Every Indian layout types its script's digits on the number row; they are read whatever
    # the locale writes, and results come in the locale's own digits (Qt: ASCII for hi_IN and
    # en_IN, Bengali for bn_IN).
    def test_hindi_layout(self):
        fields = self.run_trade("hi_IN", "१०", "५", "१२", layout="in")
        self.assertEqual(fields["Total buying Price including Brokerage"], "50.15")
        self.assertEqual(fields["Change in Price %"], "20")

    def test_bengali_layout_in_indian_english(self):
        fields = self.run_trade("en_IN", "১০", "৫", "১২", layout="in -variant ben")
        self.assertEqual(fields["Total buying Price including Brokerage"], "50.15")

    def test_bengali_layout(self):
        fields = self.run_trade("bn_IN", "১০", "৫", "১২", layout="in -variant ben")
        self.assertEqual(fields["Total buying Price including Brokerage"], "৫০.১৫")
        self.assertEqual(fields["Total Selling Amount Including Brokerage"], "৫৯.৮২")

    # The Tamil layout has no zero: its 0 key types ௰, the Tamil number ten.
    def test_tamil_layout(self):
        fields = self.run_trade("ta_IN", "௧௨", "௫", "௧௫", layout="in -variant tam")
        self.assertEqual(fields["Total buying Price including Brokerage"], "60.18")
        self.assertEqual(fields["Total Selling Amount Including Brokerage"], "74.775")
        self.assertEqual(fields["Change in Price %"], "25")

    def test_tamil_ten_is_refused_and_said(self):
        subprocess.run(["setxkbmap", "in", "-variant", "tam"], check=True)
        try:
            program = Program("ta_IN")
            try:
                self.enter(program, "Buying Price", "௧௰")
                keys("Tab")
                self.enter(program, "Quantity", "௫")
                self.assertEqual(program.field_text("Total buying Price including Brokerage"), "")
                self.assertEqual(program.status_label().name,
                                 "Cannot work out Total buying Price including Brokerage: "
                                 "Buying Price holds the Tamil ten, hundred or thousand sign, not a digit.")
            finally:
                program.close()
        finally:
            subprocess.run(["setxkbmap", "us"], check=True)

    # Two spreadsheet cells pasted at once: where a blank groups digits, the tab between them must not.
    def test_two_pasted_cells_are_no_number(self):
        program = Program("fr_FR")
        try:
            clip = subprocess.Popen(["xclip", "-selection", "clipboard", "-loops", "1"], stdin=subprocess.PIPE)
            clip.stdin.write(b"12\t345")
            clip.stdin.close()
            pump(0.3)
            keys("ctrl+v")
            clip.wait(5)
            self.assertEqual(program.field_text("Buying Price"), "12\t345")
            keys("Tab")
            type_text("2")
            self.assertEqual(program.field_text("Total buying Price including Brokerage"), "")
            self.assertEqual(program.status_label().name,
                             "Cannot work out Total buying Price including Brokerage: Buying Price is not a number.")
        finally:
            program.close()

    def test_swiss_apostrophe_grouping(self):
        fields = self.run_trade("de_CH", "1'000", "5", "1'200")
        self.assertEqual(fields["Total buying Price including Brokerage"], "5015")
        self.assertEqual(fields["Total Selling Amount Including Brokerage"], "5982")


if __name__ == "__main__":
    PROGRAM = os.path.abspath(sys.argv.pop(1))
    Atspi.set_timeout(2000, 20000)
    runner = unittest.TextTestRunner(verbosity=2)
    loader = unittest.defaultTestLoader
    module = sys.modules[__name__]
    suite = loader.loadTestsFromNames(sys.argv[1:], module) if len(sys.argv) > 1 else loader.loadTestsFromModule(module)
    result = runner.run(suite)
    failed = len(result.failures) + len(result.errors)
    print("%d passed, %d failed" % (result.testsRun - failed, failed))
    sys.exit(0 if result.wasSuccessful() else 1)
