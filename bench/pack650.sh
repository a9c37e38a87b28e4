#!/usr/bin/env bash
# Packs a 650 MB CD image of mixed data (text-like, already-compressed,
# zeros) unattended at size step 3 into ZIPs, and does the same work by hand
# with standard tools (7z volumes of 1,440,000 bytes, then zip -6 of every
# volume with the description). Prints both times, their ratio and the peak
# memory of each. Not a test: run it by hand on an otherwise idle machine.
#
#   bash bench/pack650.sh [build-dir] [work-dir]
#
# The unattended pack is build/bin/zavok32 '!script' when it is built, else
# (or with ZAVOK32_BENCH_DRIVER=runbench) zavok32_runbench, which drives the
# same run without a window.
#
# Needs: 7z (p7zip-full), zip, /usr/bin/time (package time), ~3 GB free.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
work="${2:-$(mktemp -d /tmp/zavok32-bench.XXXXXX)}"
mkdir -p "$work"
work="$(cd "$work" && pwd)"
size=650000000

echo "work folder: $work"
rm -rf "$work/src" "$work/zips" "$work/hand" "$work/home"
mkdir -p "$work/src" "$work/zips" "$work/hand/vols" "$work/hand/zips" "$work/home/dosdevices"

echo "building a $size-byte image of mixed data ..."
mkdir -p "$work/src/cd"
img="$work/src/cd/game.iso"
bash "$here/bench/benchimage.sh" "$img" $size

printf 'Volume 01/01\r\nA benchmark set\r\n' > "$work/src/file_id.diz"
printf 'About the benchmark\r\n' > "$work/src/bench.nfo"
ln -s "$work/src" "$work/home/dosdevices/d:"
ln -s "$work/zips" "$work/home/dosdevices/e:"
ln -s / "$work/home/dosdevices/z:"
export ZAVOK32_HOME="$work/home"

peak() { awk -F': ' '/Maximum resident set size/ {print $2}' "$1"; }
elapsed() { awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$1" |
            awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }'; }

sync
echo "unattended pack with Zavok32 ..."
# The image is packed as the one file of its folder: a script does not carry
# the image switch, and the archiver's work is the same.
args=('d:\cd' 'e:\' 'game' 'd:\file_id.diz' 'd:\bench.nfo' --step 3)
if [ -x "$build/bin/zavok32" ] && [ "${ZAVOK32_BENCH_DRIVER:-}" != runbench ]; then
  "$build/bin/zavok32_runbench" "${args[@]}" --save-script "$work/bench.zvk"
  QT_QPA_PLATFORM=offscreen /usr/bin/time -v -o "$work/zavok.time" timeout 1800 "$build/bin/zavok32" "!$work/bench.zvk" > "$work/zavok.out"
  how="zavok32 !script"
else
  /usr/bin/time -v -o "$work/zavok.time" "$build/bin/zavok32_runbench" "${args[@]}" > "$work/zavok.out"
  how="zavok32_runbench (runJob, unattended)"
fi
zips=$(find "$work/zips" -name '*.zip' | wc -l)

sync
echo "the same by hand: 7z volumes, then zip -6 of each ..."
cp "$work/src/file_id.diz" "$work/hand/file_id.diz"
/usr/bin/time -v -o "$work/hand.time" bash -c '
  set -e
  cd "$1"
  7z a -bd -v1440000b -mx0 vols/game.7z "$2" > /dev/null
  for v in vols/game.7z.*; do
    zip -6 -j -q "zips/$(basename "$v").zip" "$v" file_id.diz
  done' _ "$work/hand" "$img"
handzips=$(find "$work/hand/zips" -name '*.zip' | wc -l)

zt=$(elapsed "$work/zavok.time"); ht=$(elapsed "$work/hand.time")
echo
echo "source image:      $size bytes (text-like, random and zero thirds)"
echo "zavok32:           $zt s, $zips ZIPs, peak memory $(peak "$work/zavok.time") kB  [$how]"
echo "by hand (7z + zip): $ht s, $handzips ZIPs, peak memory $(peak "$work/hand.time") kB"
awk -v a="$zt" -v b="$ht" 'BEGIN { printf "ratio zavok32 / by hand: %.2f\n", a / b }'
echo "(remove $work when done)"
