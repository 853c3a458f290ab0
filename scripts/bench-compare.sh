#!/usr/bin/env bash
# Side by side: the benchmark program of an older commit and that of this work tree, each
# built in Release in its own folder, run in turns offscreen in one session (group by
# group of cases, the order swapped every time, so that a machine getting busier or
# quieter weighs on both alike), and every case's figures set against each other: the
# median over the rounds, new / old.
# A time more than 10 % above the old one is marked SLOWER, and the script exits with 1.
#
# Usage: scripts/bench-compare.sh [OLD_REV] [ROUNDS]     (defaults: df73c77, 3)
#   e.g. scripts/bench-compare.sh df73c77 5
#   TARVANA_BENCH_NICE=-10 scripts/bench-compare.sh ...  runs both programs at that nice
#   level (as root), for a machine that other work keeps busy: both get a core to
#   themselves more often; their figures stay comparable, as both run alike.
# The old commit's source and build stay in build-compare/ for the next comparison; the
# runs' outputs are in build-compare/runs/. df73c77 is the last commit of the hand-made
# harness (bench/bench.h); its report is read from its text, Google Benchmark's from JSON.
set -euo pipefail
cd "$(dirname "$0")/.."

old_rev="${1:-df73c77}"
rounds="${2:-3}"
scripts/install-packages.sh libbenchmark-dev python3

old_sha="$(git rev-parse --short "$old_rev^{commit}")"
work=build-compare
old_src="$work/src-$old_sha"
old_build="$work/build-$old_sha"
runs="$work/runs"
mkdir -p "$work"
if [ ! -f "$old_src/CMakeLists.txt" ]; then
  rm -rf "$old_src"
  mkdir -p "$old_src"
  git archive "$old_sha" | tar -x -C "$old_src"
fi

echo "== building $old_sha in $old_build and this work tree in build-bench (Release)"
scripts/setup.sh build-bench -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake -S "$old_src" -B "$old_build" -DCMAKE_BUILD_TYPE=Release -DTARVANA_TESTS=OFF >/dev/null
cmake --build "$old_build" -j"$(nproc)" --target tarvana_bench >/dev/null

old_bench="$old_build/bench/tarvana_bench"
new_bench=build-bench/bench/tarvana_bench
old_format=text
grep -q 'benchmark/benchmark.h' "$old_src/bench/bench.h" 2>/dev/null && old_format=json

rm -rf "$runs"
mkdir -p "$runs"
# The cases go in groups, each group run by the one program and then by the other right
# after it, the order swapped from group to group and round to round: both see the same
# load of the machine. Within a group the cases run in their usual order, so whatever a
# case finds left by those before it (the landscape, say) is what it finds in a whole run.
groups=("app:" "memory:" "battlefield/" "combat/" "computer:" "game:" "drive step")
prio=()
[ -z "${TARVANA_BENCH_NICE:-}" ] || prio=(nice -n "$TARVANA_BENCH_NICE")
run_old() {
  if [ "$old_format" = json ]; then
    QT_QPA_PLATFORM=offscreen "${prio[@]}" "$old_bench" "$2" --benchmark_format=json \
      >"$runs/old-$1.json"
  else
    QT_QPA_PLATFORM=offscreen "${prio[@]}" "$old_bench" "$2" >"$runs/old-$1.txt"
  fi
}
run_new() {
  QT_QPA_PLATFORM=offscreen "${prio[@]}" "$new_bench" "$2" --benchmark_format=json \
    >"$runs/new-$1.json"
}
for r in $(seq 1 "$rounds"); do
  echo "== round $r of $rounds ($(cut -d' ' -f1-3 /proc/loadavg) load)"
  for g in "${!groups[@]}"; do
    if [ $(((r + g) % 2)) -eq 1 ]; then
      run_old "$r-$g" "${groups[$g]}"; run_new "$r-$g" "${groups[$g]}"
    else
      run_new "$r-$g" "${groups[$g]}"; run_old "$r-$g" "${groups[$g]}"
    fi
  done
done
echo
echo "date:    $(date)"
echo "machine: $(nproc) cores, $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)," \
     "load now $(cut -d' ' -f1-3 /proc/loadavg) (other work on the machine moves the times)"
echo "nice:    ${TARVANA_BENCH_NICE:-0}"
echo "old:     $old_sha ($old_format report), new: this work tree at $(git rev-parse --short HEAD)" \
     "$(git diff --quiet HEAD 2>/dev/null || echo '(with uncommitted changes)')"
echo
python3 bench/compare.py --old-format "$old_format" --old "$runs"/old-* --new "$runs"/new-*
