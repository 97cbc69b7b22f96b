#!/usr/bin/env bash
# Builds the Debian package from a built tree, unpacks it into a scratch root as dpkg would
# install it, and runs the installed program headless on a copy of the installed sample station:
# AO-7's pass of 21 January 2018 on the simulated card must be tracked and end parked.
# Usage: tools/check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:?usage: check-package.sh BUILD_DIR}" && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "check-package: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$scratch/out" >"$scratch/cpack.log" 2>&1) ||
    { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$scratch"/out/orvant_*.deb)
dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 || fail "the package does not depend on Qt's widgets"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
for f in usr/bin/orvant usr/bin/orvant-tracker usr/share/man/man1/orvant.1 usr/share/man/man1/orvant-tracker.1 \
         usr/share/applications/orvant.desktop usr/share/icons/hicolor/scalable/apps/orvant.svg \
         usr/share/orvant/examples/station/ORV.CFG usr/share/orvant/examples/receiver/SO-50.SAT; do
    [ -e "$root/$f" ] || fail "the package lacks /$f"
done
if readelf -d "$root/usr/bin/orvant" | grep -q "$build"; then fail "the program looks into the build tree"; fi
"$root/usr/bin/orvant" --version | grep -q '^orvant ' || fail "--version says nothing"

cp -r "$root/usr/share/orvant/examples/station" "$scratch/station"
cd "$scratch/station"
status=0
QT_QPA_PLATFORM= DISPLAY= WAYLAND_DISPLAY= "$root/usr/bin/orvant" --headless --sim \
    --clock=2018-01-21T04:20:00 --until=2100 --settings="$scratch/settings" AO-7 \
    >"$scratch/run.log" 2>&1 || status=$?
[ "$status" -eq 0 ] || { tail -5 "$scratch/run.log" >&2; fail "the installed program ended with status $status"; }
grep -q ' tracking' "$scratch/run.log" || fail "the installed program never tracked AO-7"
tail -1 "$scratch/run.log" | grep -q 'parked' || fail "the installed program did not end parked"
echo "check-package: $(basename "$deb") installs and runs the sample station"
