#!/usr/bin/env bash
# How fast wrar t and wace t test a set, beside the independent readers'
# tests of the same set and cat of its volumes (the reading floor). The set
# is the benchmark image (a third each text-like, random and zeros) in
# 1.44 MB volumes: RAR stored, ACE at -m3. Best of two runs each, with the
# load printed beside the figures.
# Not a test: run it by hand, best on an otherwise idle machine.
#
#   bash bench/settest.sh [build-dir] [work-dir]
#
# SETTEST_IMAGE_BYTES (200,000,000 unless given) makes a smaller trial.
# Needs: 7z (p7zip-full), unace, python3, /usr/bin/time (package time).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
work="${2:-$(mktemp -d /tmp/zavok32-settest.XXXXXX)}"
mkdir -p "$work"
work="$(cd "$work" && pwd)"
size="${SETTEST_IMAGE_BYTES:-200000000}"
export ZAVOK32_HOME="$work/home"
mkdir -p "$ZAVOK32_HOME"

echo "work folder: $work"
echo "machine: $(nproc) cores; load at the start: $(uptime)"
img="$work/src/game.iso"
if [ ! -f "$img" ] || [ "$(stat -c %s "$img")" != "$size" ]; then
  echo "building a $size-byte image ..."
  bash "$here/bench/benchimage.sh" "$img" "$size" > /dev/null
fi
rm -rf "$work/rar" "$work/ace"
mkdir -p "$work/rar" "$work/ace"
(cd "$work/src" && "$build/bin/wrar" a -y -v1440000b "$work/rar/game.rar" > /dev/null)
(cd "$work/src" && "$build/bin/wace" a -y -v1440 -m3 "$work/ace/game.ace" > /dev/null)

# best LABEL DIR COMMAND...: the faster of two runs, in seconds, to $work/LABEL.
best() {
  local label="$1" dir="$2"; shift 2
  local fastest=""
  for _ in 1 2; do
    (cd "$dir" && /usr/bin/time -f "%e" -o "$work/$label.t" "$@" > /dev/null 2>&1) || echo "$label failed"
    t=$(cat "$work/$label.t")
    if [ -z "$fastest" ] || awk -v a="$t" -v b="$fastest" 'BEGIN { exit !(a < b) }'; then fastest=$t; fi
  done
  echo "$fastest" > "$work/$label"
}
ratio() { awk -v a="$(cat "$work/$1")" -v b="$(cat "$work/$2")" 'BEGIN { printf "%.2f", a / b }'; }
mbps() { awk -v s="$size" -v t="$(cat "$work/$1")" 'BEGIN { printf "%.0f", s / 1e6 / t }'; }

best wrar "$work/rar" "$build/bin/wrar" t game.rar
best sevenzip "$work/rar" 7z t game.rar
best catrar "$work/rar" sh -c 'cat game.* > /dev/null'
best wace "$work/ace" "$build/bin/wace" t game.ace
best unace "$work/ace" unace t -y game.ace
best catace "$work/ace" sh -c 'cat game.* > /dev/null'

echo "source: $size bytes; RAR set $(du -sb "$work/rar" | cut -f1) bytes, ACE set $(du -sb "$work/ace" | cut -f1) bytes"
printf '  %-12s %6s s  %5s MB/s of source  %s\n' \
  "wrar t" "$(cat "$work/wrar")" "$(mbps wrar)" "7z t: $(cat "$work/sevenzip") s (x$(ratio wrar sevenzip)), cat: $(cat "$work/catrar") s (x$(ratio wrar catrar))" \
  "wace t" "$(cat "$work/wace")" "$(mbps wace)" "unace t: $(cat "$work/unace") s (x$(ratio wace unace)), cat: $(cat "$work/catace") s (x$(ratio wace catace))"
echo "load at the end: $(uptime)"
