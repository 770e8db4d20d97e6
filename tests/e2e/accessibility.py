#!/usr/bin/python3
"""Reads the program's window through AT-SPI, as a screen reader does, and checks that
every control that takes focus is named, that the income box is labelled by its caption,
and that the window, the picture and the document list say what they are.

    tests/e2e/accessibility.py REPORT_FILE   (DBUS_SESSION_BUS_ADDRESS names the session)

Prints what failed and ends with 1, or ends with 0; REPORT_FILE gets every focusable
object with its role, name and labelled-by relation."""
import sys
import time

import pyatspi

TITLE = "VARELDO : SIMULATORE DIDATTICO DEL SISTEMA FISCALE ITALIANO"
# Roles of the controls a pupil reaches with the keyboard; fillers hand the focus on.
CONTROL_ROLES = {"text", "push button", "check box", "combo box", "list", "page tab list", "page tab"}
EDIT_BOX_NAMES = [
    "SCEGLIERE UN REDDITO TOTALE",  # the income box's edit line
    "Limite scaglione 1", "Aliquota scaglione 1 (%)", "Limite scaglione 2",
    "Aliquota scaglione 2 (%)", "Limite scaglione 3", "Aliquota scaglione 3 (%)",
    "IMPORTO", "PERCENT %", "RISULTATO",
    "Lavoro Dipendente", "Carichi familiari", "Spese Mediche", "Varie", "Lavoro Autonomo",
    "Crediti Imposta", "Altre Detrazioni", "Contributi previdenziali", "Altre Deduzioni",
]


def find_application(seconds):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == "Vareldo":
                return application
        time.sleep(0.2)
    return None


def walk(node):
    yield node
    for child in node:
        if child is not None:
            yield from walk(child)


def labelled_by(node):
    return [relation.getTarget(i).name
            for relation in node.getRelationSet()
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
            for i in range(relation.getNTargets())]


def main():
    application = find_application(10)
    if application is None:
        print("no application named Vareldo on the accessibility bus")
        return 1
    failures = []
    frames = [child for child in application if child is not None]
    if [(f.getRoleName(), f.name) for f in frames] != [("frame", TITLE)]:
        failures.append("the window reads as %r" % [(f.getRoleName(), f.name) for f in frames])

    nodes = list(walk(application))
    focusable = [n for n in nodes if n.getState().contains(pyatspi.STATE_FOCUSABLE)]
    with open(sys.argv[1], "w", encoding="utf-8") as report:
        for node in focusable:
            report.write("%s | %s | labelled by %s\n" % (node.getRoleName(), node.name, labelled_by(node)))

    for node in focusable:
        if node.getRoleName() in CONTROL_ROLES and not node.name.strip():
            failures.append("a focusable %s has no name" % node.getRoleName())

    edit_boxes = [n.name for n in focusable if n.getRoleName() == "text"
                  and n.name not in ("Introduzione", "PROSPETTO RIASSUNTIVO")]
    if edit_boxes != EDIT_BOX_NAMES:
        failures.append("the edit boxes read %r" % edit_boxes)

    combos = [n for n in focusable if n.getRoleName() == "combo box"]
    if len(combos) != 1 or labelled_by(combos[0]) != ["SCEGLIERE UN REDDITO TOTALE"]:
        failures.append("the income box is labelled by %r" % [labelled_by(c) for c in combos])

    named = {(n.getRoleName(), n.name) for n in nodes}
    for role, name in [("text", "Introduzione"), ("text", "PROSPETTO RIASSUNTIVO"),
                       ("list", "Documenti didattici"), ("image", "Infografica: NUOVA IRPEF 2024"),
                       ("chart", "ISTOGRAMMA : IMPOSTE PER SCAGLIONI")]:
        if (role, name) not in named:
            failures.append("no %s named %r" % (role, name))
    pictures = [n for n in nodes if n.getRoleName() == "image"]
    if not pictures or "aliquota 23 %" not in pictures[0].description:
        failures.append("the picture's description is %r" % [p.description for p in pictures])

    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
