#!/usr/bin/env python3
"""Whole-process measurements: kostenkoch-cli against the reference program, command by command.

Usage: whole-process.py BIN_DIR FILE [REPEAT]

Each command runs as a child process of its own, program and reference interleaved (A B A B ...)
so that the load of a shared machine falls on both alike; the table shows the medians of wall
time, CPU time (user + system) and peak resident memory (the child's ru_maxrss) and the ratios
program / reference. The children are started by kk-run (BIN_DIR), a small process: a child
forked by this interpreter would count the interpreter's own resident size (about 15 MiB) as
its starting peak. Output goes to /dev/null, written files to a temporary directory."""

import os
import statistics
import subprocess
import sys
import tempfile


RUNNER = None


def measure(argv):
    """Runs argv once through kk-run; returns (wall seconds, cpu seconds, peak KiB)."""
    output = subprocess.run([RUNNER] + argv, check=True, capture_output=True, text=True).stdout.split()
    wall_ns, cpu_us, peak_kib, status = (int(field) for field in output)
    if status != 0:
        sys.exit(f"failed: {' '.join(argv)}")
    return wall_ns / 1e9, cpu_us / 1e6, peak_kib


def compare(own, reference, repeat):
    """Interleaved runs of both command lines; medians of each figure."""
    results = {"own": [], "reference": []}
    for _ in range(repeat):
        results["own"].append(measure(own))
        results["reference"].append(measure(reference))
    return {key: [statistics.median(run[i] for run in runs) for i in range(3)] for key, runs in results.items()}


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    global RUNNER
    bin_dir, path = sys.argv[1], sys.argv[2]
    RUNNER = os.path.join(bin_dir, "kk-run")
    repeat = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    cli, reference = os.path.join(bin_dir, "kostenkoch-cli"), os.path.join(bin_dir, "kk-reference")
    size_kib = os.path.getsize(path) / 1024
    with tempfile.TemporaryDirectory() as scratch:
        out = os.path.join(scratch, "out.xml")
        commands = [["check", path], ["recipes", path], ["resave", path, out]]
        print(f"file {path}, {size_kib / 1024:.1f} MiB, median of {repeat} interleaved runs\n")
        print("| command | wall own | wall ref | ratio | cpu own | cpu ref | ratio "
              "| peak own | peak ref | own / file |")
        print("|---|---|---|---|---|---|---|---|---|---|")
        for command in commands:
            m = compare([cli] + command, [reference] + command, repeat)
            own, ref = m["own"], m["reference"]
            print(f"| {command[0]} | {own[0] * 1000:.0f} ms | {ref[0] * 1000:.0f} ms | **{own[0] / ref[0]:.2f}** "
                  f"| {own[1] * 1000:.0f} ms | {ref[1] * 1000:.0f} ms | {own[1] / ref[1]:.2f} "
                  f"| {own[2] / 1024:.1f} MiB | {ref[2] / 1024:.1f} MiB | {own[2] / size_kib:.2f} |")


if __name__ == "__main__":
    main()
