#!/bin/sh
# Runs a program that leaks a QObject on purpose, with the sanitizer options and suppressions of the environment
# (those of every other test), and passes only when LeakSanitizer's report of that leak is what makes it fail.
#   expect-leak.sh PROGRAM
set -u
output=$("$1" 2>&1)
status=$?
printf '%s\n' "$output"
[ $status -ne 0 ] || { echo "expect-leak: the leaking program succeeded" >&2; exit 1; }
printf '%s\n' "$output" | grep -q 'ERROR: LeakSanitizer: detected memory leaks' ||
    { echo "expect-leak: it failed ($status) without a leak report" >&2; exit 1; }
# Both blocks: the object, whose stack runs through libstdc++'s thread start, and its private part, allocated inside
# Qt. A suppression naming either library would hide one.
for frame in DeliberateLeak.cpp libQt6Core; do
    printf '%s\n' "$output" | grep -q "^ *#[0-9]* 0x[0-9a-f]* .*$frame" ||
        { echo "expect-leak: no leaked block allocated through $frame" >&2; exit 1; }
done
