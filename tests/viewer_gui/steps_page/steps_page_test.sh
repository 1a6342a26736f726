#!/bin/sh
# Records the demo session, writes its steps report as HTML with `oxlane --steps`, renders the page
# in headless Chromium and checks the screenshot: a page of the expected size with text and the
# report's colours on it. The page and the screenshot stay in WORK for a person to look at.
#
# Usage: steps_page_test.sh QVHOST OXLANE PNG_INK SOURCE_DIR WORK
set -eu
qvhost=$1 oxlane=$2 png_ink=$3 source=$4 work=$5

browser=$(command -v chromium || true)
if [ -z "$browser" ]; then
  echo "chromium is not installed (make test installs it); skipped"
  exit 77
fi

rm -rf "$work"
mkdir -p "$work"
"$qvhost" --log "$work/demo.evt" "$source/examples/orders.dfm" "$source/examples/orders.script" \
  >"$work/qvhost.out" 2>&1 || { cat "$work/qvhost.out"; exit 1; }
HOME="$work" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
  "$oxlane" --steps "$work/demo.evt" "$work/steps.html"
grep -q "Session 1: " "$work/steps.html"

# A throwaway profile; no sandbox, since the tests may run as root, and no shared memory folder,
# which containers keep small.
timeout 120 "$browser" --headless --no-sandbox --disable-gpu --disable-dev-shm-usage --hide-scrollbars \
  --user-data-dir="$work/profile" --window-size=1100,1400 \
  --screenshot="$work/steps.png" "file://$work/steps.html" >"$work/chromium.out" 2>&1 ||
  { cat "$work/chromium.out"; exit 1; }

set -- $("$png_ink" "$work/steps.png")
echo "screenshot $work/steps.png: $1 x $2, $3 pixels inked, $4 coloured"
[ "$1" -eq 1100 ] && [ "$2" -eq 1400 ] || { echo "unexpected size"; exit 1; }
# Text covers a good part of a page full of steps, and the headings and markers show colour.
[ "$3" -gt 20000 ] || { echo "the page looks blank"; exit 1; }
[ "$4" -gt 500 ] || { echo "the page shows none of the report's colours"; exit 1; }
