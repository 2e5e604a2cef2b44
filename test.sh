#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
#   ./test.sh             normal build in build/
#   ./test.sh --sanitize  AddressSanitizer + UndefinedBehaviorSanitizer build in build-sanitize/,
#                         its GUI tests each on a private X server (Xvfb)
#   ./test.sh --fuzz      builds the fuzz targets with clang in build-fuzz/ and runs each briefly
set -euo pipefail
ROOT=$(cd "$(dirname "$0")" && pwd)
source "$ROOT/tools/setup.sh"
install_packages
JOBS=$(nproc)

case "${1:-}" in
  --sanitize)
    # The GUI tests run here on real X servers, where focus, menus and modal loops behave
    # as on a desktop; the normal build runs them offscreen.
    configure_and_build build-sanitize -DZOD_SANITIZE=ON -DZOD_BENCH=OFF -DZOD_GUI_TESTS_ON_X=ON
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export LSAN_OPTIONS=suppressions=$ROOT/tools/lsan.supp:print_suppressions=0
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ctest --test-dir "$ROOT/build-sanitize" --output-on-failure -j "$JOBS"
    ;;
  --fuzz)
    CC=clang CXX=clang++ configure_and_build build-fuzz -DZOD_FUZZ=ON
    # Any sanitizer report fails the run: undefined behaviour ends the target (it is built not to
    # recover), and a report printed by anything that still went on is looked for in the log.
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    seconds=${FUZZ_SECONDS:-5}
    shopt -s nullglob
    for target in "$ROOT"/build-fuzz/fuzz/fuzz_*; do
      name=${target##*/fuzz_}
      work=$(mktemp -d)
      cp -r "$ROOT/fuzz/corpus/$name/." "$work/" 2>/dev/null || true
      # A temporary folder of the target's own, which it must leave as empty as it found it.
      scratch=$(mktemp -d)
      echo "fuzzing $name for ${seconds}s"
      TMPDIR=$scratch "$target" -max_total_time="$seconds" -print_final_stats=0 \
        -artifact_prefix="$work.log-" "$work" 2>"$work.log" \
        && ! grep -qE 'runtime error:|ERROR: [A-Za-z]+Sanitizer' "$work.log" \
        || { tail -50 "$work.log"; echo "fuzz_$name failed; its log: $work.log"; exit 1; }
      if [ -n "$(ls -A "$scratch")" ]; then
        echo "fuzz_$name left in its temporary folder:" "$(ls -A "$scratch")"
        exit 1
      fi
      rm -rf "$work" "$work.log"* "$scratch"
    done
    echo "fuzz targets ran clean"
    ;;
  "")
    configure_and_build build
    ctest --test-dir "$ROOT/build" --output-on-failure -j "$JOBS"
    ;;
  *) echo "usage: $0 [--sanitize|--fuzz]" >&2; exit 2 ;;
esac
