#!/usr/bin/env bash
# The speed figures of docs/performance.md, measured on this machine:
#   - gs_bench: medians of 10 repetitions (chart images and the PDF report when Qt is built);
#   - the program's start to its shown main window, as a whole process (gs_showprobe),
#     offscreen and under Xvfb;
#   - the whole PDF report of a 40-floor file as a process, and its peak memory;
#   - the same side by side with bench/peer/gnuplot_report.sh (gnuplot-nox), alternating runs:
#     the median of the per-round ratios of the two wall times;
#   - the eleven PNG images (1200 x 650) and the JSON report as processes;
#   - the peak memory of loading a 1 GB file (the JSON report of a sparse file);
#   - the peak memory and time of refusing a 3 GB names file (--etagen, a sparse file);
#   - the overview of 1,000 files (--uebersicht --json) against 1,000 runs of --json, its
#     peak memory and CPU use, and its peak memory on 10,000 files;
#   - the overview window on those 10,000 files (gs_overviewprobe): its first rows, and the
#     longest its event loop stalled while reading.
# Steps whose programs are not built are skipped with a note.
#   bench/measure.sh [BUILD]   BUILD: the build folder, from the repository's root (default
#                              build); RUNS=20 runs per process figure
#   bench/measure.sh BUILD --start-only   only the start time (used under xvfb-run)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
RUNS=${RUNS:-20}
SAMPLE=examples/hochhaus-40.csv

# The program's start is measured on this platform; the report tool is run as a user runs it,
# with its own default (no display needed) unless QT_QPA_PLATFORM was set by the caller.
platform=${QT_QPA_PLATFORM:-offscreen}
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-/tmp/runtime-$(id -u)}
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

skip() { echo "-- skipped: $*"; }

# Median wall time of a command in ms, over $RUNS runs after 3 warm-up runs.
median_ms() {
  if command -v hyperfine >/dev/null; then
    if ! hyperfine --shell=none --warmup 3 --runs "$RUNS" --export-json "$work/h.json" \
      --style none -- "$1" >/dev/null 2>"$work/h.err"; then
      cat "$work/h.err" >&2
      return 1
    fi
    python3 -c 'import json,sys; r=json.load(open(sys.argv[1]))["results"][0];
print("%.1f" % (r["median"] * 1000))' "$work/h.json"
  else
    local t i
    for i in 1 2 3; do $1 >/dev/null 2>&1; done
    for ((i = 0; i < RUNS; i++)); do
      t=$(date +%s%N); $1 >/dev/null 2>&1; echo $(( ($(date +%s%N) - t) / 1000 ))
    done | sort -n | awk '{a[NR]=$1} END {printf "%.1f\n", a[int((NR+1)/2)] / 1000}'
  fi
}

# Start to shown main window, on the platform in QT_QPA_PLATFORM.
start_time() {
  local app=$BUILD/app/gruppenstatistik probe=$BUILD/bench/showprobe/libgs_showprobe.so shown
  if [ ! -x "$app" ] || [ ! -f "$probe" ]; then
    skip "the program or gs_showprobe is not built"
    return
  fi
  probe=$(realpath "$probe")
  # A remembered folder, so no error box about a missing last-directory file comes first.
  mkdir -p "$work/config/gruppenstatistik"
  printf '%s' "$PWD/examples" >"$work/config/gruppenstatistik/default.sta"
  # Without the probe taking effect the program would wait for its user: bounded.
  shown=$(QT_QPA_PLATFORM=$platform XDG_CONFIG_HOME=$work/config LD_PRELOAD=$probe \
    timeout 20 "$app" 2>&1 |
    grep gs_showprobe || true)
  if [ -z "$shown" ]; then
    echo "-- the probe saw no window: start time not measured" >&2
    return 1
  fi
  echo "== start to shown main window (${shown#gs_showprobe: }, $platform): median" \
    "$(median_ms "env QT_QPA_PLATFORM=$platform XDG_CONFIG_HOME=$work/config LD_PRELOAD=$probe $app") ms"
}

if [ "${2:-}" = --start-only ]; then
  start_time
  exit
fi

echo "== machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)," \
  "load $(cut -d' ' -f1-3 /proc/loadavg)"

if [ -x "$BUILD/bench/gs_bench" ]; then
  echo "== gs_bench (medians of 10 repetitions)"
  QT_QPA_PLATFORM=$platform "$BUILD/bench/gs_bench" --benchmark_repetitions=10 --benchmark_report_aggregates_only=true \
    2>/dev/null | grep -E '^(Benchmark|-+$)|_median'
else
  skip "$BUILD/bench/gs_bench is not built"
fi

start_time
if command -v xvfb-run >/dev/null; then
  QT_QPA_PLATFORM=xcb xvfb-run -a "$PWD/bench/measure.sh" "$BUILD" --start-only
else
  skip "no xvfb-run: start time under X not measured"
fi

report=$BUILD/app/gruppenstatistik-report
peer=bench/peer/gnuplot_report.sh

# Wall time of a command in µs (bash's own clock: no process started around it).
wall_us() {
  local t=${EPOCHREALTIME/./}
  "$@" >/dev/null 2>&1
  echo $(( ${EPOCHREALTIME/./} - t ))
}

# The tool's --pdf against the gnuplot script, in alternating order (each goes first in half
# the rounds), after 3 warm-up rounds: the median of the per-round ratios tool/script.
side_by_side() {
  local i a b
  for i in 1 2 3; do wall_us $cmd; wall_us "$peer" "$SAMPLE" "$work/peer.pdf"; done >/dev/null
  for ((i = 0; i < RUNS; i++)); do
    if (( i % 2 )); then
      a=$(wall_us $cmd); b=$(wall_us "$peer" "$SAMPLE" "$work/peer.pdf")
    else
      b=$(wall_us "$peer" "$SAMPLE" "$work/peer.pdf"); a=$(wall_us $cmd)
    fi
    echo "$a $b"
  done | awk '{r[NR] = $1 / $2; ta[NR] = $1; tb[NR] = $2}
    function median(x, n,   i, j, t) {
      for (i = 2; i <= n; i++) for (j = i; j > 1 && x[j-1] > x[j]; j--) { t = x[j]; x[j] = x[j-1]; x[j-1] = t }
      return n % 2 ? x[(n+1)/2] : (x[n/2] + x[n/2+1]) / 2 }
    END { printf "%.2fx (tool %.1f ms, script %.1f ms, medians of %d rounds)\n",
          median(r, NR), median(ta, NR) / 1e3, median(tb, NR) / 1e3, NR }'
}

if [ -x "$report" ] && "$report" --help 2>&1 | grep -q -- --pdf; then
  cmd="$report --pdf $work/report.pdf $SAMPLE"
  echo "== PDF report of $SAMPLE as a process: median $(median_ms "$cmd") ms"
  /usr/bin/time -f '%M' -o "$work/rss" $cmd
  echo "== PDF report peak memory: $(( $(cat "$work/rss") / 1024 )) MB" \
    "($(stat -c %s "$work/report.pdf") bytes of PDF)"
  if command -v gnuplot >/dev/null; then
    echo "== PDF report against the gnuplot script: $(side_by_side)"
  else
    skip "no gnuplot (apt-get install gnuplot-nox): no side-by-side ratio"
  fi
  echo "== eleven PNG images 1200x650 as a process: median" \
    "$(median_ms "$report --png $work/png $SAMPLE") ms (budget 300 ms)"
else
  skip "the report tool has no --pdf"
fi
if [ -x "$report" ]; then
  # Qt's libraries load with the tool, which links its export code: a few ms more than the
  # text alone, within the budget.
  echo "== JSON report of $SAMPLE as a process: median" \
    "$(median_ms "$report --json $SAMPLE") ms (budget 30 ms)"
fi
if [ -x "$report" ]; then
  # A 1 GB sparse file (holes read as NUL bytes) past the last line, which has no line end:
  # the load reads it through without holding it.
  head -c -2 "$SAMPLE" > "$work/huge.csv"
  truncate -s 1G "$work/huge.csv"
  /usr/bin/time -f '%M' -o "$work/rss" "$report" --json "$work/huge.csv" >/dev/null || true
  echo "== JSON report of a 1 GB file as a process: peak memory" \
    "$(( $(cat "$work/rss") / 1024 )) MB (budget 50 MB)"
fi
if [ -x "$report" ]; then
  # A 3 GB names file of holes: refused at its first line, of which a few hundred bytes are
  # read. time(1) puts a line about the exit status first: the figures are the last line.
  truncate -s 3G "$work/names.txt"
  /usr/bin/time -f '%M %e' -o "$work/rss" "$report" --json --etagen "$work/names.txt" \
    "$SAMPLE" >/dev/null 2>&1 || true
  read -r kb seconds < <(tail -n 1 "$work/rss")
  echo "== names file of 3 GB refused: peak memory $(( kb / 1024 )) MB (budget 10 MB)," \
    "$seconds s"
fi
if [ -x "$report" ] && "$report" --help 2>&1 | grep -q -- --uebersicht; then
  # A fleet of 1,000 files of 40 floors (about 8 MB) in 50 folders: the overview as one process
  # on every core, against the 1,000 processes a script calling --json per file would start.
  for ((i = 0; i < 1000; i++)); do
    mkdir -p "$work/fleet/haus$((i % 50))"
    cp "$SAMPLE" "$work/fleet/haus$((i % 50))/$i.csv"
  done
  echo "== overview of 1,000 files of 40 floors (--uebersicht --json) as a process: median" \
    "$(median_ms "$report --uebersicht $work/fleet --json") ms (budget 1000 ms)"
  /usr/bin/time -f '%M %e %U %S' -o "$work/rss" "$report" --uebersicht "$work/fleet" --json >/dev/null
  read -r kb seconds user system < <(tail -n 1 "$work/rss")
  echo "== overview of 1,000 files: peak memory $(( kb / 1024 )) MB (budget 50 MB)," \
    "CPU $(awk -v u="$user" -v s="$system" -v e="$seconds" 'BEGIN { printf("%.0f", e > 0 ? (u + s) / e * 100 : 0) }') %" \
    "of one core"
  # A hundred of the runs, times ten: the whole thousand takes minutes on a loaded machine.
  t=$(wall_us bash -c "for f in $work/fleet/haus0/*.csv $work/fleet/haus1/*.csv \
    $work/fleet/haus2/*.csv $work/fleet/haus3/*.csv $work/fleet/haus4/*.csv; do $report --json \$f; done")
  echo "== the same 1,000 files as 1,000 runs of --json: $(( t / 100 )) ms (100 runs measured)"
  # Ten times the files: the memory stays, each file's store is freed after its row.
  for ((i = 1000; i < 10000; i++)); do cp "$SAMPLE" "$work/fleet/haus$((i % 50))/$i.csv"; done
  /usr/bin/time -f '%M %e' -o "$work/rss" "$report" --uebersicht "$work/fleet" --json >/dev/null
  read -r kb seconds < <(tail -n 1 "$work/rss")
  echo "== overview of 10,000 files: peak memory $(( kb / 1024 )) MB (budget 50 MB), $seconds s"
  # The window on the same 10,000 files: the worst of five readings.
  probe=$BUILD/bench/showprobe/gs_overviewprobe
  if [ -x "$probe" ]; then
    for ((i = 0; i < 5; i++)); do
      QT_QPA_PLATFORM=$platform "$probe" "$work/fleet" 2>/dev/null | sed -n 's/^gs_overviewprobe: //p'
    done | awk '{ f = $5 > f ? $5 : f; a = $8 > a ? $8 : a; l = $12 > l ? $12 : l }
      END { printf("== overview window on 10,000 files (worst of 5): first rows %d ms (budget 200 ms), " \
        "all read %d ms, longest stall of the window %d ms\n", f, a, l) }'
  else
    skip "gs_overviewprobe is not built"
  fi
fi
