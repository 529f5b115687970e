#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

talvo_install_missing
build="$TALVO_ROOT/build"
cmake -S "$TALVO_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALVO_BUILD_TESTS=OFF
cmake --build "$build" -j "$TALVO_JOBS"
exec "$build/bin/NewTalvo" "$@"
