#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The real program as a native Wayland client of a headless sway, as most
Debian desktops start it: typed into with wtype, read back through its own
copy command and the compositor's tree, its menus used from the keyboard.
scripts/wayland-acceptance.sh starts the compositor and runs this in it.
Usage: wayland_acceptance.py PROGRAM [unittest arguments]
"""

import json
import os
import subprocess
import sys
import time
import unittest

PROGRAM = None


def wtype(*args):
    # Each run hands the seat a new keymap: the pause lets the client take it
    # before the first key.
    subprocess.run(["wtype", "-s", "300", "-d", "40", *args], check=True, timeout=30)
    time.sleep(0.4)


def windows(pid):
    """The program's windows in the compositor's tree: (title, focused, floating)."""
    tree = json.loads(subprocess.run(["swaymsg", "-t", "get_tree"], capture_output=True, check=True,
                                     timeout=10).stdout)
    found = []

    def walk(node, floating=False):
        if node.get("pid") == pid:
            found.append((node.get("name") or "", node.get("focused"), floating))
        for child in node.get("nodes", []):
            walk(child, floating)
        for child in node.get("floating_nodes", []):
            walk(child, True)

    walk(tree)
    return found


def wait_for(what, timeout=10.0):
    end = time.monotonic() + timeout
    while True:
        value = what()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for %s" % getattr(what, "__name__", "a condition"))
        time.sleep(0.1)


class WaylandTest(unittest.TestCase):
    locale = "C"

    def setUp(self):
        env = dict(os.environ, QT_QPA_PLATFORM="wayland", LANG=self.locale + ".UTF-8",
                   LC_ALL=self.locale + ".UTF-8", LANGUAGE="")
        self.proc = subprocess.Popen([PROGRAM], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        wait_for(lambda: any(title.startswith("Kelvastro ") and focused for title, focused, _ in self.windows()),
                 20)

    def tearDown(self):
        if self.proc.poll() is None:
            self.proc.kill()
        self.proc.wait()

    def windows(self):
        return windows(self.proc.pid)

    def trade(self):
        """The whole trade, caption and text, through the program's copy command."""
        wtype("-M", "ctrl", "-M", "shift", "c", "-m", "shift", "-m", "ctrl")
        copied = subprocess.run(["wl-paste", "--no-newline"], capture_output=True, check=True,
                                timeout=10).stdout.decode()
        return dict(line.split("\t", 1) for line in copied.splitlines())

    def test_worked_example_typed(self):
        wtype("10", "-k", "Tab", "5", "-k", "Tab", "12")  # Tab past Total buying Price lands on Selling Price
        trade = self.trade()
        self.assertEqual(trade["Total buying Price including Brokerage"], "50.15")
        self.assertEqual(trade["Req.Bank Balace"], "8.35833333333333")
        self.assertEqual(trade["Total Selling Amount Including Brokerage"], "59.82")
        self.assertEqual(trade["Profit / Loss"], "9.67")
        self.assertEqual(trade["Change in Price %"], "20")

    def test_menus_from_the_keyboard(self):
        wtype("-k", "F10", "-k", "Down", "-k", "Return")  # About > Help: the tips panel
        wait_for(lambda: len(self.windows()) == 2)
        self.assertTrue(any(floating and focused for _, focused, floating in self.windows()), self.windows())
        wtype(" ")  # any key that types closes it
        wait_for(lambda: len(self.windows()) == 1)
        wtype("-k", "F10", "-k", "Return")  # About > About Kelvastro
        wait_for(lambda: any(title == "About Kelvastro" and focused for title, focused, _ in self.windows()))
        wtype("-k", "Escape")
        wait_for(lambda: len(self.windows()) == 1)
        wtype("-k", "F10", "-k", "Right", "-k", "Return")  # Exit
        self.assertEqual(self.proc.wait(10), 0)

    def test_a_zero_quantity_is_refused_with_a_message(self):
        wtype("10", "-k", "Tab", "0", "-k", "Tab")
        wait_for(lambda: any(title == "Kelvastro" and focused for title, focused, _ in self.windows()))
        wtype("-k", "Return")
        wait_for(lambda: len(self.windows()) == 1)
        wtype("7")  # the focus is back in Quantity, after its 0
        self.assertEqual(self.trade()["Quantity"], "07")


class PersianWaylandTest(WaylandTest):
    locale = "fa_IR"

    def test_worked_example_typed(self):
        wtype("۱۰", "-k", "Tab", "۵", "-k", "Tab", "۱۲")
        trade = self.trade()
        self.assertEqual(trade["Total buying Price including Brokerage"], "۵۰٫۱۵")
        self.assertEqual(trade["Change in Price %"], "۲۰")

    test_menus_from_the_keyboard = None
    test_a_zero_quantity_is_refused_with_a_message = None


if __name__ == "__main__":
    PROGRAM = os.path.abspath(sys.argv.pop(1))
    result = unittest.main(exit=False, verbosity=2).result
    sys.exit(0 if result.wasSuccessful() else 1)
