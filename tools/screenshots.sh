#!/usr/bin/env bash
# Takes screenshots of every page, the report and the about window under a
# virtual X server, with a sample job, into build/screenshots/ (or $1).
#   bash tools/screenshots.sh [folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/screenshots}
cmake --build "$root/build" -j2 --target zavok32-screenshots
home=$(mktemp -d "${TMPDIR:-/tmp}/zavok32-shots.XXXXXX")
mkdir -p "$out"
ZAVOK32_HOME="$home" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x800x24" "$root/build/tools/zavok32-screenshots" "$out"
rm -rf "$home"
echo "Screenshots are in $out"
