#!/usr/bin/env bash
# Runs the evaluation file reader under libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer for a given
# time, from the golden files. Every input the reader accepts must survive the round trip (parse, open into an
# assessment, save, parse again: same bytes and texts); a failure or a crash stops the run and its input is
# kept in build-fuzz/crashes/. Needs clang, which the normal build does not.
#   scripts/fuzz.sh [seconds, default 600] [further libFuzzer options, e.g. -jobs=4 -workers=4]
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

if ! command -v clang++ > /dev/null; then
    echo "clang++ is not installed; install it with: sudo apt-get install clang" >&2
    exit 1
fi
seconds="${1:-600}"
shift $(($# > 0 ? 1 : 0))

talvo_install_missing
build="$TALVO_ROOT/build-fuzz"
cmake -S "$TALVO_ROOT" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTALVO_BUILD_TESTS=OFF -DTALVO_SANITIZE=ON -DTALVO_LIBFUZZER=ON
cmake --build "$build" -j "$TALVO_JOBS" --target EvaluationFileFuzzer

fuzz="$TALVO_ROOT/tests/casefile/fuzz"
mkdir -p "$build/corpus" "$build/crashes"
cd "$build" # with -jobs, each job's log (fuzz-<n>.log) goes here
export ASAN_OPTIONS="abort_on_error=1" UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Under AddressSanitizer the resident size passes 1 GB (half the limit of 2 GB) after some minutes, and from then
# on libFuzzer would purge the allocator every second and run twenty times slower: no purging.
"$build/bin/EvaluationFileFuzzer" -max_total_time="$seconds" -print_final_stats=1 -purge_allocator_interval=-1 \
    -dict="$fuzz/EvaluationFile.dict" -artifact_prefix="$build/crashes/" "$@" "$build/corpus" \
    "$TALVO_ROOT/tests/casefile/data"
