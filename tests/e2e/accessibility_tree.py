#!/usr/bin/python3
# Walks the accessibility tree of the running hmquiz (AT-SPI, as a screen reader sees it) and
# prints one line per shown object; exits 1 listing what a screen reader could not use: a
# focusable object without a name, a button without a press action, an editable field (with
# --answers: an editable field without a name; a practice window's answer boxes are editable).
# With --text it also prints the text a screen reader reads out of each object that has one.
import sys

import pyatspi

BUTTONS = ("push button", "page tab", "radio button")
ANSWERS = "--answers" in sys.argv
TEXT = "--text" in sys.argv


def walk(node, depth, lines, problems):
    if node is None or depth > 14:
        return
    states = node.getState().getStates()
    if depth > 1 and pyatspi.STATE_SHOWING not in states:
        return
    role = node.getRoleName()
    actions = []
    try:
        action = node.queryAction()
        actions = [action.getName(i) for i in range(action.nActions)]
    except NotImplementedError:
        pass
    lines.append("%s%s %r %s" % ("  " * depth, role, node.name, actions))
    if TEXT:
        try:
            text = node.queryText()
            content = text.getText(0, text.characterCount).replace("\xa0", " ")
            for line in content.splitlines():
                lines.append("%s  text: %s" % ("  " * depth, line))
        except NotImplementedError:
            pass
    if pyatspi.STATE_FOCUSABLE in states and not (node.name or "").strip():
        problems.append("focusable %s without a name" % role)
    # A disabled button offers no action until it can be used.
    if role in BUTTONS and pyatspi.STATE_SENSITIVE in states and "Press" not in actions:
        problems.append("%s %r cannot be pressed" % (role, node.name))
    if pyatspi.STATE_EDITABLE in states and (not ANSWERS or not (node.name or "").strip()):
        problems.append("editable %s %r" % (role, node.name))
    for child in node:
        walk(child, depth + 1, lines, problems)


def main():
    desktop = pyatspi.Registry.getDesktop(0)
    apps = [a for a in desktop if a is not None and (a.name or "") == "hmquiz"]
    if not apps:
        print("no hmquiz on the accessibility bus")
        return 1
    lines, problems = [], []
    walk(apps[0], 0, lines, problems)
    print("\n".join(lines))
    buttons = sum(1 for l in lines if l.strip().startswith(BUTTONS))
    if buttons < 6:
        problems.append("only %d buttons found" % buttons)
    for p in problems:
        print("PROBLEM:", p)
    return 1 if problems else 0


sys.exit(main())
