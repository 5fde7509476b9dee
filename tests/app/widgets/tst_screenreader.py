#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader hears of Tillora: the program started, driven by the
# X server's keys and clicks as a user drives it, and read over the desktop's
# accessibility bus as Orca reads it. Runs inside with-accessibility-bus.sh:
#   tst_screenreader.py <tillora> [unittest's options]
import re
import subprocess
import sys
import time
import unittest
import warnings

import pyatspi
from gi.repository import GLib

PROGRAM = sys.argv.pop(1)

# What each kind of control is to a reader: its role, and whether it takes typing.
KINDS = {
    "entry": ("text", {"editable"}),
    "result": ("text", {"read only"}),
    "button": ("push button", set()),
    "list": ("combo box", set()),
    "picture": ("image", {"read only"}),
}

# Every control the focus reaches: the window; its kind; how many; the names
# heard (a list's is its label's, as its own name is the item chosen); their
# text (None: they have none); their description.
CONTROLS = [
    ("Tillora", "entry", 1, r"Float", r"", r"Please enter this first\."),
    ("Tillora", "entry", 12, r"Number of ((1|2|5|10|20|50)p|£1|£2) coins|Number of £(5|10|20|50) notes", r"0", r""),
    ("Tillora", "entry", 10, r"Cheque ([1-9]|10)", r"0", r""),
    ("Tillora", "result", 12, r"(1|2|5|10|20|50) pences|£(1|2) coins|£(5|10|20|50) notes", r"0", r""),
    ("Tillora", "result", 7, r"Total (Change|Notes)|(Till|Grand) Total|Add Cheques|C(ash|heques) to Bank", r"", r""),
    ("Tillora", "result", 2, r"Date|Time", r"\d\d/\d\d/\d{4}|\d\d:\d\d", r""),
    ("Tillora", "entry", 1, r"Expected", r"", r""),
    ("Tillora", "result", 1, r"Over / Short", r"", r""),
    ("Tillora", "button", 2, r"Print (Screenshot|Report)", None, r""),
    ("Tillora", "button", 4, r"Start (VAT Calculator|Markup Program)|Exit TLR|About", None, r""),
    ("Tillora", "button", 1, r"Unused button", None, r"This button does nothing\. Exit TLR leaves the program\."),
    ("VAT Calculator", "entry", 2, r"Amount for Calculation|Current VAT Rate \(%\)", r"", r""),
    ("VAT Calculator", "button", 3, r"(Add|Subtract) VAT (to|from) Value|Close Window", None, r""),
    ("Markup Program", "entry", 2, r"Amount for Calculation|Current VAT Rate \(%\)", r"", r""),
    ("Markup Program", "list", 1, r"Markup Percentage :", None, r""),
    ("Markup Program", "button", 2, r"Calculate Selling Price|Close Window", None, r""),
    ("About", "picture", 1, r"Tillora banner", None, r""),
    ("About", "button", 1, r"Close Window", None, r""),
]

# The markup rate chosen in turn by keys on the closed list, or by a click on
# an item of the open list; the rate a reader hears then.
RATES = [
    ("End", "95"),
    ("Up", "90"),
    ("Home", "Select One"),
    ("Down", "5"),
    ("Down", "10"),
    ("3", "30"),
    ("click 45", "45"),
    ("9", "90"),
]

# Typed in turn over a box of the till (or nothing); then what a reader finds
# in the box named: its text and its description.
TYPED = [
    ("Number of £10 notes", "1", "Float", "", "The totals are worked out once the float is entered."),
    ("Number of £10 notes", "x", "Number of £10 notes", "x", "“x” is not a number."),
    ("Float", "20000", "Float", "20000", "Please enter this first."),
    ("Number of £10 notes", "1", "Number of £10 notes", "1", ""),
    ("Number of £50 notes", "1e15", "£50 notes", "50,000,000,000,000,000.00", ""),
    ("", "", "Cash to Bank", "49,999,999,999,980,000.00", ""),
    ("Expected", "5e16", "Expected", "5e16", "Short by £20,000.00"),  # the takings check, heard as typed
]


def setUpModule():
    warnings.filterwarnings("ignore", category=DeprecationWarning)  # pyatspi's own calls into libatspi


def states(acc):
    return {pyatspi.stateToString(s) for s in acc.getState().getStates()}


def text(acc):
    try:
        return acc.queryText().getText(0, -1)
    except NotImplementedError:
        return None


def heard(acc):
    if acc.getRole() != pyatspi.ROLE_COMBO_BOX:
        return acc.name
    labels = [r.getTarget(0) for r in acc.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    return " / ".join(label.name for label in labels if label.getRole() == pyatspi.ROLE_LABEL)


def focusable(acc):
    for child in acc:
        if {"focusable", "showing"} <= states(child):
            yield child
        if child.getRole() != pyatspi.ROLE_COMBO_BOX:  # its list counts when open
            yield from focusable(child)


def press(*keys):
    subprocess.run(["xdotool", "key", *keys], check=True)


class ScreenReader(unittest.TestCase):
    def setUp(self):
        self.events = []
        pyatspi.Registry.registerEventListener(self.events.append, "object:", "focus:")
        self.program = subprocess.Popen([PROGRAM])
        desktop = pyatspi.Registry.getDesktop(0)
        self.app = self.until(lambda: next((a for a in desktop if a.name == "Tillora"), None), "program on the bus")

    # Left as a user leaves it, so that a sanitized build's checks at exit run.
    def tearDown(self):
        if self.program.poll() is None:
            for window, button in (("Tillora", "Exit TLR"), ("Please Confirm", "Yes"), ("Please Confirm", "OK")):
                self.click(self.control(window, button))
        pyatspi.Registry.deregisterEventListener(self.events.append, "object:", "focus:")
        self.assertEqual(self.program.wait(30), 0)

    def until(self, found, what, seconds=10):
        end = time.monotonic() + seconds
        while not (result := found()) and time.monotonic() < end:
            while GLib.MainContext.default().iteration(False):  # events come in
                pass
            time.sleep(0.05)
        return result or self.fail("no " + what)

    def window(self, title):
        return self.until(lambda: next((w for w in self.app if w.name == title), None), "window " + title)

    def control(self, title, name):
        return self.until(lambda: next((c for c in focusable(self.window(title)) if heard(c) == name), None),
                          f"{name} in {title}")

    def click(self, acc):
        x, y, width, height = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1"], check=True)

    # Each says what it is for, not what it holds, and no two alike; boxes that
    # only show a figure are read only, and not editable as well.
    def test_every_control_says_what_it_is_for(self):
        for button in ("Start VAT Calculator", "Start Markup Program", "About"):
            self.click(self.control("Tillora", button))
        for title in ("Tillora", "VAT Calculator", "Markup Program", "About"):
            controls = {heard(c): c for c in focusable(self.window(title))}
            rows = [row[1:] for row in CONTROLS if row[0] == title]
            self.assertEqual([n for n in controls if not any(re.fullmatch(row[2], n) for row in rows)], [], title)
            self.assertEqual(len(controls), sum(row[1] for row in rows), title)  # no two alike
            for kind, count, names, content, description in rows:
                found = {name: c for name, c in controls.items() if re.fullmatch(names, name)}
                self.assertEqual(len(found), count, names)
                for name, control in found.items():
                    with self.subTest(title=title, control=name):
                        seen = (control.getRoleName(), states(control) & {"editable", "read only"}, text(control))
                        self.assertEqual(seen[:2], KINDS[kind])
                        self.assertRegex(control.description, f"^{description}$")
                        self.assertEqual(seen[2] is None, content is None)
                        self.assertRegex(seen[2] or "", f"^{content or ''}$")
                        self.assertNotEqual(name, seen[2])

    # However the rate is chosen, the list is named by it, the one item selected
    # is it, and the change is told as the desktop's lists tell it.
    def test_the_markup_rate_chosen_is_heard(self):
        self.click(self.control("Tillora", "Start Markup Program"))
        rates = self.control("Markup Program", "Markup Percentage :")
        self.click(rates)
        press("Escape")
        for action, rate in RATES:
            with self.subTest(action=action):
                self.events.clear()
                if action.startswith("click "):
                    self.click(rates)
                    self.until(lambda: "showing" in states(rates[0]), "open list")
                    self.click(next(item for item in rates[0] if item.name == action.split()[1]))
                    self.until(lambda: "showing" not in states(rates[0]), "list closed")
                else:
                    time.sleep(0.5)  # a pause: Qt takes keys typed within 0.4 s as one search, "39" for "9"
                    press(action)
                told = lambda: [(e.type, e.any_data) for e in self.events if e.source == rates]
                self.until(lambda: "object:selection-changed" in dict(told()), "selection change told")
                self.assertIn(("object:property-change:accessible-name", rate), told())
                selected = [e.source.name for e in self.events if e.type.endswith(":selected") and e.detail1]
                self.assertEqual(selected[-1:], [rate])
                self.assertEqual(rates.name, rate)
                self.assertEqual([item.name for item in rates[0] if "selected" in states(item)], [rate])
                self.assertEqual(states(rates) & {"focused", "expanded"}, {"focused"})

    # A mark's reason is read as the box's description, in place of its own
    # while it lasts; a figure cut short on screen is read whole, once.
    def test_marks_and_cut_figures_are_read_whole(self):
        for box, keys, named, content, description in TYPED:
            with self.subTest(box=box, keys=keys, named=named):
                if box:
                    self.click(self.control("Tillora", box))
                    press("ctrl+a", "BackSpace", *keys)  # a key a character
                control = self.control("Tillora", named)
                seen = lambda: (text(control), control.description)
                self.until(lambda: seen() == (content, description), f"{named}: {(content, description)}; {seen()}", 5)


if __name__ == "__main__":
    unittest.main(argv=sys.argv, verbosity=2)
