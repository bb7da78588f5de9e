#!/usr/bin/env python3
"""Writes docs/performance.md from the JSON results of the benchmark programs.

Called by bench/run-benchmarks.sh (the one command that makes the document):
    write-performance.py JSON_DIR OUT BUILD_DIR REPETITIONS LOAD_BEFORE LOAD_AFTER [README]
The table holds the median of every benchmark with its goal; the notes of
bench/performance-notes.md (how missed goals were found and fixed) follow it.
With README given, the summary table between its two marker lines is
rewritten from the same results.
"""
import datetime
import glob
import json
import os
import platform
import re
import subprocess
import sys

MS = 1e-3
US = 1e-6

NUMBER_WORDS = {"2": "two", "3": "three", "4": "four"}


def describe(name):
    """(label, goal in seconds or None, how the goal reads) of a benchmark."""
    m = re.fullmatch(r"Generation/(G\d-\d+)/(plain|filtered)", name)
    if m:
        return f"Generation {m.group(1)}, {m.group(2)}", 300 * MS, "< 300 ms"
    m = re.fullmatch(r"GenerationRun/length/(\d)", name)
    if m:
        return (f"Whole \"马上起名\" command, {NUMBER_WORDS[m.group(1)]} characters",
                300 * MS, "< 300 ms")
    table = {
        "BM_AnalyseTwoCharactersWithSuffix":
            ("Name analysis report, 九万 + suffix 珠宝", 20 * MS, "< 20 ms"),
        "BM_AnalyseFourCharactersWithoutSuffix":
            ("Name analysis report, 九万珠宝 without suffix", 20 * MS, "< 20 ms"),
        "BM_FourPillarsReport":
            ("Four Pillars report (birth record, chart, report)", 20 * MS, "< 20 ms"),
        "BM_BuildChart": ("Four Pillars chart alone", None, ""),
        "BM_AlmanacLookup": ("Almanac report of one day (查看)", 20 * MS, "< 20 ms"),
        "BM_BoneWeightLines": ("Bone-weight reading, three lines", None, ""),
        "BM_ReferenceDataBuild":
            ("Reference-data build, the three database files", 60.0, "< 60 s"),
        "BM_SolarToLunar10000":
            ("SolarToLunar, one conversion (10,000 random dates)", 2 * US, "< 2 µs"),
        "BM_LunarToSolar10000":
            ("LunarToSolar, one conversion (10,000 random dates)", 2 * US, "< 2 µs"),
        "BM_PickerMonthLabels": ("Lunar labels of a picker month (core only)", None, ""),
        "BM_PickerDrawMonth":
            ("Drawing a picker month: TFRM_Date labels and paint, offscreen", None, ""),
        "BM_PickerSetMonthLabels":
            ("Setting a picker month's labels without painting", None, ""),
        "BM_StartToFirstPaint/warm":
            ("Desktop program, start to first painted window, warm", 500 * MS, "< 500 ms"),
        "BM_StartToFirstPaint/cold":
            ("Desktop program, start to first painted window, cold", 500 * MS, "< 500 ms"),
    }
    return table.get(name, (name, None, ""))


# Order of the programs in the table.
PROGRAMS = ["generation_bench", "analysis_bench", "bazi_bench", "refdata_bench",
            "calendar_bench", "picker_bench", "startup_bench"]
# Benchmarks whose time is that of a child process: their CPU time says nothing.
CHILD_PROCESS = {"BM_ReferenceDataBuild", "BM_StartToFirstPaint/warm", "BM_StartToFirstPaint/cold"}


def plain_name(run_name):
    return re.sub(r"/(iterations:\d+|manual_time|real_time|min_time:[\d.]+)", "", run_name)


def seconds(value, unit):
    return value * {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[unit]


def fmt(sec):
    for scale, unit in ((1.0, "s"), (1e-3, "ms"), (1e-6, "µs"), (1e-9, "ns")):
        if sec >= scale or unit == "ns":
            v = sec / scale
            return f"{v:.3g} {unit}" if v < 1000 else f"{v:.0f} {unit}"
    return "?"


def command_output(args):
    try:
        return subprocess.run(args, capture_output=True, text=True, check=True).stdout.strip()
    except (OSError, subprocess.CalledProcessError):
        return ""


def machine(build_dir, context):
    cpu = ""
    with open("/proc/cpuinfo", encoding="utf-8") as f:
        for line in f:
            if line.startswith("model name"):
                cpu = line.split(":", 1)[1].strip()
                break
    mem = ""
    with open("/proc/meminfo", encoding="utf-8") as f:
        for line in f:
            if line.startswith("MemTotal"):
                mem = f"{int(line.split()[1]) / 1024 / 1024:.0f} GiB"
    osname = ""
    if os.path.exists("/etc/os-release"):
        with open("/etc/os-release", encoding="utf-8") as f:
            for line in f:
                if line.startswith("PRETTY_NAME="):
                    osname = line.split("=", 1)[1].strip().strip('"')
    cache = {}
    with open(os.path.join(build_dir, "CMakeCache.txt"), encoding="utf-8") as f:
        for line in f:
            m = re.match(r"([A-Za-z_]+):[A-Z]+=(.*)", line.strip())
            if m:
                cache[m.group(1)] = m.group(2)
    compiler = command_output([cache.get("CMAKE_CXX_COMPILER", "c++"), "--version"]).split("\n")[0]
    qt = command_output(["pkg-config", "--modversion", "Qt6Core"])
    sqlite = command_output(["pkg-config", "--modversion", "sqlite3"])
    mhz = context.get("mhz_per_cpu")
    return [
        f"CPU: {cpu}, {context.get('num_cpus', os.cpu_count())} cores"
        + (f" at {mhz} MHz" if mhz else ""),
        f"Memory: {mem}",
        f"System: {osname}, Linux {platform.release()}",
        f"Compiler: {compiler}, build type {cache.get('CMAKE_BUILD_TYPE', '?')}",
        f"Qt {qt}, SQLite {sqlite}, Google Benchmark "
        + command_output(["dpkg-query", "-W", "-f=${Version}", "libbenchmark-dev"]),
    ]


README_BEGIN = "<!-- benchmark summary: written by bench/run-benchmarks.sh -->"
README_END = "<!-- end of benchmark summary -->"


def write_readme_summary(readme, rows, today):
    """Rewrites the summary between the markers of README: the slowest
    generation case and every benchmark with a goal that is not a
    generation case."""
    generation = [r for r in rows if r[0].startswith("Generation ") and r[5] is not None]
    summary = []
    if generation:
        slowest = max(generation, key=lambda r: r[5])
        summary.append((f"Slowest of the {len(generation)} generation cases: "
                        + slowest[0][len("Generation "):],) + slowest[1:5])
    summary += [r[:5] for r in rows
                if (r[3] or r[0].startswith("Drawing a picker month"))
                and not r[0].startswith("Generation ")]
    text = open(readme, encoding="utf-8").read()
    begin = text.find(README_BEGIN)
    end = text.find(README_END)
    if begin < 0 or end < begin:
        print(f"{readme}: no benchmark summary markers, left alone", file=sys.stderr)
        return
    table = [README_BEGIN, "",
             f"Medians measured on {today} (a 2-core virtual machine; details in "
             "[docs/performance.md](docs/performance.md)):", "",
             "| What is timed | Median | Goal | |", "|---|---:|---|---|"]
    table += [f"| {a} | {b} | {d} | {e} |" for a, b, c, d, e in summary]
    table += [""]
    with open(readme, "w", encoding="utf-8") as f:
        f.write(text[:begin] + "\n".join(table) + "\n" + text[end:])


def main():
    json_dir, out, build_dir, repetitions, load_before, load_after = sys.argv[1:7]
    readme = sys.argv[7] if len(sys.argv) > 7 else None
    rows = []
    context = {}
    for program in PROGRAMS:
        path = os.path.join(json_dir, program + ".json")
        if not os.path.exists(path):
            rows.append((f"{program}: no results", "—", "—", "", "not run", None))
            continue
        with open(path, encoding="utf-8") as f:
            data = json.load(f)
        context = context or data.get("context", {})
        seen = set()
        for b in data["benchmarks"]:
            name = plain_name(b.get("run_name", b["name"]))
            label, goal, goal_text = describe(name)
            if b.get("error_occurred"):
                if name not in seen:
                    seen.add(name)
                    rows.append((label, "—", "—", goal_text,
                                 "failed: " + b.get("error_message", ""), None))
                continue
            if b.get("aggregate_name") != "median":
                continue
            unit = b.get("time_unit", "ns")
            wall = seconds(b["real_time"], unit)
            cpu = seconds(b["cpu_time"], unit)
            if "per_item" in b:  # time of one item of the iteration
                wall = b["per_item"]
                cpu = None
            if "rows" in b:
                label += f" ({b['rows']:.0f} rows)"
            result = ""
            if goal is not None:
                result = "met" if wall < goal else "**missed**"
            cpu_text = "—" if cpu is None or name in CHILD_PROCESS else fmt(cpu)
            rows.append((label, fmt(wall), cpu_text, goal_text, result, wall))

    notes_path = os.path.join(os.path.dirname(os.path.abspath(__file__)), "performance-notes.md")
    notes = open(notes_path, encoding="utf-8").read() if os.path.exists(notes_path) else ""
    missed = [r for r in rows if r[4] not in ("met", "")]
    today = datetime.date.today().isoformat()

    lines = [
        "# Performance",
        "",
        f"Medians of {repetitions} repetitions of every benchmark under `bench/`, "
        f"produced on {today} by one command:",
        "",
        "```",
        "bench/run-benchmarks.sh",
        "```",
        "",
        f"It builds the benchmark programs in `{build_dir}/` (configured as RelWithDebInfo "
        "with the tests off when the folder is new), runs each with "
        "`--benchmark_repetitions=" + repetitions + " --benchmark_min_time=0.3` and "
        "writes this file with `bench/write-performance.py` from their JSON results.",
        "",
        "Machine:",
        "",
    ]
    lines += [f"- {m}" for m in machine(build_dir, context)]
    lines += [
        f"- Load average (1, 5, 15 min) before the run: {load_before}; after: {load_after}. "
        "Other work on the machine slows the wall times; the CPU times are the "
        "benchmark process's own.",
        "",
        "| What is timed | Median | CPU time | Goal | |",
        "|---|---:|---:|---|---|",
    ]
    lines += [f"| {r[0]} | {r[1]} | {r[2]} | {r[3]} | {r[4]} |" for r in rows]
    lines += [""]
    if missed:
        lines.append("Goals missed in this run: " + "; ".join(r[0] for r in missed) + ".")
    else:
        lines.append("Every goal is met.")
    lines += [
        "",
        "Median is wall time. A conversion's time is the time of one iteration over "
        "10,000 random dates divided by 10,000. \"Rows\" is the mean row count of a "
        "generation statement's result (the samples are random); \"filtered\" wraps the "
        "statement with the element conditions of a chart lacking 木, 火 and 土. Start to "
        "first paint is timed from outside, from spawning the program to its report that "
        "the first window has been painted (offscreen); \"cold\" first drops the files "
        "the program maps and the databases from the page cache.",
        "",
    ]
    if notes:
        lines.append(notes.rstrip() + "\n")
    with open(out, "w", encoding="utf-8") as f:
        f.write("\n".join(lines))
    if readme:
        write_readme_summary(readme, rows, today)


if __name__ == "__main__":
    main()
