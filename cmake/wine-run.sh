#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# How CTest runs a Windows program: under Wine, with its output through a
# file. The desktop process that Wine starts for a program's first window
# outlives it and would hold a pipe from CTest open for many seconds more.
out=$(mktemp)
/usr/lib/wine/wine64 "$@" >"$out" 2>&1 </dev/null
status=$?
# Wine's printf writes CRLF; CTest and GoogleTest read plain lines.
tr -d '\r' <"$out"
rm -f "$out"
exit $status
