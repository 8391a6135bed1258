#!/usr/bin/env python3
"""Whole-process measurements: kostenkoch-cli against the reference program, command by command.

Usage: whole-process.py BIN_DIR FILE [REPEAT] [EARLIER_CLI]

With EARLIER_CLI (an earlier build of kostenkoch-cli) that program runs in the same rounds as a
third party, so that before, after and the reference are measured side by side.

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


def compare(commands, repeat):
    """Interleaved runs of the command lines (a dict of name: argv); medians of each figure."""
    results = {key: [] for key in commands}
    for _ in range(repeat):
        for key, argv in commands.items():
            results[key].append(measure(argv))
    return {key: [statistics.median(run[i] for run in runs) for i in range(3)] for key, runs in results.items()}


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    global RUNNER
    bin_dir, path = sys.argv[1], sys.argv[2]
    RUNNER = os.path.join(bin_dir, "kk-run")
    repeat = int(sys.argv[3]) if len(sys.argv) > 3 else 5
    cli, reference = os.path.join(bin_dir, "kostenkoch-cli"), os.path.join(bin_dir, "kk-reference")
    earlier = sys.argv[4] if len(sys.argv) > 4 else None
    size_kib = os.path.getsize(path) / 1024
    with tempfile.TemporaryDirectory() as scratch:
        commands = [["check", path], ["recipes", path], ["resave", path, os.path.join(scratch, "out.xml")]]
        load = os.getloadavg()[0]
        print(f"file {path}, {size_kib / 1024:.1f} MiB, median of {repeat} interleaved runs, "
              f"load average {load:.1f} at the start\n")
        print("| command | wall own | wall ref | ratio | cpu own | cpu ref | ratio "
              "| peak own | peak ref | own / file |" + (" wall earlier | cpu earlier | peak earlier |" if earlier else ""))
        print("|---|---|---|---|---|---|---|---|---|---|" + ("---|---|---|" if earlier else ""))
        for command in commands:
            runs = {"own": [cli] + command, "reference": [reference] + command}
            if earlier:
                runs["earlier"] = [earlier] + command
            m = compare(runs, repeat)
            own, ref = m["own"], m["reference"]
            line = (f"| {command[0]} | {own[0] * 1000:.0f} ms | {ref[0] * 1000:.0f} ms | **{own[0] / ref[0]:.2f}** "
                    f"| {own[1] * 1000:.0f} ms | {ref[1] * 1000:.0f} ms | **{own[1] / ref[1]:.2f}** "
                    f"| {own[2] / 1024:.1f} MiB | {ref[2] / 1024:.1f} MiB | {own[2] / size_kib:.2f} |")
            if earlier:
                old = m["earlier"]
                line += f" {old[0] * 1000:.0f} ms | {old[1] * 1000:.0f} ms | {old[2] / 1024:.1f} MiB |"
            print(line, flush=True)


if __name__ == "__main__":
    main()
