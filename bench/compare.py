#!/usr/bin/env python3
"""Sets the figures of two benchmark programs side by side (scripts/bench-compare.sh).

Each run is read into {case: {figure: value}}, with the same figure names for both kinds
of report:
  time       the case's time, in microseconds (wall clock)
  cpu        CPU time of the thread, in microseconds (where the case reports it)
  per_step   one step of a flight or drive, in microseconds
  and the counters under their own names (ratio, rss_MiB, ...).
Google Benchmark's JSON gives these directly. The hand-made harness of df73c77 printed
text: "us/call" lines, and lines of its own for the cases that reported their figure.
"""
import argparse
import json
import re
import statistics
import sys

# GB adds these to a case's name: /iterations:1, /repeats:5, /real_time, /manual_time.
SUFFIX = re.compile(
    r"(/(iterations|repeats|min_time|threads):[^/]*|/(real_time|manual_time|process_time))+$")
TO_US = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}

# Figures for which more is worse, and by how much more is too much.
WORSE_WHEN_HIGHER = {"time", "cpu", "per_step", "ratio", "elapsed_ms",
                     "rss_MiB", "peak_rss_MiB", "menu_rss_MiB",
                     "rss_after_10_MiB", "rss_after_100_MiB"}
LIMIT = 1.10


def num(v):
    if abs(v) >= 100:
        return f"{v:.0f}"
    if abs(v) >= 10:
        return f"{v:.1f}"
    return f"{v:.3g}"


def base_name(name):
    return SUFFIX.sub("", name)


def read_gb(path):
    with open(path) as f:
        report = json.load(f)
    cases = {}
    for b in report["benchmarks"]:
        if b.get("error_occurred"):
            continue
        # A repeated case counts by its median.
        if b.get("run_type") == "aggregate" and b.get("aggregate_name") != "median":
            continue
        name = base_name(b.get("run_name", b["name"]))
        if b.get("run_type") != "aggregate" and b.get("repetitions", 1) > 1:
            continue
        unit = TO_US[b.get("time_unit", "ns")]
        fig = {"time": b["real_time"] * unit, "cpu": b["cpu_time"] * unit}
        skip = {"name", "run_name", "run_type", "family_index", "per_family_instance_index",
                "repetitions", "repetition_index", "threads", "iterations", "real_time",
                "cpu_time", "time_unit", "aggregate_name", "aggregate_unit", "label",
                "error_occurred", "error_message", "items_per_second", "bytes_per_second"}
        for k, v in b.items():
            if k in skip or not isinstance(v, (int, float)):
                continue
            fig[k] = v * 1e6 if k == "per_step" else v   # per_step: seconds
        cases[name] = fig
    return cases


NUM = r"([-+]?[0-9]*\.?[0-9]+)"
# The hand-made harness's own lines, and what they hold.
HAND = [
    (r"^" + NUM + r" ms median of " + NUM + r" starts \(" + NUM + r"\.\." + NUM + r"\)",
     lambda m: {"time": float(m[1]) * 1e3, "starts": float(m[2]),
                "fastest_ms": float(m[3]), "slowest_ms": float(m[4])}),
    (r"^" + NUM + r" ms \(windows created after " + NUM + r" ms\)",
     lambda m: {"time": float(m[1]) * 1e3, "windows_created_ms": float(m[2])}),
    (r"^" + NUM + r" MiB \(menu before it " + NUM + r" MiB, peak " + NUM + r" MiB\)",
     lambda m: {"rss_MiB": float(m[1]), "menu_rss_MiB": float(m[2]),
                "peak_rss_MiB": float(m[3])}),
    (r"^" + NUM + r" -> " + NUM + r" MiB, growth " + NUM + r" MiB \(" + NUM + r" s for 100 games\)",
     lambda m: {"rss_after_10_MiB": float(m[1]), "rss_after_100_MiB": float(m[2]),
                "growth_MiB": float(m[3]), "time": float(m[4]) * 1e6}),
    (r"^" + NUM + r" us/flight, " + NUM + r" steps, " + NUM + r" us/step",
     lambda m: {"time": float(m[1]), "steps": float(m[2]), "per_step": float(m[3])}),
    (r"^ratio " + NUM + r": " + NUM + r" ms elapsed, " + NUM + r" ms of sleep asked, " + NUM
     + r" steps",
     lambda m: {"ratio": float(m[1]), "elapsed_ms": float(m[2]),
                "sleep_asked_ms": float(m[3]), "steps": float(m[4])}),
    (r"^" + NUM + r" ms CPU/turn \(" + NUM + r"\.\." + NUM + r"\), " + NUM + r" ms wall, " + NUM
     + r" s of pauses asked/turn",
     lambda m: {"cpu": float(m[1]) * 1e3, "time": float(m[4]) * 1e3,
                "pauses_s": float(m[5])}),
]


def read_hand(path):
    cases = {}
    with open(path) as f:
        lines = f.read().splitlines()
    for line in lines[1:]:
        name, rest = line[:48].rstrip(), line[48:].strip()
        if not name:
            continue
        for pattern, figures in HAND:
            m = re.match(pattern, rest)
            if m:
                cases[name] = figures(m)
                break
        else:
            m = re.match(NUM + r"\s+" + NUM + r"\.\." + NUM, rest)
            if m:
                # Microseconds a call; the drive's call is one step.
                key = "per_step" if name.startswith("drive step") else "time"
                cases[name] = {key: float(m[1])}
    return cases


def gather(runs):
    """{case: {figure: [values over the runs]}} of the runs' {case: {figure: value}}."""
    out = {}
    for run in runs:
        for case, figs in run.items():
            for k, v in figs.items():
                out.setdefault(case, {}).setdefault(k, []).append(v)
    return out


def main():
    ap = argparse.ArgumentParser(description=__doc__)
    ap.add_argument("--old-format", choices=["text", "json"], default="text")
    ap.add_argument("--old", nargs="+", required=True)
    ap.add_argument("--new", nargs="+", required=True)
    a = ap.parse_args()
    old = gather([(read_gb if a.old_format == "json" else read_hand)(p) for p in a.old])
    new = gather([read_gb(p) for p in a.new])

    print(f"{len(a.old)} old and {len(a.new)} new reports. The median of each figure over the "
          f"rounds, and the best round (the lowest): other work on the machine only ever adds.")
    print("Times in us unless the figure's name says otherwise.")
    print(f"{'case':<46} {'figure':<18} {'old':>9} {'new':>9} {'new/old':>7}"
          f" {'best old':>9} {'best new':>9} {'new/old':>7}")
    slower = []
    for case in old:
        if case not in new:
            print(f"{case:<46} {'(not in the new program)':<18}")
            continue
        for k, ovs in old[case].items():
            if k not in new[case]:
                continue
            nvs = new[case][k]
            ov, nv = statistics.median(ovs), statistics.median(nvs)
            ob, nb = min(ovs), min(nvs)
            ratio = nv / ov if ov else float("nan")
            best = nb / ob if ob else float("nan")
            mark = ""
            if k in WORSE_WHEN_HIGHER and ov and ratio > LIMIT:
                mark = "  SLOWER" if not k.endswith("MiB") else "  MORE MEMORY"
                slower.append(f"{case} {k}")
            print(f"{case[:46]:<46} {k:<18} {num(ov):>9} {num(nv):>9} {ratio:>7.3f}"
                  f" {num(ob):>9} {num(nb):>9} {best:>7.3f}{mark}")
    for case in new:
        if case not in old:
            print(f"{case:<46} {'(new case)':<18}")
    if slower:
        print(f"\n{len(slower)} median(s) more than {LIMIT - 1:.0%} worse: " + "; ".join(slower))
        return 1
    print(f"\nNo median more than {LIMIT - 1:.0%} above the old one.")
    return 0


if __name__ == "__main__":
    sys.exit(main())
