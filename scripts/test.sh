#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test headless.
#   --werror    treat warnings as errors
#   --sanitize  build and run under AddressSanitizer (with LeakSanitizer) and UndefinedBehaviorSanitizer
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

werror=OFF
sanitize=OFF
for arg in "$@"; do
    case "$arg" in
    --werror) werror=ON ;;
    --sanitize) sanitize=ON ;;
    *) echo "unknown option: $arg" >&2; exit 2 ;;
    esac
done

talvo_install_missing
build="$TALVO_ROOT/build-test"
[ "$sanitize" = ON ] && build="$TALVO_ROOT/build-sanitize"
cmake -S "$TALVO_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTALVO_WERROR=$werror -DTALVO_SANITIZE=$sanitize
cmake --build "$build" -j "$TALVO_JOBS"

# Headless, with a settings and component registry of their own, never the user's.
export QT_QPA_PLATFORM=offscreen
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME="$scratch/config" HOME="$scratch/home" TEMP="$scratch/temp"
mkdir -p "$XDG_CONFIG_HOME" "$HOME" "$TEMP"
# Leaks fail the sanitized run, but for the system libraries' own that the suppressions name.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1" LSAN_OPTIONS="suppressions='$TALVO_ROOT/scripts/lsan.supp'"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir "$build" --output-on-failure -j "$TALVO_JOBS"
