#!/bin/sh
# Installs the build into a temporary prefix and checks what lands there, the desktop entry, that the installed
# program starts offscreen from a folder of its own and stays up, and (run beside it) the program's look-up.
#   install-test.sh BUILD-DIR LOOKUP-TEST BINDIR LIBRARYDIR DATADIR SHAREDIR MANDIR
set -eu
build=$1 lookup=$2 bin=$3 lib=$4 data=$5 share=$6 man=$7
scratch=$(mktemp -d)
pid=
trap '[ -z "$pid" ] || kill $pid 2>/dev/null; rm -rf "$scratch"' EXIT
prefix=$scratch/prefix
cmake --install "$build" --prefix "$prefix" > /dev/null

cd "$prefix"
find . -type f | sed 's|^\./||' | sort > "$scratch/files"
grep -q "^$share/icons/hicolor/48x48/apps/newtalvo.png\$" "$scratch/files"
printf '%s\n' "$bin/NewTalvo" "$lib/libPromptEdit.so" "$lib/libPromptList.so" "$lib/libPromptToggle.so" \
    "$data/Talvo.hlp" "$share/applications/newtalvo.desktop" "$man/man1/NewTalvo.1.gz" | sort > "$scratch/expected"
grep -v "^$share/icons/hicolor/[0-9]*x[0-9]*/apps/newtalvo.png\$" "$scratch/files" | diff "$scratch/expected" -
desktop-file-validate "$share/applications/newtalvo.desktop"

mkdir -p "$scratch/work" "$scratch/home" "$scratch/config" "$scratch/temp" "$scratch/runtime"
chmod 700 "$scratch/runtime"
export HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" TEMP="$scratch/temp" QT_QPA_PLATFORM=offscreen
cd "$scratch/work"
XDG_CONFIG_HOME="$scratch/config" "$prefix/$bin/NewTalvo" 2> "$scratch/stderr" &
pid=$!
# Past the splash screen, with the main window shown.
sleep 5
kill -0 $pid || { echo "the installed program ended at start-up" >&2; cat "$scratch/stderr" >&2; exit 1; }
kill $pid
pid=
# The offscreen platform's notes on what it cannot do are no warnings of the program's.
if grep -v '^This plugin does not support' "$scratch/stderr"; then echo "^ the installed program's stderr" >&2; exit 1; fi

cp "$lookup" "$prefix/$bin/"
XDG_CONFIG_HOME="$scratch/lookup" "$prefix/$bin/$(basename "$lookup")"
