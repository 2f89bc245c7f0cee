#!/usr/bin/env bash
# Plants each fault of faults.tsv alone, builds, runs the whole suite, writes which tests
# failed, and reverts the file. A fault that no test catches shows NONE: the suite has a gap.
# Usage (from anywhere, after `make build`): tests/faults/plant.sh OUT [BUILD] [NUMBER...]
set -u
cd "$(dirname "$0")/../.." || exit 1
out=$(realpath -m "$1")
build=${2:-build}
shift $(( $# >= 2 ? 2 : 1 ))
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/runtime-$(id -u)
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
: > "$out"
grep -v '^#' tests/faults/faults.tsv | while IFS=$'\t' read -r n _ file _ expr; do
  if [ $# -gt 0 ] && ! printf '%s\n' "$@" | grep -qx "$n"; then continue; fi
  git diff --quiet -- "$file" || { echo "$n	CHANGED $file (commit or stash it first)" >> "$out"; continue; }
  sed -i "$expr" "$file"
  if git diff --quiet -- "$file"; then echo "$n	NOT PLANTED (the line has changed)" >> "$out"; continue; fi
  if ! cmake --build "$build" -j "$(nproc)" > /tmp/plant-build.log 2>&1; then
    echo "$n	BUILD FAILED" >> "$out"
  else
    failed=$(cd "$build" && ctest -j "$(nproc)" --timeout 300 2>&1 | sed -n '/tests FAILED:/,$p' |
      sed -nE 's/^\s*[0-9]+ - ([^ ]+).*/\1/p' | tr '\n' ' ')
    echo "$n	${failed:-NONE}" >> "$out"
  fi
  git checkout -- "$file"
done
cmake --build "$build" -j "$(nproc)" > /tmp/plant-build.log 2>&1
cat "$out"
