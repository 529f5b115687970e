#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

# Without a display Qt aborts with a misleading advice to reinstall; say what is wrong instead.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "NewTalvo needs a display, and neither DISPLAY nor WAYLAND_DISPLAY is set: start it from a desktop session." >&2
    exit 1
fi

talvo_install_missing
build="$TALVO_ROOT/build"
cmake -S "$TALVO_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALVO_BUILD_TESTS=OFF
cmake --build "$build" -j "$TALVO_JOBS"
exec "$build/bin/NewTalvo" "$@"
