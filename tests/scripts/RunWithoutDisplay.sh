#!/usr/bin/env bash
# scripts/run without a display says what is needed and how to start under xvfb-run, and
# stops before it installs or builds anything: cmake, apt-get and dpkg-query are stand-ins
# here that only note that they were called.
#   tests/scripts/RunWithoutDisplay.sh SOURCE_DIR
set -euo pipefail
root=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
for tool in cmake apt-get dpkg-query sudo; do
  printf '#!/bin/sh\necho %s >>"%s/called"\n' "$tool" "$work" >"$work/bin/$tool"
  chmod +x "$work/bin/$tool"
done

status=0
env -i PATH="$work/bin:/usr/bin:/bin" HOME="$work" "$root/scripts/run" >"$work/out" 2>&1 || status=$?
fail() { echo "RunWithoutDisplay: $*" >&2; cat "$work/out" >&2; exit 1; }
[ "$status" -ne 0 ] || fail "scripts/run ended with 0"
grep -q 'needs a graphical session' "$work/out" || fail "no word of the graphical session"
grep -q 'neither DISPLAY nor WAYLAND_DISPLAY' "$work/out" || fail "the variables are not named"
grep -q 'xvfb-run -a ./scripts/run' "$work/out" || fail "no xvfb-run command"
[ ! -e "$work/called" ] || fail "it went on to: $(tr '\n' ' ' <"$work/called")"
echo "RunWithoutDisplay: passed"
