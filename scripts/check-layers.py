#!/usr/bin/env python3
"""Fails when a library includes a header of a library above it or beside it.

Every folder under src/ is one library. LAYERS names, for each, the folders whose headers it
may include (its own always), and whether it may use Qt. An include "folder/Header.h" belongs
to the longest folder of the table that prefixes it. Run from anywhere; exit status 1 lists
every offending line.
"""

import pathlib
import re
import sys

# What every folder of the pages library may include, and its tab folders with the tabs each
# builds on.
PAGE_BASE = ["platform", "platform/qt", "resources", "catalogue", "datafile", "settings",
             "controls/model", "evaluation", "registerimport", "costcheck", "priceimpact",
             "controls", "print"]
PAGE_TABS = {
    "common":      [],
    "masterdata":  [],
    "ingredients": [],
    "recipes":     ["ingredients"],
    "sales":       [],
    # The menu analysis opens the recipe dialog of a dish.
    "evaluation":  ["ingredients", "recipes"],
    "stock":       [],
    # The costing checks and the price simulation open ingredient and recipe dialogs.
    "costing":     ["ingredients", "recipes"],
}
PAGE_FOLDERS = [f"pages/{tab}" for tab in PAGE_TABS]

# Bottom to top. A library may include only what it names here; the build gives it exactly
# these include roots, so this table and the CMake files tell the same story.
LAYERS = {
    "platform":       ([], False),
    "resources":      (["platform"], False),
    "platform/qt":    (["platform", "resources"], True),
    "catalogue":      (["platform", "resources"], False),
    "xml":            (["platform"], False),
    "datafile":       (["platform", "resources", "catalogue", "xml"], False),
    "settings":       (["platform", "catalogue"], False),
    "controls/model": (["platform", "resources", "catalogue"], False),
    "evaluation":     (["platform", "resources", "catalogue", "settings", "controls/model"], False),
    # Readers of cash register exports and sales journals, the item mapping and the booking.
    "registerimport/zip": (["platform"], False),
    "registerimport": (["platform", "resources", "catalogue", "datafile", "registerimport/zip"],
                       False),
    # The health check of the costing, and what price changes do to the dishes.
    "costcheck":      (["platform", "resources", "catalogue", "settings", "evaluation"], False),
    "priceimpact":    (["platform", "resources", "catalogue", "settings", "evaluation"], False),
    "controls":       (["platform", "platform/qt", "resources", "catalogue", "controls/model"], True),
    "print":          (["platform", "platform/qt", "resources", "catalogue", "controls/model",
                        "controls"], True),
    # One folder per tab; a tab includes common/ and the tabs it builds on, never one beside
    # it. The pages folder itself holds only PageFactory, which sees every tab.
    **{f"pages/{tab}": (PAGE_BASE + ["pages/common"] + [f"pages/{b}" for b in below], True)
       for tab, below in PAGE_TABS.items()},
    "pages":          (PAGE_BASE + PAGE_FOLDERS, True),
    "app":            (["platform", "platform/qt", "resources", "catalogue", "xml", "datafile",
                        "settings", "controls/model", "evaluation", "registerimport", "costcheck",
                        "priceimpact", "controls", "print", "pages"]
                       + PAGE_FOLDERS,
                       True),
    # Qt-free: a report starts without loading the toolkit.
    "cli":            (["platform", "resources", "catalogue", "xml", "datafile", "settings",
                        "controls/model", "evaluation", "registerimport", "costcheck",
                        "priceimpact"], False),
}

INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
QT_HEADER = re.compile(r"^Q[A-Za-z]*(/|$)|^Qt[A-Z]")


def owner_of(path, folders):
    """The longest library folder that `path` (relative to src/) lies in, or None."""
    best = None
    for folder in folders:
        if path == folder or path.startswith(folder + "/"):
            if best is None or len(folder) > len(best):
                best = folder
    return best


def check(src):
    folders = list(LAYERS)
    faults = []
    for file in sorted(src.rglob("*")):
        if file.suffix not in (".h", ".cpp") or not file.is_file():
            continue
        library = owner_of(file.relative_to(src).as_posix(), folders)
        if library is None:
            faults.append(f"{file}: folder is not in the layer table")
            continue
        allowed, uses_qt = LAYERS[library]
        for number, line in enumerate(file.read_text(encoding="utf-8").splitlines(), 1):
            match = INCLUDE.match(line)
            if not match:
                continue
            bracket, header = match.groups()
            if bracket == "<":
                if not uses_qt and QT_HEADER.match(header):
                    faults.append(f"{file}:{number}: {library} must not use Qt ({header})")
                continue
            target = owner_of(header, folders) if "/" in header else library
            if target is None:
                faults.append(f"{file}:{number}: unknown folder in {header}")
            elif target != library and target not in allowed:
                faults.append(f"{file}:{number}: {library} must not include {header} ({target})")
    return faults


def main():
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent
    faults = check(root / "src")
    for fault in faults:
        print(fault)
    if faults:
        print(f"layer check: {len(faults)} include(s) run upward or sideways")
        return 1
    print("layer check: every include runs downward")
    return 0


if __name__ == "__main__":
    sys.exit(main())
