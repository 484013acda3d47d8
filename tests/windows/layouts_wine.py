#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Numbers typed into the real kelvastro.exe under Wine from the keyboard
layouts that type their own digits, in the matching locale: xdotool presses
the layout's keys, Wine turns them into the characters Windows would, and
the fields are read back from outside the program, as a screen reader does.
Needs a display with a window manager, and WINEPREFIX with a server running
(scripts/wine-layouts.sh sets them up).
Usage: layouts_wine.py KELVASTRO_EXE MSAA_PROBE_EXE
"""

import os
import subprocess
import sys
import tempfile
import time
import unittest

WINE = "/usr/lib/wine/wine64"
PROGRAM = PROBE = None
FIELDS = ("Buying Price", "Quantity", "Total buying Price including Brokerage", "Selling Price",
          "Total Selling Amount Including Brokerage", "Profit / Loss", "Change in Price %", "Brokerage %")


def fields(env=None):
    """Each field's text, by its accessible name, from the probe's MSAA tree.
    The probe runs in the program's locale: Wine keeps the last locale a
    process started with as the user's, which the program reads at start."""
    with tempfile.NamedTemporaryFile(suffix=".txt", delete=False) as log:
        path = log.name
    try:
        probe = subprocess.run([WINE, PROBE, "window", "Kelvastro ", path], capture_output=True, timeout=60, env=env)
        if probe.returncode != 0:
            return {}
        with open(path, encoding="utf-8-sig") as tree:
            lines = [line.rstrip("\n").split("\t") for line in tree]
    finally:
        os.unlink(path)
    # A field comes right after the label that names it, under the same name:
    # the later one of the two is the field, whatever the locale calls its role.
    out = {}
    for _depth, _role, name, value, *_ in (line for line in lines if len(line) >= 4):
        if name in FIELDS:
            out[name] = value
    return out


def wait_for(what, timeout):
    end = time.monotonic() + timeout
    while True:
        value = what()
        if value or time.monotonic() > end:
            return value
        time.sleep(0.2)


class LayoutTest(unittest.TestCase):
    def run_trade(self, locale, layout, buying, quantity, selling):
        subprocess.run(["setxkbmap"] + layout.split(), check=True)
        env = dict(os.environ, LANG=locale + ".UTF-8", LC_ALL=locale + ".UTF-8", LANGUAGE="")
        program = subprocess.Popen([WINE, PROGRAM], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Kelvastro "],
                                    capture_output=True, text=True, timeout=60, check=True).stdout.split()[0]
            subprocess.run(["xdotool", "windowactivate", "--sync", window], check=False)
            time.sleep(1)
            for name, text in (("Buying Price", buying), ("Quantity", quantity), ("Selling Price", selling)):
                subprocess.run(["xdotool", "type", "--delay", "80", text], check=True)
                shown = wait_for(lambda: fields(env).get(name) == text, 10)
                self.assertTrue(shown, "%s reads %r after typing %r" % (name, fields(env).get(name), text))
                # Tab from Quantity lands on Selling Price: Total buying Price sends it on.
                subprocess.run(["xdotool", "key", "Tab"], check=True)
                time.sleep(0.3)
            result = fields(env)
            print("  %s, %s: typed %s x %s, sold at %s: total %s, selling total %s, change %s %%"
                  % (locale, layout, buying, quantity, selling, result["Total buying Price including Brokerage"],
                     result["Total Selling Amount Including Brokerage"], result["Change in Price %"]))
            return result
        finally:
            program.kill()
            program.wait()
            subprocess.run(["setxkbmap", "us"], check=True)
            time.sleep(0.5)

    # Wine's locales say: Persian and Arabic show results in their own digits
    # with a point; Hindi has Devanagari digits but shows ASCII ones.
    def test_persian_layout(self):
        result = self.run_trade("fa_IR", "ir", "۱۰", "۵", "۱۲")
        self.assertEqual(result["Total buying Price including Brokerage"], "۵۰.۱۵")
        self.assertEqual(result["Brokerage %"], "۰.۳")
        self.assertEqual(result["Change in Price %"], "۲۰")

    def test_arabic_layout(self):
        result = self.run_trade("ar_EG", "ara -variant digits", "١٠", "٥", "١٢")
        self.assertEqual(result["Total buying Price including Brokerage"], "٥٠.١٥")
        self.assertEqual(result["Total Selling Amount Including Brokerage"], "٥٩.٨٢")

    def test_hindi_layout(self):
        result = self.run_trade("hi_IN", "in", "१०", "५", "१२")
        self.assertEqual(result["Total buying Price including Brokerage"], "50.15")
        self.assertEqual(result["Profit / Loss"], "9.67")


if __name__ == "__main__":
    PROGRAM, PROBE = sys.argv.pop(1), sys.argv.pop(1)
    result = unittest.main(exit=False, verbosity=2).result
    sys.exit(0 if result.wasSuccessful() else 1)
