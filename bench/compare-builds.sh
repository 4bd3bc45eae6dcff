#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Fish Pairs developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Two builds side by side, for a figure that moved between two commits:
#   bench/compare-builds.sh OLD_BUILD NEW_BUILD [RUNS]        (default: 9 runs of each)
# Runs the gamebench and windowbench of each build by turns (old, new, old, new...) on the same
# pictures, NEW_BUILD's run folder, so that both meet the same load of a shared machine, and
# prints the median of each run's figure: START's picture loads and deal, and START to painted.
# Build both first (their gamebench and windowbench targets); a windowbench run takes some 15 s.
set -uo pipefail
[ $# -ge 2 ] || { echo "usage: $0 OLD_BUILD NEW_BUILD [RUNS]" >&2; exit 2; }
old=$(cd "$1" && pwd)
new=$(cd "$2" && pwd)
runs=${3:-9}
pictures=$new/run
results=$(mktemp)
trap 'rm -f "$results"' EXIT

# One run of one build: "<build> <figure> <value>" lines; a benchmark that fails says so.
measure() { # LABEL BUILD
  "$2/bench/game/gamebench" "$pictures" 2>/dev/null |
    awk -v b="$1" '/^load \+ deal/ { print b, "load+deal_us", $4 }' | grep . ||
    echo "$1 build: gamebench failed" >&2
  "$2/bench/windows/windowbench" "$pictures" 2>/dev/null |
    awk -v b="$1" '/^START to painted/ { print b, "START_ms", $4 }' | grep . ||
    echo "$1 build: windowbench failed" >&2
}

for run in $(seq "$runs"); do
  measure old "$old" >>"$results"
  measure new "$new" >>"$results"
  echo "run $run of $runs done" >&2
done

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
echo "old: $old"
echo "new: $new"
echo "pictures: $pictures; $runs runs of each, by turns; medians of the runs' figures"
for figure in load+deal_us START_ms; do
  o=$(awk -v f="$figure" '$1 == "old" && $2 == f { print $3 }' "$results" | median)
  n=$(awk -v f="$figure" '$1 == "new" && $2 == f { print $3 }' "$results" | median)
  printf '%-14s old %9s   new %9s   (runs: old %s; new %s)\n' "$figure" "$o" "$n" \
    "$(awk -v f="$figure" '$1 == "old" && $2 == f { printf "%s ", $3 }' "$results")" \
    "$(awk -v f="$figure" '$1 == "new" && $2 == f { printf "%s ", $3 }' "$results")"
done
