#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# How CTest runs a Windows program: under Wine, with its output through a
# file. The desktop process that Wine starts for a program's first window
# outlives it and would hold a pipe from CTest open for many seconds more.
out=$(mktemp)
run() {
    /usr/lib/wine/wine64 "$@" >"$out" 2>&1 </dev/null
}
run "$@"
status=$?
# Now and then Wine fails to start a program at all: it exits at once and
# nothing, not even the test framework's banner, is printed. Only that is
# tried again, once and said so; a program that ran and failed is not.
if [ $status -ne 0 ] && [ ! -s "$out" ]; then
    echo "wine-run: the program printed nothing and exited with $status; starting it again" >&2
    run "$@"
    status=$?
fi
# Wine's printf writes CRLF; CTest and GoogleTest read plain lines.
tr -d '\r' <"$out"
rm -f "$out"
exit $status
