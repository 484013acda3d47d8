#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Injects one fault at a time and says whether the test suite notices.

Each mutant replaces one exact piece of the source with a faulty one, rebuilds
the legs it touches (Linux, Windows under Wine) and runs their unit tests; a
mutant survives when every test still passes. The source is restored after
each. Usage (from scripts/mutants.sh, which builds and starts Wine):
    mutants.py LINUX_BUILD [WINE_BUILD] [mutant ids]
"""

import os
import re
import subprocess
import sys
import time
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent

# id, what the fault is, file, the text it replaces, the faulty text, legs
MUTANTS = [
    ("M01", "host: got-focus before lost-focus",
     "platform/forms/formhost.cpp",
     """    if (from != kNoControl && from != to) {
        m_announced = kNoControl;
        deliver({EventKind::LostFocus, from, cause});
    }
    if (m_focused == to && m_announced != to) {
        m_announced = to;
        deliver({EventKind::GotFocus, to, cause});
    }""",
     """    if (m_focused == to && m_announced != to) {
        m_announced = to;
        deliver({EventKind::GotFocus, to, cause});
    }
    if (from != kNoControl && from != to) {
        deliver({EventKind::LostFocus, from, cause});
    }""",
     ("linux",)),
    ("M02", "Shift+Tab forwarding without its cause",
     "ui/calculator/kelvastro.cpp",
     "view().setFocus(Text2, FocusCause::ShiftTab);",
     "view().setFocus(Text2);",
     ("linux", "wine")),
    ("M03", "Win32: Tab into a field does not select its text",
     "platform/win32/win32formview.cpp",
     "SendMessageW(target, EM_SETSEL, 0, -1);",
     "(void)0;",
     ("wine",)),
    ("M04", "Tips: a lone surrogate counts as a character",
     "ui/tips/frmsplash.cpp",
     "const bool surrogate = c >= 0xD800 && c < 0xE000;",
     "const bool surrogate = false;",
     ("linux", "wine")),
    ("M05", "Qt: Ctrl+letter reported as the letter",
     "platform/qt/qtformview.cpp",
     "return (c >= U'@' && c <= U'_') || (c >= U'a' && c <= U'z') ? (c & 0x1F) : 0;",
     "return c;",
     ("linux",)),
    ("M06", "an empty PATH entry searched as the working folder",
     "platform/system/executablesearch.cpp",
     """            if (!folder.empty()) {
                std::string candidate(folder);""",
     """            if (true) {
                std::string candidate(folder.empty() ? std::string_view(".") : folder);""",
     ("linux",)),
    ("M07", "reader's fast path without its 2^53 guard",
     "calc/numbertext.cpp",
     "digits > kMaxMantissaDigits || mantissa > kMaxExactMantissa)",
     "digits > kMaxMantissaDigits)",
     ("linux",)),
    ("M08", "selling side runs without a quantity",
     "calc/recalculator.cpp",
     "if (!sheet.isEmpty(Field::SellingPrice) && !sheet.isEmpty(Field::Quantity))",
     "if (!sheet.isEmpty(Field::SellingPrice))",
     ("linux",)),
    ("M09", "bank balance a fifth",
     "calc/recalculator.cpp",
     "const double balance = total / 6;",
     "const double balance = total / 5;",
     ("linux",)),
    ("M10", "host: an unchanged text is written again",
     "platform/forms/formhost.cpp",
     """    if (id >= m_texts.size() || m_texts[id] == text)
        return;
    if (m_definition.control(id).kind == ControlKind::TextBox) {""",
     """    if (id >= m_texts.size())
        return;
    if (m_definition.control(id).kind == ControlKind::TextBox) {
        if (m_texts[id] == text)
            m_texts[id] += ' ';""",
     ("linux", "wine")),
    ("M11", "Win32: a click moves the focus with the program's cause",
     "platform/win32/win32formviewmessages.cpp",
     "        m_host.setFocus(id, FocusCause::Click);",
     "        m_host.setFocus(id, FocusCause::Program);",
     ("wine",)),
    ("M12", "rate locked again in the window colour",
     "ui/calculator/kelvastro.cpp",
     "v.setBackColor(Text8, kRateLockedBack);",
     "v.setBackColor(Text8, kRateOpenBack);",
     ("linux",)),
    ("M13", "Profit / Loss forwards to the rate",
     "ui/calculator/kelvastro.cpp",
     "view().setFocus(Text9, FocusCause::Tab);",
     "view().setFocus(Text8, FocusCause::Tab);",
     ("linux", "wine")),
    ("M14", "the close box unloads instead of pressing cancel (the shared rule)",
     "platform/forms/formhost.cpp",
     "    case CloseAction::Kind::Press: press(action.button); break;",
     "    case CloseAction::Kind::Press: m_services.unload(m_form); break;",
     ("linux", "wine")),
    ("M15", "results shown to 14 digits",
     "calc/numbertext.cpp",
     "std::chars_format::general, 15);",
     "std::chars_format::general, 14);",
     ("linux",)),
    ("M16", "host: a loss the toolkit told leaves the toolkit's focus where it was",
     "platform/forms/formhost.cpp",
     "    if (m_toolkit == id)\n        m_toolkit = kNoControl;\n",
     "",
     ("linux",)),
    ("M17", "the zero check also refuses 0.0",
     "ui/calculator/kelvastro.cpp",
     """    if (!isLoneZeroDigit(view().text(field)))
        return;""",
     """    if (!isLoneZeroDigit(view().text(field)) && view().text(field) != "0.0")
        return;""",
     ("linux",)),
    ("M18", "Tips: a click on a label closes it (Qt)",
     "platform/qt/qtformview.cpp",
     "static_cast<ClickableFrame *>(m_widgets[def.container])->shieldClicks(w);",
     "(void)0;",
     ("linux",)),
    ("M19", "Win32: labels let clicks through to the panel",
     "platform/win32/win32controls.cpp",
     "WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_NOTIFY",
     "WS_CHILD | WS_VISIBLE | SS_NOPREFIX",
     ("wine",)),
    ("M20", "host: a move a handler overtook still arrives where it was going",
     "platform/forms/formhost.cpp",
     "    if (m_focused == to && m_announced != to) {",
     "    if (m_announced != to) {",
     ("linux", "wine")),
    ("M21", "host: the toolkit's echo of the host's own move is taken for a move",
     "platform/forms/formhost.cpp",
     """    if (m_applying)
        return;
    m_toolkit = id;""",
     """    m_toolkit = id;""",
     ("linux", "wine")),
    ("M22", "placement: a window is not kept on the screen",
     "platform/forms/pixels.cpp",
     """    x = std::max(work.x, std::min(x, work.x + work.width - width));""",
     """    (void)0;""",
     ("linux",)),
    ("M23", "host: a press the focus was refused to still presses",
     "platform/forms/formhost.cpp",
     "    return id < m_definition.controls.size() && takesFocus(m_definition.control(id)) && m_focused != id;",
     "    return false;",
     ("linux", "wine")),
    ("M24", "Digits of two scripts read as one number",
     "calc/numbertext.cpp",
     "            if (script != 0 && digit->script != script)",
     "            if (false)",
     ("linux",)),
    ("M25", "a tab inside a number groups its digits",
     "calc/numbertext.cpp",
     "        return m_groupIsBlank ? blankAt(rest, kGroupingBlanks) : 0;",
     "        return m_groupIsBlank ? blankAt(rest) : 0;",
     ("linux",)),
    ("M26", "colour rule: the window's surface takes the platform's colour whatever its labels take",
     "platform/forms/colorscheme.cpp",
     "                                               resolved(form.backColor, designColors(form))};",
     "                                               rgbIn(form.backColor, m_base)};",
     ("linux", "wine")),
]


def run(command, **kwargs):
    return subprocess.run(command, cwd=ROOT, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kwargs)


# The tests that failed, by name, so that a kill can be told from a time-out;
# an empty list when all passed, None when the mutant does not build.
def failures(build, leg):
    if run(["cmake", "--build", str(build)]).returncode != 0:
        return None  # does not build: counted as caught by the compiler
    # Wine's tests one at a time, as CI runs them: two programs on one display take each other's focus.
    ctest = ["ctest", "--test-dir", str(build), "-j2" if leg == "linux" else "-j1", "--timeout", "300"]
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen") if leg == "linux" else None
    result = subprocess.run(ctest, cwd=ROOT, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    if result.returncode == 0:
        return []
    _, _, listed = result.stdout.partition("The following tests FAILED:")
    failed = re.findall(r"^\s*\d+ - (\S+).*\(([^()]*)\)\s*$", listed, re.M)
    return ["%s%s" % (name, "" if why == "Failed" else " (%s)" % why.lower()) for name, why in failed] or ["ctest"]


def main():
    linux = Path(sys.argv[1])
    wine = Path(sys.argv[2]) if len(sys.argv) > 2 and not sys.argv[2].startswith("M") else None
    only = {a for a in sys.argv[2:] if a.startswith("M")}
    rows = []
    for ident, what, path, old, new, legs in MUTANTS:
        if only and ident not in only:
            continue
        source = ROOT / path
        original = source.read_text()
        if original.count(old) != 1:
            rows.append((ident, what, "stale: the text to replace is not there once"))
            continue
        verdicts = []
        try:
            source.write_text(original.replace(old, new))
            for leg in legs:
                build = linux if leg == "linux" else wine
                if build is None:
                    verdicts.append(leg + ": not run")
                    continue
                started = time.monotonic()
                failed = failures(build, leg)
                took = time.monotonic() - started
                if failed is None:
                    verdict = "build fails"
                elif not failed:
                    verdict = "survived"
                else:
                    verdict = "killed by %s%s" % (", ".join(failed[:2]), " and %d more" % (len(failed) - 2)
                                                  if len(failed) > 2 else "")
                verdicts.append("%s: %s (%.0f s)" % (leg, verdict, took))
        finally:
            source.write_text(original)
        rows.append((ident, what, "; ".join(verdicts)))
        print("%s %s: %s" % rows[-1], flush=True)
    # Put the builds back as the source is.
    run(["cmake", "--build", str(linux)])
    if wine:
        run(["cmake", "--build", str(wine)])
    print()
    print("| mutant | fault | result |")
    print("|---|---|---|")
    for ident, what, verdict in rows:
        print("| %s | %s | %s |" % (ident, what, verdict))
    survived = sum("survived" in v for _, _, v in rows)
    print("\n%d mutants, %d survived" % (len(rows), survived))


if __name__ == "__main__":
    main()
