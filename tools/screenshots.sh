#!/usr/bin/env bash
# Takes screenshots of every page, the report, the about window and what the
# user is told (refusals, a failed archiver) under a virtual X server, with a
# sample job, in a light and a dark theme and in German, into build/screenshots/
# (or $1).
#   bash tools/screenshots.sh [folder]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=${1:-$root/build/screenshots}
cmake --build "$root/build" -j2 --target zavok32-screenshots
home=$(mktemp -d "${TMPDIR:-/tmp}/zavok32-shots.XXXXXX")
mkdir -p "$out"
# A light and a dark theme, each from a fresh application directory.
for theme in light dark; do
  dir=$out; [ "$theme" = dark ] && dir=$out/dark
  mkdir -p "$dir"
  rm -rf "$home"; mkdir -p "$home"
  ZAVOK32_HOME="$home" QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x800x24" "$root/build/tools/zavok32-screenshots" "$dir" "$theme"
done
# And the window in German, as a German locale shows it.
rm -rf "$home"; mkdir -p "$home" "$out/de"
LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 LANGUAGE=de ZAVOK32_HOME="$home" QT_QPA_PLATFORM=xcb \
  xvfb-run -a -s "-screen 0 1280x800x24" "$root/build/tools/zavok32-screenshots" "$out/de" light
rm -rf "$home"
echo "Screenshots are in $out (the dark theme's in $out/dark, the German ones in $out/de)"
