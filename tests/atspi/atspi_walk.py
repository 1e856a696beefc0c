#!/usr/bin/python3
"""Walks the running program over the AT-SPI bus as a screen reader does.

Opens Distance, Temperature, Area - Metric, Difference Between Dates and the
help viewer by their keys, then for every window: each control's role, name
and text; the events a typed value fires; what is announced; and, for every
text box, the text interface at every offset and boundary, each call bounded
in time (a call that gets no answer is a hang), and the attribute run over
the whole text.

A failure names the window, the control and the call. Failures that come
from the toolkit's own text interface of a line edit are marked [text].
Exit status 0 when every check held, 1 otherwise.
"""

import argparse
import datetime
import os
import re
import subprocess
import sys
import threading
import time

import pyatspi
from gi.repository import Atspi, GLib

# A call that gets no answer within the bus timeout means the program hangs,
# and nothing after it can be asked. A slow answer is only reported (the
# slowest is printed at the end): how fast a call is depends on the machine
# and its load, so it is not a pass or a failure.
BUS_TIMEOUT_MS = 3000
WHOLE_RUN_S = 105

BOUNDARIES = [
    ("char", pyatspi.TEXT_BOUNDARY_CHAR),
    ("word start", pyatspi.TEXT_BOUNDARY_WORD_START),
    ("word end", pyatspi.TEXT_BOUNDARY_WORD_END),
    ("sentence start", pyatspi.TEXT_BOUNDARY_SENTENCE_START),
    ("sentence end", pyatspi.TEXT_BOUNDARY_SENTENCE_END),
    ("line start", pyatspi.TEXT_BOUNDARY_LINE_START),
    ("line end", pyatspi.TEXT_BOUNDARY_LINE_END),
]

# Roles a user meets with the Tab key or the arrow keys; each needs a name
# of its own within its window.
CONTROL_ROLES = {
    pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PUSH_BUTTON,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TABLE,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_COMBO_BOX,
}
# Cells and headers of the calendars are the toolkit's, named by their day.
SKIPPED_ROLES = {
    pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_TABLE_COLUMN_HEADER,
    pyatspi.ROLE_TABLE_ROW_HEADER, pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_MENU,
}

failures = []
calls = {"count": 0, "slowest_ms": 0.0, "boxes": 0}


def fail(message, text_interface=False):
    failures.append(("[text] " if text_interface else "") + message)
    print("FAIL:", failures[-1], flush=True)


class Hang(Exception):
    pass


def report_and_exit():
    text_only = sum(1 for f in failures if f.startswith("[text]"))
    print(f"\n{calls['boxes']} text boxes, {calls['count']} timed text calls, "
          f"slowest {calls['slowest_ms']:.1f} ms")
    print(f"\n{len(failures)} failures, {text_only} of them in the line edits' text interface")
    sys.stdout.flush()
    os._exit(1 if failures else 0)


def watchdog():
    time.sleep(WHOLE_RUN_S)
    fail(f"the walk did not end within {WHOLE_RUN_S} s")
    report_and_exit()


def pump(seconds):
    """Delivers the bus's events for a while."""
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if not context.iteration(False):
            time.sleep(0.01)


def keys(*names):
    for name in names:
        subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True, timeout=10)
        pump(0.15)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "40", text], check=True, timeout=10)


def timed(what, call, *args):
    start = time.monotonic()
    try:
        result = call(*args)
    except GLib.Error as error:
        elapsed = (time.monotonic() - start) * 1000
        if elapsed >= BUS_TIMEOUT_MS * 0.9 or "Timeout" in str(error):
            raise Hang(f"{what}: no answer within {elapsed:.0f} ms (the program hangs)")
        raise
    elapsed = (time.monotonic() - start) * 1000
    calls["count"] += 1
    calls["slowest_ms"] = max(calls["slowest_ms"], elapsed)
    return result


def descendants(node):
    for child in node:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def focused(node):
    return node.getState().contains(pyatspi.STATE_FOCUSED)


def find_app(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(150):
        for app in desktop:
            try:
                if app is not None and app.get_process_id() == pid and app.childCount:
                    return app
            except GLib.Error:
                pass
        time.sleep(0.2)
    return None


def wait_for(predicate, seconds=5.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = predicate()
        if found is not None:
            return found
        pump(0.1)
    return None


def child_window(app, title):
    def look():
        for node in descendants(app):
            if node.getRole() == pyatspi.ROLE_FRAME and node.name == title and showing(node):
                return node
        return None
    return wait_for(look)


class Events:
    """Keeps the events of the kinds asked for, with their source's role and name."""

    def __init__(self, *kinds):
        self.seen = []
        for kind in kinds:
            pyatspi.Registry.registerEventListener(self.keep, kind)

    def keep(self, event):
        try:
            name, role = event.source.name, event.source.getRole()
        except GLib.Error:
            name, role = "", None
        self.seen.append((event.type, event.source, role, name, event.detail1, event.any_data,
                          time.monotonic()))

    def clear(self):
        pump(0.2)
        self.seen = []

    def of(self, prefix):
        return [e for e in self.seen if e[0].startswith(prefix)]


def check_names(window, title):
    controls = []
    for node in descendants(window):
        role = node.getRole()
        if role in SKIPPED_ROLES or role not in CONTROL_ROLES or not showing(node):
            continue
        # A calendar is shown twice, as the widget and as its view inside it,
        # under one name: count it once.
        parent = node.parent
        if parent is not None and parent.name == node.name and parent.getRole() == role:
            continue
        controls.append(node)
    if not controls:
        fail(f"{title}: no controls found")
    seen = {}
    for node in controls:
        where = f"{title}: {node.getRoleName()} {node.name!r}"
        if not re.search(r"[A-Za-z]{2,}", node.name or ""):
            fail(f"{where} has no meaningful name")
        elif node.name in seen:
            fail(f"{where} shares its name with another {seen[node.name]}")
        seen[node.name] = node.getRoleName()
    return controls


def text_boxes(window):
    return [n for n in descendants(window)
            if n.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY) and showing(n)]


def check_attribute_run(title, box):
    text = box.queryText()
    whole = text.getText(0, -1)
    length = text.characterCount
    where = f"{title}: {box.name!r} ({whole!r})"
    if len(whole) != length:
        fail(f"{where}: {length} characters counted, {len(whole)} given")
    for offset in range(length):
        _, start, end = timed(f"{where} attribute run at {offset}", text.getAttributeRun,
                              offset, False)
        if (start, end) != (0, length):
            fail(f"{where}: the attribute run at {offset} is {start}..{end}, "
                 f"not the whole text 0..{length}; a reader speaks {whole[start:end]!r}",
                 text_interface=True)
            break


def check_boundaries(title, box, offsets=None, text_interface=True):
    calls["boxes"] += 1
    text = box.queryText()
    whole = text.getText(0, -1)
    length = text.characterCount
    where = f"{title}: {box.name!r} ({whole!r})"
    single_line = "\n" not in whole
    for offset in (offsets if offsets is not None else range(length + 1)):
        for boundary_name, boundary in BOUNDARIES:
            for call_name, call in (("at", text.getTextAtOffset),
                                    ("before", text.getTextBeforeOffset),
                                    ("after", text.getTextAfterOffset)):
                what = f"{where} {boundary_name} {call_name} offset {offset}"
                got, start, end = timed(what, call, offset, boundary)
                if got == "":
                    pass  # nothing there; where it says it is does not matter
                elif not (0 <= start <= end <= length) or got != whole[start:end]:
                    fail(f"{what}: {got!r} {start}..{end}", text_interface=text_interface)
                elif call_name == "at" and boundary_name == "char" and offset < length \
                        and got != whole[offset]:
                    fail(f"{what}: {got!r}, not {whole[offset]!r}", text_interface=text_interface)
                elif call_name == "at" and boundary_name == "line start" and single_line \
                        and got != whole:
                    fail(f"{what}: line {got!r}, not the whole text", text_interface=text_interface)


def value_box(window):
    for node in text_boxes(window):
        if focused(node):
            return node
    return None


def check_typing(title, window, events, expected_results):
    """Types 10 into the focused value box and checks what the bus tells of it."""
    box = value_box(window)
    if box is None:
        fail(f"{title}: no text box has the focus after opening")
        return
    events.clear()
    type_text("10")
    pump(1.0)
    inserted = "".join(e[5] for e in events.of("object:text-changed:insert")
                       if e[1] == box and isinstance(e[5], str))
    final = box.queryText().getText(0, -1)
    if final != "10":
        fail(f"{title}: the value box holds {final!r} after typing 10")
    if "1" not in inserted or "0" not in inserted:
        fail(f"{title}: typing 10 fired inserts of {inserted!r} only")
    changed = {e[1] for e in events.of("object:text-changed") if e[1] != box}
    # Every result box tells its new text; the price box keeps its own.
    others = {n: n.queryText().getText(0, -1).strip() for n in text_boxes(window) if n != box}
    for expected in expected_results:
        match = next((n for n, shown in others.items() if shown == expected and n in changed),
                     None)
        if match is None:
            fail(f"{title}: no result box told the change to {expected!r} "
                 f"(boxes: {sorted(others.values())})")
        else:
            del others[match]


def check_announcement(title, window, events):
    """A value beyond the range is a fault: it is told once, and the focus stays.

    The text is set whole, as a paste does, so that no reading hint of a half
    typed number is told in between."""
    box = value_box(window)
    if box is None:
        fail(f"{title}: no focused value box to put a fault into")
        return
    editable = box.queryEditableText()
    notification = None
    counts = []
    for text, wait in (("1e999", 0.2), ("1e9999", 0.9), ("1e999", 0.3)):
        events.clear()
        editable.setTextContents(text)
        pump(wait)
        shown = [e for e in events.of("object:state-changed:showing")
                 if e[2] == pyatspi.ROLE_NOTIFICATION and e[4] == 1]
        counts.append(len(shown))
        if shown:
            notification = shown[-1][1]
    # Told; the same fault again at once is not; after a quiet moment it is.
    if counts != [1, 0, 1]:
        fail(f"{title}: a fault was told {counts} times for three texts, not [1, 0, 1]")
    if notification is not None:
        name = notification.name
        if not (name.startswith(title + ": ") and "large" in name):
            fail(f"{title}: the fault was told as {name!r}")
    if not focused(box):
        fail(f"{title}: the value box lost the focus to the announcement")


def expected_results(convert, category):
    """What the converter shows for 10 of the first unit."""
    if not convert:
        return []
    out = subprocess.run([convert, category, "1", "10", "--tsv"], capture_output=True,
                         text=True, env=dict(os.environ, LC_ALL="C"), check=True).stdout
    return [line.split("\t")[1] for line in out.splitlines()]


def spoken_day(day, selected=True):
    words = day.strftime("%A, %B ") + str(day.day) + day.strftime(", %Y")
    return words + (", selected" if selected else "")


def check_dates(window, events):
    title = "Difference Between Dates"
    tables = [n for n in descendants(window) if n.getRole() == pyatspi.ROLE_TABLE]
    names = {n.name for n in tables}
    for wanted in ("First date", "Second date"):
        if wanted not in names:
            fail(f"{title}: no calendar named {wanted!r} (tables: {sorted(names)})")
    labels = {n.name: n for n in descendants(window) if n.getRole() == pyatspi.ROLE_LABEL}
    today = datetime.date.today()
    for start in ("Your first date is ", "Your second date is ",
                  "First date, " + today.strftime("%m/%d/%Y"),
                  "The difference between your first and second date is 0 days."):
        if not any(name.startswith(start) for name in labels):
            fail(f"{title}: no label heard as {start!r} (labels: {sorted(labels)})")
    # The first date is then a day later than the second.
    for key, expected in (("Right", spoken_day(today + datetime.timedelta(days=1))),
                          ("Return", "The difference between your dates is 1 days.")):
        events.clear()
        keys(key)
        pump(0.5)
        shown = [e[1] for e in events.of("object:state-changed:showing")
                 if e[2] == pyatspi.ROLE_NOTIFICATION and e[4] == 1]
        heard = [n.name for n in shown[-1:]]
        if len(shown) != 1 or heard != [expected]:
            fail(f"{title}: {key} told {len(shown)} times, last {heard}, not {expected!r}")


def check_help(app, events):
    title = "Tabrix Help"
    keys("F1")
    viewer = wait_for(lambda: next((c for c in app if c is not None and c.name == title
                                    and showing(c)), None))
    if viewer is None:
        fail("F1 opened no help viewer")
        return None
    if viewer.getRole() not in (pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW):
        fail(f"the help viewer is a {viewer.getRoleName()}, not a window")
    buttons = {n.name.replace("&", ""): n for n in descendants(viewer)
               if n.getRole() == pyatspi.ROLE_PUSH_BUTTON}
    for wanted in ("Back", "Forward", "Contents"):
        if wanted not in buttons:
            fail(f"{title}: no {wanted} button (buttons: {sorted(buttons)})")
        elif not buttons[wanted].getState().contains(pyatspi.STATE_FOCUSABLE):
            fail(f"{title}: the {wanted} button is not in the Tab order")
    # A new window gets the keyboard from the window manager; there is none.
    subprocess.run(["xdotool", "search", "--sync", "--name", f"^{title}$", "windowfocus",
                    "--sync"], check=True, timeout=20)
    # Tab visits the help text's links, then the buttons.
    reached = set()
    for _ in range(80):
        events.clear()
        keys("Tab")
        reached |= {e[3].replace("&", "") for e in events.of("object:state-changed:focused")
                    if e[4] == 1}
        if "Contents" in reached:
            break
    if "Contents" not in reached:
        fail(f"{title}: Tab reached {sorted(reached)}, not the Contents button")
    browser = next((n for n in descendants(viewer) if n.name == "Help topic"), None)
    if browser is None:
        fail(f"{title}: no help text")
        return viewer
    text = browser.queryText()
    line = timed(f"{title} line at 0", text.getTextAtOffset, 0,
                 pyatspi.TEXT_BOUNDARY_LINE_START)[0]
    word = timed(f"{title} word at 0", text.getTextAtOffset, 0,
                 pyatspi.TEXT_BOUNDARY_WORD_START)[0]
    if not line.strip() or not re.search(r"\w", word):
        fail(f"{title}: line {line!r} and word {word!r} at the start")
    # The caret moves with the arrow keys, so a reader follows it by line.
    for _ in range(4):
        if focused(browser):
            break
        keys("Tab")
    events.clear()
    keys("ctrl+Home", "Down", "Down")
    moved = [e for e in events.of("object:text-caret-moved") if e[1] == browser]
    if not moved:
        fail(f"{title}: the Down key moved no caret in the help text")
    return viewer


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pid", type=int, required=True)
    parser.add_argument("--convert", default="")
    args = parser.parse_args()

    threading.Thread(target=watchdog, daemon=True).start()
    Atspi.set_timeout(BUS_TIMEOUT_MS, 20000)
    app = find_app(args.pid)
    if app is None:
        fail("the program did not appear on the accessibility bus")
        report_and_exit()
    subprocess.run(["xdotool", "search", "--sync", "--name", "^Tabrix$", "windowfocus",
                    "--sync"], check=True, timeout=20)
    events = Events("object:text-changed", "object:state-changed:showing",
                    "object:state-changed:focused", "object:text-caret-moved")
    pump(0.5)

    # Everything that cannot hang first; the boundary calls, which hang in
    # the toolkit's own line edit, at the end.
    boxes = []
    for key, title in (("ctrl+d", "Distance"), ("ctrl+t", "Temperature"),
                       ("ctrl+m", "Area - Metric"), ("ctrl+b", "Difference Between Dates")):
        keys(key)
        window = child_window(app, title)
        if window is None:
            fail(f"{key} opened no window {title!r}")
            continue
        pump(0.5)
        check_names(window, title)
        if title in ("Distance", "Temperature"):
            check_typing(title, window, events, expected_results(args.convert, title.lower()))
        if title == "Difference Between Dates":
            check_dates(window, events)
        for box in text_boxes(window):
            check_attribute_run(title, box)
            boxes.append((title, box))
        if title in ("Distance", "Temperature"):
            check_announcement(title, window, events)

    viewer = check_help(app, events)
    help_text = [n for n in descendants(viewer) if n.name == "Help topic"] if viewer else []

    # The help text is the toolkit's text edit, the boxes its line edit.
    try:
        for browser in help_text:
            length = browser.queryText().characterCount
            sample = sorted(set(range(0, min(length, 40))) |
                            set(range(max(0, length - 10), length + 1)))
            check_boundaries("Tabrix Help", browser, sample, text_interface=False)
    except Hang as hang:
        fail(str(hang))
        report_and_exit()
    try:
        for title, box in boxes:
            check_boundaries(title, box)
    except Hang as hang:
        fail(str(hang), text_interface=True)
    report_and_exit()


if __name__ == "__main__":
    main()
