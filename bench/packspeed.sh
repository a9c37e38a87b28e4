#!/usr/bin/env bash
# Where the time of an unattended pack goes, against the floors it cannot
# beat. Prints, best of two runs each:
#   - the unattended pack of a mixed image (a third each text-like, random
#     and zeros; size step 3, ZIP "Normal"), its ZIP count and peak memory;
#   - the same pack with "Verify after packing" and "Checksum files" off,
#     and with verify alone: what the proof of the set and its checksum
#     files cost, as shares of the run's time;
#   - one-core gzip -6 of the same bytes (the deflate floor), pigz -6 on two
#     cores, and one-core libdeflate at the level the ZIPs use for "Normal";
#   - the same work by hand: 7z volumes of 1,440,000 bytes, then zip -6 of
#     every volume with the description;
#   - the ratios of the pack to all of them, and of the ZIP bytes to gzip's;
#   - with PACKSPEED_BEFORE=<another build dir>, the same pack by that build
#     (an older commit) in the same run, and the ratios of time and bytes;
#   - the pack at size step 199 (volumes of 99.5 MB), for its peak memory;
#   - the archiver step alone (wrar -m0 into 1.44 MB volumes) against cat
#     of the source into a copy (the copy floor);
#   - the measurement of a folder source of 100,000 files against du -sb.
# Not a test: run it by hand, and read the load it prints beside the figures.
#
#   bash bench/packspeed.sh [build-dir] [work-dir]
#
# PACKSPEED_IMAGE_BYTES (200,000,000 unless given) and PACKSPEED_TREE_FILES
# (100,000) make a smaller trial.
# Needs: 7z (p7zip-full), zip, gzip, pigz, libdeflate-gzip (libdeflate-tools),
# python3, /usr/bin/time (package time), about 1.5 GB free.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
work="${2:-$(mktemp -d /tmp/zavok32-packspeed.XXXXXX)}"
mkdir -p "$work"
work="$(cd "$work" && pwd)"
size="${PACKSPEED_IMAGE_BYTES:-200000000}"
files="${PACKSPEED_TREE_FILES:-100000}"

echo "work folder: $work"
echo "machine: $(nproc) cores, $(awk '/MemTotal/ { printf "%.0f MB", $2 / 1024 }' /proc/meminfo)," \
     "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')"
echo "load at the start: $(uptime)"

rm -rf "$work/home" "$work/zips" "$work/hand" "$work/arch"
mkdir -p "$work/home/dosdevices" "$work/zips" "$work/hand/vols" "$work/hand/zips" "$work/arch"
img="$work/src/cd/game.iso"
if [ ! -f "$img" ] || [ "$(stat -c %s "$img")" != "$size" ]; then
  echo "building a $size-byte image of mixed data ..."
  rm -rf "$work/src"
  mkdir -p "$work/src/cd"
  bash "$here/bench/benchimage.sh" "$img" "$size"
fi
printf 'Volume 01/01\r\nA benchmark set\r\n' > "$work/src/file_id.diz"
printf 'About the benchmark\r\n' > "$work/src/bench.nfo"
ln -s "$work/src" "$work/home/dosdevices/d:"
ln -s "$work/zips" "$work/home/dosdevices/e:"
ln -s "$work/arch" "$work/home/dosdevices/f:"
ln -s / "$work/home/dosdevices/z:"
export ZAVOK32_HOME="$work/home"

# best LABEL COMMAND...: runs the command twice (after CLEAN, when set),
# keeps the faster run's /usr/bin/time -v report in $work/LABEL.time.
best() {
  local label="$1"; shift
  local t1 t2
  for i in 1 2; do
    [ -n "${CLEAN:-}" ] && eval "$CLEAN"
    sync
    /usr/bin/time -v -o "$work/$label.$i.time" "$@" > "$work/$label.$i.out"
  done
  t1=$(elapsed "$work/$label.1.time"); t2=$(elapsed "$work/$label.2.time")
  if awk -v a="$t1" -v b="$t2" 'BEGIN { exit !(a <= b) }'; then
    cp "$work/$label.1.time" "$work/$label.time"; cp "$work/$label.1.out" "$work/$label.out"
  else
    cp "$work/$label.2.time" "$work/$label.time"; cp "$work/$label.2.out" "$work/$label.out"
  fi
}
peak() { awk -F': ' '/Maximum resident set size/ {print $2}' "$1"; }
elapsed() { awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$1" |
            awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }'; }
cpu() { awk -F': ' '/User time/ { u = $2 } /System time/ { s = $2 } END { printf "%.2f", u + s }' "$1"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
line() { printf '  %-34s %7s s wall %7s s cpu  %8s kB peak  %s\n' "$1" "$(elapsed "$work/$2.time")" \
         "$(cpu "$work/$2.time")" "$(peak "$work/$2.time")" "${3:-}"; }

# pack LABEL BUILD STEP: the unattended pack by that build; sets zips,
# check and zipbytes.
pack() {
  local label="$1" with="$2" step="$3"
  "$with/bin/zavok32_runbench" 'd:\cd' 'e:\' 'game' 'd:\file_id.diz' 'd:\bench.nfo' --step "$step" \
    --save-script "$work/bench$step.zvk"
  CLEAN='rm -rf "$work/zips"/*' best "$label" env QT_QPA_PLATFORM=offscreen timeout 1800 "$with/bin/zavok32" \
    "!$work/bench$step.zvk"
  zips=$(find "$work/zips" -name '*.zip' | wc -l)
  check=ok
  for z in "$work/zips"/*.zip; do unzip -tqq "$z" > /dev/null || { check="FAILED: $z"; break; }; done
  zipbytes=$(find "$work/zips" -name '*.zip' -printf '%s\n' | awk '{ s += $1 } END { print s }')
}
# The switches are remembered as marker files in the application
# directory: present, the switch is off.
switches() { rm -f "$work/home/verify.ini" "$work/home/checksum.ini"; for m in "$@"; do printf '\r\n' > "$work/home/$m"; done; }

if [ -n "${PACKSPEED_BEFORE:-}" ]; then
  echo "unattended pack by $PACKSPEED_BEFORE (step 3, ZIP Normal) ..."
  pack before "$(cd "$PACKSPEED_BEFORE" && pwd)" 3
  beforezips=$zips beforecheck=$check beforebytes=$zipbytes
fi
echo "unattended pack at step 199 ..."
pack pack199 "$build" 199
zips199=$zips check199=$check
echo "unattended pack (step 3) with verify and checksum files off, then with verify alone ..."
switches verify.ini checksum.ini
pack bare "$build" 3
switches checksum.ini
pack verify "$build" 3
switches
echo "unattended pack (step 3, ZIP Normal) ..."
pack pack "$build" 3
sums=ok
(cd "$work/zips" && cksfv -q -f game.sfv > /dev/null && sha256sum -c --quiet game.sha256) || sums=FAILED

echo "gzip -6, pigz -6 -p2 and libdeflate -7 of the image ..."
CLEAN= best gzip sh -c 'gzip -6 -c "$1" | wc -c' _ "$img"
CLEAN= best pigz sh -c 'pigz -6 -p2 -c "$1" | wc -c' _ "$img"
CLEAN= best libdeflate sh -c 'libdeflate-gzip -7 -c "$1" | wc -c' _ "$img"

echo "the same by hand: 7z volumes, then zip -6 of each ..."
cp "$work/src/file_id.diz" "$work/hand/file_id.diz"
CLEAN='rm -rf "$work/hand/vols"/* "$work/hand/zips"/*' best hand bash -c '
  set -e
  cd "$1"
  7z a -bd -v1440000b -mx0 vols/game.7z "$2" > /dev/null
  for v in vols/game.7z.*; do
    zip -6 -j -q "zips/$(basename "$v").zip" "$v" file_id.diz
  done' _ "$work/hand" "$img"

echo "the archiver step alone, and cat of the source ..."
CLEAN='rm -rf "$work/arch"/*' best wrar sh -c 'cd "$1" && "$2" a -r -y -v1440000b -m0 "f:\\game.rar"' _ \
  "$work/src/cd" "$build/bin/wrar"
vols=$(find "$work/arch" -type f | wc -l)
CLEAN='rm -f "$work/copy.iso"' best cat sh -c 'cat "$1" > "$2"' _ "$img" "$work/copy.iso"
rm -f "$work/copy.iso"

if [ ! -d "$work/tree" ] || [ "$(find "$work/tree" -type f | wc -l)" != "$files" ]; then
  echo "making a tree of $files files ..."
  rm -rf "$work/tree"
  python3 - "$work/tree" "$files" <<'PY'
import os, random, sys
root, count = sys.argv[1], int(sys.argv[2])
random.seed(100000)
for i in range(count):
    folder = os.path.join(root, "d%03d" % (i % 250), "e%02d" % (i // 250 % 40))
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "f%06d.txt" % i), "wb") as f:
        f.write(b"x" * random.randint(0, 9000))
PY
fi
ln -sfn "$work/tree" "$work/home/dosdevices/t:"
echo "measuring the tree ..."
CLEAN= best measure "$build/bin/zavok32_runbench" --measure 't:\'
CLEAN= best du du -sb "$work/tree"
measured=$(cat "$work/measure.out"); du=$(awk '{ print $1 }' "$work/du.out")

echo
echo "source image: $size bytes (text-like, random and zero thirds); best of two each"
gzbytes=$(tr -d ' ' < "$work/gzip.out")
line "zavok32 unattended pack" pack "$zips ZIPs, $zipbytes bytes, unzip -t: $check, cksfv/sha256sum: $sums"
line "  ... with verify alone" verify "$(tail -1 "$work/verify.out")"
line "  ... with verify and checksums off" bare
bt=$(elapsed "$work/bare.time"); vt=$(elapsed "$work/verify.time"); pt0=$(elapsed "$work/pack.time")
# Wall time is what the user waits; on a loaded machine the CPU time shows
# the work itself.
share() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%5.1f%% (%+.2f s)", (a - b) * 100 / a, a - b }'; }
echo "  verify cost:      $(share "$vt" "$bt") of the run's wall time, $(share "$(cpu "$work/verify.time")" "$(cpu "$work/bare.time")") of its CPU time"
echo "  checksum files:   $(share "$pt0" "$vt") of the run's wall time, $(share "$(cpu "$work/pack.time")" "$(cpu "$work/verify.time")") of its CPU time"
[ -n "${PACKSPEED_BEFORE:-}" ] && line "the same by the build before" before "$beforezips ZIPs, $beforebytes bytes, unzip -t: $beforecheck"
line "gzip -6, one core" gzip "$gzbytes bytes"
line "pigz -6 -p2, two cores" pigz "$(tr -d ' ' < "$work/pigz.out") bytes"
line "libdeflate -7, one core" libdeflate "$(tr -d ' ' < "$work/libdeflate.out") bytes"
line "by hand (7z -mx0 + zip -6)" hand "$(find "$work/hand/zips" -name '*.zip' | wc -l) ZIPs"
pt=$(elapsed "$work/pack.time")
echo "  pack / gzip -6:     $(ratio "$pt" "$(elapsed "$work/gzip.time")")"
echo "  pack / pigz -p2:    $(ratio "$pt" "$(elapsed "$work/pigz.time")")"
echo "  pack / libdeflate:  $(ratio "$pt" "$(elapsed "$work/libdeflate.time")")"
echo "  pack / by hand:     $(ratio "$pt" "$(elapsed "$work/hand.time")")"
echo "  ZIP bytes / gzip:   $(awk -v a="$zipbytes" -v b="$gzbytes" 'BEGIN { printf "%.4f", a / b }')"
if [ -n "${PACKSPEED_BEFORE:-}" ]; then
  echo "  pack / before:      $(ratio "$pt" "$(elapsed "$work/before.time")")"
  echo "  ZIP bytes / before: $(awk -v a="$zipbytes" -v b="$beforebytes" 'BEGIN { printf "%.4f", a / b }')"
fi
line "pack at step 199" pack199 "$zips199 ZIPs, unzip -t: $check199"
line "wrar -m0, 1.44 MB volumes" wrar "$vols volumes"
line "cat of the source" cat
echo "  wrar / cat:       $(ratio "$(elapsed "$work/wrar.time")" "$(elapsed "$work/cat.time")")"
line "measure $files files" measure "$measured bytes"
line "du -sb" du "$du bytes"
echo "  measure / du:     $(ratio "$(elapsed "$work/measure.time")" "$(elapsed "$work/du.time")")"
echo "load at the end: $(uptime)"
echo "(remove $work when done)"
