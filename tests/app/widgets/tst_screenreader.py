# SPDX-License-Identifier: GPL-3.0-or-later
# What a screen reader hears of Tillora: the program started, driven by the X server's keys and clicks as a user
# drives it, and read over the accessibility bus as Orca reads it. Run inside with-desktop.sh --screen-reader as
# tst_screenreader.py <tillora> [unittest's options].
import os
import re
import subprocess
import sys
import unittest

import pyatspi
from gi.repository import GLib

PROGRAM = sys.argv.pop(1)
TOLD = []  # what the bus tells a reader
pyatspi.Registry.registerEventListener(TOLD.append, "object:")

# Each test runs in an English region, or in Polish or Egypt's numbers where its name says so, and leaves by these
# buttons (the last two Qt's own).
LEAVE = (("Tillora", "Exit TLR"), ("Please Confirm", "Yes"), ("Please Confirm", "OK"))
REGIONS = {
    "en": ({}, LEAVE),
    "polish": ({"LANG": "pl_PL.UTF-8", "LC_ALL": "", "LANGUAGE": ""},
           (("Tillora", "Zakończ pracę"), ("Potwierdź", "Tak"), ("Potwierdź", "OK"))),
    "egypt": ({"LC_NUMERIC": "ar_EG.UTF-8"}, LEAVE),
}

# Every control the focus reaches: its windows; how many; their names heard; what they are; their text (None: they
# have none); their description.
CONTROLS = [
    ("Tillora", 1, "Float", "editable text", "", r"Please enter this first\."),
    ("Tillora", 12, "Number of (([125]0?p|£[12]) coins|£(5|[125]0) notes)", "editable text", "0", ""),
    ("Tillora", 10, "Cheque ([1-9]|10)", "editable text", "0", ""),
    ("Tillora", 12, "[125]0? pences|£[12] coins|£(5|[125]0) notes", "read only text", "0", ""),
    ("Tillora", 4, "Total (Change|Notes)|(Till|Grand) Total", "read only text", "", ""),
    ("Tillora", 4, "Add Cheques|C(ash|heques) to Bank|Over / Short", "read only text", "", ""),
    ("Tillora", 2, "Date|Time", "read only text", r"\d\d/\d\d/\d{4}|\d\d:\d\d", ""),
    ("Tillora", 1, "Expected", "editable text", "", ""),
    ("Tillora", 2, "Print (Screenshot|Report)", "push button", None, ""),
    ("Tillora", 5, "Start (VAT Calculator|Markup Program)|Exit TLR|About|Paying In", "push button", None, ""),
    ("Tillora", 1, "Unused button", "push button", None, r"This button does nothing\. Exit TLR leaves the program\."),
    ("VAT Calculator|Markup Program", 2, r"Amount for Calculation|Current VAT Rate \(%\)", "editable text", "", ""),
    ("VAT Calculator", 3, "(Add|Subtract) VAT (to|from) Value|Close Window", "push button", None, ""),
    ("Markup Program", 1, "Markup Percentage :", "combo box", None, ""),
    ("Markup Program", 2, "Calculate Selling Price|Close Window", "push button", None, ""),
    ("About", 1, "Tillora banner", "read only image", None, ""),
    ("About", 1, "Close Window", "push button", None, ""),
    ("Paying In", 1, "Coins in full bags only", "check box", None, ""),
    ("Paying In", 1, "Notes and coins to bank", "table", None, ""),
    ("Paying In", 4, "(Cash|Cheques) to bank|Total paid in|Kept in till", "read only text", "", ""),
    ("Paying In", 2, "Print|Close", "push button", None, ""),
]

# Typed in turn over a box of the till; then the text and the description of the box named.
TYPED = [
    ("Number of £10 notes", "1", "Float", "", "The totals are worked out once the float is entered."),
    ("Number of £10 notes", "x", "Number of £10 notes", "x", "“x” is not a number."),
    ("Float", "20000", "Float", "20000", "Please enter this first."),
    ("Number of £10 notes", "1", "Number of £10 notes", "1", ""),
    ("Number of £50 notes", "1e15", "£50 notes", "50,000,000,000,000,000.00", ""),
    ("Number of £50 notes", "1e15", "Cash to Bank", "49,999,999,999,980,000.00", ""),
    ("Expected", "5e16", "Expected", "5e16", "Short by £20,000.00"),  # the takings check, heard as typed
    ("Number of £10 notes", "x", "Expected", "5e16", "Waiting for usable entries"),  # never an old verdict
]

# The markup rate chosen in turn by keys on the closed list, or by a click on an item of the open list.
RATES = [
    ("click", "45"),
    ("End", "95"),
    ("Home", "Select One"),
    ("Down", "5"),
    ("3", "30"),
]


def states(acc):
    return {pyatspi.stateToString(s) for s in acc.getState().getStates()}


# A list is named by its label, as its own name is the item chosen.
def heard(acc):
    labels = [r.getTarget(0) for r in acc.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    label = " / ".join(label.name for label in labels if label.getRole() == pyatspi.ROLE_LABEL)
    kind = " ".join(sorted(states(acc) & {"editable", "read only"}) + [acc.getRoleName()])
    text = acc.queryText().getText(0, -1) if "Text" in acc.get_interfaces() else None
    return label if acc.getRole() == pyatspi.ROLE_COMBO_BOX else acc.name, kind, text, acc.description


def matches(row, reading):
    return all(p == v if None in (p, v) else re.fullmatch(p, v) for p, v in zip(row, reading))


# The controls of the window that the focus reaches, a list's items while it is open; or its labels.
def reached(title, labels=False):
    windows = [w for app in pyatspi.Registry.getDesktop(0) if app.name == "Tillora" for w in app if w.name == title]
    focusable = lambda c: {"focusable", "showing"} <= states(c) and "showing" in states(c.parent) \
        and c.getRole() != pyatspi.ROLE_TABLE_CELL  # reached by the arrow keys
    label = lambda c: c.getRole() == pyatspi.ROLE_LABEL
    return [c for w in windows for c in pyatspi.findAllDescendants(w, label if labels else focusable)]


# A cell's name as the program says it now, not as the reader's cache holds it.
def fresh(table, row, column):
    cell = table.getAccessibleAt(row, column)
    cell.clearCache()
    return cell.name


# The last of each change told of a list: its selection (its name then), its name, the item selected.
def told(acc):
    kinds = ("object:selection-changed", "object:property-change:accessible-name", "object:state-changed:selected")
    last = {e.type: e for e in TOLD if e.type in kinds and (e.source == acc or e.detail1)}
    return [last[k].any_data if "name" in k else last[k].source.name for k in kinds if k in last]


def press(*keys):
    subprocess.run(["xdotool", "key", *keys], check=True)


class ScreenReader(unittest.TestCase):
    def setUp(self):
        place = next((p for p in ("polish", "egypt") if self._testMethodName.endswith("_in_" + p)), "en")
        region, self.leave = REGIONS[place]
        self.program = subprocess.Popen([PROGRAM], env=dict(os.environ, **region))

    # Left as a user leaves it, so that a sanitized build's checks at exit run.
    def tearDown(self):
        for title, button in self.leave:
            self.click(title, button)
        self.assertEqual(self.program.wait(30), 0)

    # Waits up to ten seconds for seen() to be as wanted; meanwhile the events told come in.
    def hears(self, seen, wanted, msg=None):
        for _ in range(200):
            if (now := seen()) == wanted:
                break
            GLib.timeout_add(50, pyatspi.Registry.stop)
            pyatspi.Registry.start()
        self.assertEqual(now, wanted, msg)

    def control(self, title, name):
        self.hears(lambda: [heard(c)[0] for c in reached(title)].count(name), 1, f"{name} in {title}")
        return next(c for c in reached(title) if heard(c)[0] == name)

    def click(self, title, name):
        x, y, width, height = self.control(title, name).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        subprocess.run(["xdotool", "mousemove", str(x + width // 2), str(y + height // 2), "click", "1"], check=True)

    # Each says what it is for, not what it holds, and no two alike; boxes that only show a figure are read only,
    # and not editable as well.
    def test_every_control_says_what_it_is_for(self):
        for button in ("Start VAT Calculator", "Start Markup Program", "About", "Paying In"):
            self.click("Tillora", button)
        for title in ("Tillora", "VAT Calculator", "Markup Program", "About", "Paying In"):
            rows = [row[1:] for row in CONTROLS if re.fullmatch(row[0], title)]
            self.hears(lambda: len(reached(title)), sum(row[0] for row in rows), title)
            readings = [heard(c) for c in reached(title)]
            self.assertEqual([r for r in readings if not any(matches(row[1:], r) for row in rows)], [], title)
            self.assertEqual(len({r[0] for r in readings}), len(readings), title)  # no two alike

    # A mark's reason is read as the box's description, in place of its own while it lasts; a figure cut short on
    # screen is read whole, once, and one left as it was is not told again. The empty verdict line is not named for
    # its frame.
    def test_marks_and_cut_figures_are_read_whole(self):
        self.control("Tillora", "Expected")
        self.assertNotIn("Takings Check", [label.name for label in reached("Tillora", labels=True)])
        for box, keys, name, *wanted in TYPED:
            self.click("Tillora", box)
            press("ctrl+a", "BackSpace", *keys)  # a key a character
            control = self.control("Tillora", name)
            self.hears(lambda: list(heard(control)[2:]), wanted, name)
        TOLD.clear()
        press("BackSpace", "2")  # two £10 notes: their line and the totals they are in change, and no others
        rewritten = lambda: {e.source.name for e in TOLD if e.type.startswith("object:text-changed")}
        self.hears(lambda: "£10 notes" in rewritten(), True)
        self.assertEqual(rewritten() & {"£50 notes", "Total Change", "Add Cheques", "Cheques to Bank"}, set())

    # A cell of the split is read with its row and column headers, and the status is told as it changes. The
    # window stands over the till's boxes, so they are typed into as a reader's own typing would.
    def test_paying_in_is_read_as_a_table(self):
        self.click("Tillora", "Paying In")
        table = self.control("Paying In", "Notes and coins to bank").queryTable()
        status = lambda: [c.name for c in reached("Paying In", labels=True) if c.name.endswith(".")]
        self.hears(status, ["Type the float and the counts in the till first."])
        for box, text in (("Float", "5"), ("Number of £20 notes", "3")):
            self.control("Tillora", box).queryEditableText().setTextContents(text)
        cell = lambda: [header.name for header in (table.getRowHeader(1), table.getColumnHeader(1))] + [fresh(table, 1, 1)]
        self.hears(cell, ["£20 notes", "To bank", "2"])
        kept = "The till keeps £20.00: the float of £5.00 and £15.00 that cannot be banked without taking from it."
        self.hears(status, [kept])
        TOLD.clear()
        self.control("Tillora", "Number of 1p coins").queryEditableText().setTextContents("1.5")
        wanted = "The count of 1p coins is not a whole number of coins."
        named = lambda: {e.source.name for e in TOLD if e.type == "object:property-change:accessible-name"}
        self.hears(lambda: wanted in named(), True)

    # The region alone brings the words and the figures' style.
    def test_the_till_is_read_in_polish(self):
        for box, text in (("Pogotowie kasowe", "5"), ("Liczba banknotów £50", "30")):
            self.control("Tillora", box).queryEditableText().setTextContents(text)
        self.hears(lambda: heard(self.control("Tillora", "Gotówka do wpłaty"))[2], "1\u00a0495,00")
        self.click("Tillora", "Wpłata do banku")
        self.control("Wpłata do banku", "Banknoty i monety do wpłaty")

    # Figures typed in Arabic-Indic digits, the point the keypad's "." or the region's own, are worked out, in the
    # till as in the calculators.
    def test_the_region_s_own_digits_are_read_in_egypt(self):
        self.click("Tillora", "Start VAT Calculator")
        for title, box, text in (("Tillora", "Float", "١٢.٥"), ("VAT Calculator", "Current VAT Rate (%)", "٢٠"),
                                 ("VAT Calculator", "Amount for Calculation", "١٢٣٤٫٥")):
            self.control(title, box).queryEditableText().setTextContents(text)
        self.click("VAT Calculator", "Add VAT to Value")
        total = lambda: [c.name for c in reached("VAT Calculator", labels=True) if c.name.startswith("Total")]
        self.hears(total, ["Total : £١٬٢٣٤٫٥٠ + VAT (£٢٤٦٫٩٠) = £١٬٤٨١٫٤٠"])
        cash = self.control("Tillora", "Cash to Bank")
        self.hears(lambda: heard(cash)[2], "\u061c-١٢٫٥٠")  # the region's minus, its mark first

    # However the rate is chosen, the list is named by it, the one item selected is it, and the change is told as
    # the desktop's lists tell it.
    def test_the_markup_rate_chosen_is_heard(self):
        self.click("Tillora", "Start Markup Program")
        rates = self.control("Markup Program", "Markup Percentage :")
        for action, rate in RATES:
            TOLD.clear()
            GLib.usleep(500000)  # a pause: Qt takes keys typed within 0.4 s as one search
            if action == "click":
                self.click("Markup Program", "Markup Percentage :")
                self.click("Markup Program", rate)
            else:
                press(action)
            selected = lambda: [item.name for item in rates[0] if "selected" in states(item)]
            seen = lambda: (told(rates), rates.name, selected(), states(rates) & {"focused", "expanded"})
            self.hears(seen, ([rate] * 3, rate, [rate], {"focused"}), action)


unittest.main(verbosity=2, warnings="ignore")
