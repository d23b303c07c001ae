#!/usr/bin/env python3
"""Turns the JSON report of bench/zelvik_bench into the README's Markdown table.

    bench-table.py REPORT.json [--load-after LOAD]

Each benchmark repeats one measured step; the report holds the median and the slowest ("max") of
the repetitions. A row shows the median with the slowest in brackets, against its target, which
lives here and nowhere else. A target "every run" holds for the slowest repetition; "median", for
the usual one; a ratio compares two medians. Rows whose benchmark is not in the report (a run
with --benchmark_filter) are left out. Exits 1 when a benchmark in the report failed.
"""

import argparse
import json
import sys
from dataclasses import dataclass


@dataclass
class Time:
    benchmark: str
    label: str
    limit_ms: float | None = None  # the target, in milliseconds
    judge: str = "max"  # "max": every run within the limit; "median": the usual run


@dataclass
class Ratio:
    numerator: str
    denominator: str
    label: str
    limit: float
    note: str = ""


@dataclass
class Counter:
    benchmark: str
    counter: str
    label: str
    unit: str
    limit: float  # the slowest, here the largest, repetition stays below it


HANDLER_MS = 100  # a handler the player waits for: every run within a tenth of a second
UNDO_MS = 16  # an undo or redo at the largest roster: within one frame
START_UP_MS = 250  # start-up of the largest roster, the usual run

ROWS = [
    Time("read/largest", "Read largest ({size}) — readBotsIni"),
    Time("read/largest inih", "Read largest — inih ini_parse_string"),
    Ratio("read/largest", "read/largest inih", "Read largest: ours / inih (from memory)", 1.00),
    Time("read file/largest", "Read largest file — readBotsIniFile"),
    Time("read file/largest inih", "Read largest file — inih ini_parse"),
    Ratio("read file/largest", "read file/largest inih", "Read largest file: ours / inih", 1.00),
    Time("read new process/largest", "Read largest file in a new process — readBotsIniFile"),
    Time("read new process/largest inih", "Read largest file in a new process — inih ini_parse"),
    Ratio("read new process/largest", "read new process/largest inih",
          "Read largest file in a new process: ours / inih", 1.00),
    Time("compose/largest", "Compose largest — composeBotsIniFile (what Save INI writes and Launch shows)"),
    Time("write/largest", "Compose and write largest — composeBotsIniFile + writeBotsIniFile, no window"),
    Time("recovery copy window thread/typical",
         "Recovery copy, the window's thread: hand-over and the next edit (typical)", 5),
    Time("recovery copy window thread/largest",
         "Recovery copy, the window's thread: hand-over and the next edit (largest)", UNDO_MS),
    Time("recovery copy its thread/typical",
         "Recovery copy, its own thread: composed, checksummed, written and synced (typical)"),
    Time("recovery copy its thread/largest",
         "Recovery copy, its own thread: composed, checksummed, written and synced (largest)"),
    Time("read/typical", "Read typical (10 maps, 20 bots)"),
    Time("compose/typical", "Compose typical"),
    Time("start-up new process/empty QWidget", "Start-up to shown, new process: empty QWidget"),
    Time("start-up new process/QLabel", "Start-up to shown, new process: a QLabel (fonts loaded)"),
    Time("start-up new process/floor",
         "Start-up to shown, new process: the main window with no roster, settings or catalogue (floor)"),
    Time("start-up new process/typical", "Start-up to shown, new process: typical roster"),
    Ratio("start-up new process/typical", "start-up new process/floor",
          "Start-up typical / floor", 1.10, " (floor × 1.1)"),
    Time("start-up new process/largest", "Start-up to shown, new process: largest roster",
         START_UP_MS, "median"),
    Time("start-up warm/empty QWidget", "Start-up to shown, in a warm process: empty QWidget"),
    Time("start-up warm/typical", "Start-up to shown, in a warm process: typical"),
    Time("start-up warm/largest", "Start-up to shown, in a warm process: largest",
         START_UP_MS, "median"),
    Time("handler/page bot", "Handler: paging one bot (largest)", HANDLER_MS),
    Time("handler/page map", "Handler: paging one map (largest)", HANDLER_MS),
    Time("handler/tab Bots-Maps", "Handler: tab change Bots ↔ Maps", HANDLER_MS),
    Time("handler/INI tab first",
         "INI tab pressed to the whole text scrollable, at its last line (largest)", HANDLER_MS),
    Time("handler/add map at 32766", "Handler: Add map at 32766", HANDLER_MS),
    Time("handler/add bot at 32766", "Handler: Add bot at 32766", HANDLER_MS),
    Time("handler/remove first map", "Handler: Remove first of 32767 maps", HANDLER_MS),
    Time("handler/remove first bot", "Handler: Remove first of 32767 bots", HANDLER_MS),
    Time("handler/Save INI", "Handler: Save INI (largest, INI page full)", HANDLER_MS),
    Time("floor/Save INI bare QSaveFile",
         "Save INI floor: the same bytes written, synced and renamed by a bare QSaveFile"),
    Ratio("handler/Save INI", "floor/Save INI bare QSaveFile", "Save INI / its floor", 1.20),
    Time("handler/Launch composing", "Handler: Launch's composing (largest, INI page full)",
         HANDLER_MS),
    Time("handler/Launch click", "Launch click, whole (largest; starts a stand-in game)"),
    Time("handler/close question",
         "Close request to the unsaved-changes question (largest, the last bot edited)", HANDLER_MS),
    Time("handler/undo remove first bot (largest)",
         "Handler: Undo the removal of the first of 32767 bots", UNDO_MS),
    Time("handler/redo remove first bot (largest)",
         "Handler: Redo the removal of the first of 32767 bots", UNDO_MS),
    Time("handler/undo remove first map (largest)",
         "Handler: Undo the removal of the first of 32767 maps", UNDO_MS),
    Time("handler/find last of 32767 bots", "Handler: Find the last of 32767 bots by name",
         UNDO_MS),
    Time("handler/find near the end of the INI text (largest)",
         "Handler: Find a text on the INI page's last lines (largest)", 50),
    Time("handler/paste 10000 bots", "Handler: Paste 10,000 bots (typical roster)", 100),
    Time("roster/open (largest)", "Roster window: opening it (largest)", HANDLER_MS),
    Time("roster/scroll to the last row", "Roster window: scrolling to the last row", 16),
    Time("roster/Ctrl+A Delete all bots", "Roster window: Ctrl+A then Delete, 32767 bots",
         HANDLER_MS),
    Time("roster/undo Delete all bots", "Roster window: undo of deleting 32767 bots", HANDLER_MS),
    Time("roster/sort bots by name", "Roster window: sorting 32767 bots by name", HANDLER_MS),
    Time("roster/Ctrl+Enter over every bot",
         "Roster window: Ctrl+Enter over 32767 selected rows", HANDLER_MS),
    Time("roster/keystroke in the name box",
         "Roster window open: a keystroke in the main window's name box", 16),
    Time("roster/filter one letter", "Roster window: filtering on one typed letter", 50),
    Counter("roster/open (largest)", "added_MiB",
            "Resident memory the Roster window adds (largest roster)", "MiB", 20),
    Counter("memory/undo history 1000 steps (largest)", "added_MiB",
            "Resident memory 1,000 undo steps add (largest roster)", "MiB", 20),
    Counter("memory/largest INI page shown", "peak_MiB",
            "Peak resident memory, largest roster, INI page shown", "MiB", 80),
]

UNIT_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}


def read_report(path):
    """The report's aggregates by benchmark name and statistic, its failures, and its context."""
    with open(path, encoding="utf-8") as f:
        report = json.load(f)
    stats, failures = {}, {}
    for entry in report.get("benchmarks", []):
        name = entry["run_name"].split("/iterations:")[0]
        if entry.get("error_occurred"):
            failures[name] = entry.get("error_message", "failed")
            continue
        if entry.get("run_type") == "aggregate":
            stats.setdefault(name, {})[entry["aggregate_name"]] = entry
    return stats, failures, report.get("context", {})


def ms(entry):
    return entry["real_time"] * UNIT_MS[entry["time_unit"]]


def shown_ms(value):
    if value < 1:
        return f"{value:.3f}"
    if value < 100:
        return f"{value:.1f}"
    return f"{value:.0f}"


def met(ok):
    return "yes" if ok else "**no**"


def make_rows(stats, failures):
    size = "8.9 MB"
    if "file_MB" in stats.get("read/largest", {}).get("median", {}):
        size = f"{stats['read/largest']['median']['file_MB']:.1f} MB"
    rows, failed = [], False
    for row in ROWS:
        names = [row.numerator, row.denominator] if isinstance(row, Ratio) else [row.benchmark]
        broken = [n for n in names if n in failures]
        if broken:
            rows.append((row.label.format(size=size), "failed: " + failures[broken[0]], "", "**no**"))
            failed = True
            continue
        if not all(n in stats for n in names):
            continue
        if isinstance(row, Time):
            median, slowest = ms(stats[row.benchmark]["median"]), ms(stats[row.benchmark]["max"])
            result = f"{shown_ms(median)} ms (max {shown_ms(slowest)})"
            if row.limit_ms is None:
                target, ok = "–", "–"
            else:
                which = "every run" if row.judge == "max" else "median"
                target = f"{which} ≤ {shown_ms(row.limit_ms)} ms"
                ok = met((slowest if row.judge == "max" else median) <= row.limit_ms)
        elif isinstance(row, Ratio):
            value = ms(stats[row.numerator]["median"]) / ms(stats[row.denominator]["median"])
            result, target, ok = f"{value:.2f}", f"≤ {row.limit:.2f}{row.note}", met(value <= row.limit)
        else:
            largest = stats[row.benchmark]["max"][row.counter]
            result = f"{largest:.0f} {row.unit}"
            target, ok = f"< {row.limit:.0f} {row.unit}", met(largest < row.limit)
        rows.append((row.label.format(size=size), result, target, ok))
    return rows, failed


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("report", help="the JSON of --benchmark_out_format=json")
    parser.add_argument("--load-after", help="the load average when the run ended")
    args = parser.parse_args()

    stats, failures, context = read_report(args.report)
    rows, failed = make_rows(stats, failures)
    print("| Measure | Result | Target | Met |")
    print("| --- | --- | --- | --- |")
    for row in rows:
        print("| " + " | ".join(row) + " |")
    load = context.get("load_avg", [])
    load_text = f"load average {load[0]:.2f} at the start" if load else "load average unknown"
    if args.load_after:
        load_text += f", {args.load_after} at the end"
    print()
    print(f"Times are medians over the repetitions (each one measured step), with the slowest in "
          f"brackets; ratios compare medians. Peak memory is VmHWM of a child process started for "
          f"it. {context.get('num_cpus', '?')} cores; {load_text}; {context.get('date', '')}.")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
