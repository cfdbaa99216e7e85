#!/usr/bin/python3
"""Prints what a screen reader sees of a running Lumenta: every accessible
object of its window as a tree, with its role, name, states, value or text
and description. Needs the accessibility bus of the session the program runs
in (see tools/screen-reader-route.sh) and python3-pyatspi.

    /usr/bin/python3 tools/atspi-tree.py [--showing] [application name]

--showing leaves out the objects that are not on the screen (hidden steps).
"""
import sys

import pyatspi

STATES = {
    pyatspi.STATE_ACTIVE: "active",
    pyatspi.STATE_FOCUSED: "focused",
    pyatspi.STATE_FOCUSABLE: "focusable",
    pyatspi.STATE_CHECKED: "checked",
    pyatspi.STATE_SELECTED: "selected",
    pyatspi.STATE_EDITABLE: "editable",
    pyatspi.STATE_READ_ONLY: "read-only",
    pyatspi.STATE_SHOWING: "showing",
    pyatspi.STATE_SENSITIVE: "sensitive",
}


def value_of(obj):
    try:
        text = obj.queryText()
        return "text=%r" % text.getText(0, text.characterCount)
    except NotImplementedError:
        pass
    try:
        return "value=%s" % obj.queryValue().currentValue
    except NotImplementedError:
        return ""


def table_of(obj):
    try:
        t = obj.queryTable()
    except NotImplementedError:
        return ""
    heads = [t.getColumnDescription(c) for c in range(t.nColumns)]
    return " table %dx%d heads=%s" % (t.nRows, t.nColumns, heads)


def dump(obj, depth, showing_only):
    states = obj.getState()
    if showing_only and depth > 1 and not states.contains(pyatspi.STATE_SHOWING):
        return
    flags = ",".join(n for s, n in STATES.items() if states.contains(s) and s != pyatspi.STATE_SHOWING)
    description = obj.description
    print("%s[%s] %r {%s} %s%s%s" % ("  " * depth, obj.getRoleName(), obj.name, flags, value_of(obj),
                                     " desc=%r" % description if description else "", table_of(obj)))
    if obj.getRole() == pyatspi.ROLE_TABLE:
        return  # its cells are listed by the table line
    for child in obj:
        if child is not None:
            dump(child, depth + 1, showing_only)


def main():
    args = [a for a in sys.argv[1:] if not a.startswith("--")]
    showing_only = "--showing" in sys.argv
    wanted = (args[0] if args else "lumenta").lower()
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.name.lower() == wanted:
            dump(app, 0, showing_only)
            return 0
    print("no application named %s on the accessibility bus" % wanted, file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
