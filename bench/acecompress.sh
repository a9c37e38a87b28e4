#!/usr/bin/env bash
# What wace -m3 (ACE 1.0's LZ77 method, "Normal") and -m5 ("Best") make of
# three sources, next to gzip -6, gzip -9 and xz -6 on the same bytes: the
# pack benchmark's 650 MB image (text-like, random and zero stretches), a
# real tree of documentation (a copy of /usr/share/doc unless a folder is
# given) and a file of 400,000 lines of words from a small vocabulary. For
# each it prints the packed sizes, the CPU and wall times, wace's peak
# memory, and the number of 1.44 MB volumes at -m3 against -m0; the -m3 set
# is checked with unace t and with wace t.
# Not a test: run it by hand, best on an otherwise idle machine.
#
#   bash bench/acecompress.sh [build-dir] [work-dir] [tree]
#
# ACE packs file by file, as zip does: for the tree, gzip -6 is given both for
# the files one by one and for one tar stream of all of them.
# ACEBENCH_IMAGE_BYTES makes a smaller image for a trial run.
# Needs: gzip, xz-utils, tar, unace, /usr/bin/time (package time), ~3 GB free.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
work="${2:-$(mktemp -d /tmp/zavok32-acebench.XXXXXX)}"
tree="${3:-/usr/share/doc}"
mkdir -p "$work"
work="$(cd "$work" && pwd)"
wace="$build/bin/wace"
export ZAVOK32_HOME="$work/home"
mkdir -p "$ZAVOK32_HOME"

echo "work folder: $work"
if [ ! -f "$work/image/game.iso" ]; then
  echo "building the image ..."
  bash "$here/bench/benchimage.sh" "$work/image/game.iso" "${ACEBENCH_IMAGE_BYTES:-650000000}"
fi
if [ ! -d "$work/tree" ]; then
  echo "copying $tree ..."
  cp -rL "$tree" "$work/tree" 2> /dev/null || true
fi
tar -C "$work" -cf "$work/tree.tar" tree
if [ ! -f "$work/words/words.txt" ]; then
  mkdir -p "$work/words"
  python3 - "$work/words/words.txt" <<'PY'
import random, sys
random.seed(400)
words = ("the data volume archive file disk level error track sector game install setup run read write "
         "copy folder drive image table index value header record system user option program version").split()
with open(sys.argv[1], "w", newline="") as f:
    f.write("".join(" ".join(random.choice(words) for _ in range(random.randint(4, 14))) + "\r\n"
                    for _ in range(400000)))
PY
fi

# cpu TIMEFILE: user + system seconds; wall TIMEFILE; peak TIMEFILE: kB
cpu() { awk '{ printf "%.2f", $1 + $2 }' "$1"; }
wall() { awk '{ print $3 }' "$1"; }
peak() { awk '{ print $4 }' "$1"; }
timed() { local out="$1"; shift; /usr/bin/time -f "%U %S %e %M" -o "$out" "$@"; }
bytes() { find "$@" -type f -printf '%s\n' | awk '{ s += $1 } END { print s }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

measure() {
  local name="$1" folder="$2" stream="$3"
  local out="$work/out/$name"
  rm -rf "$out"
  mkdir -p "$out/m3" "$out/m5" "$out/v3" "$out/v0"
  local source
  source=$(bytes "$folder")

  (cd "$folder" && timed "$out/wace.time" "$wace" a -r -y -m3 "$out/m3/set.ace" > /dev/null)
  (cd "$folder" && timed "$out/wace5.time" "$wace" a -r -y -m5 "$out/m5/set.ace" > /dev/null)
  timed "$out/gzip.time" sh -c 'gzip -6 -c "$1" | wc -c > "$2"' _ "$stream" "$out/gzip.size"
  timed "$out/gzip9.time" sh -c 'gzip -9 -c "$1" | wc -c > "$2"' _ "$stream" "$out/gzip9.size"
  timed "$out/xz.time" sh -c 'xz -6 -T1 -c "$1" | wc -c > "$2"' _ "$stream" "$out/xz.size"
  (cd "$folder" && "$wace" a -r -y -m3 -v1440 "$out/v3/set.ace" > /dev/null)
  (cd "$folder" && "$wace" a -r -y -m0 -v1440 "$out/v0/set.ace" > /dev/null)
  local check=ok
  (cd "$out/v3" && unace t -y set.ace > "$out/unace.log" 2>&1) || check="FAILED (see $out/unace.log)"
  local own=ok
  (cd "$out/v3" && "$wace" t set.ace > "$out/wacet.log" 2>&1) || own="FAILED (see $out/wacet.log)"

  local ace ace5 gz gz9 xz
  ace=$(bytes "$out/m3")
  ace5=$(bytes "$out/m5")
  gz=$(cat "$out/gzip.size")
  gz9=$(cat "$out/gzip9.size")
  xz=$(cat "$out/xz.size")
  echo
  echo "== $name: $source bytes"
  printf '  %-22s %12s bytes  %6s of the source  %7s s cpu  %7s s wall\n' \
    "wace -m3" "$ace" "$(ratio "$ace" "$source")" "$(cpu "$out/wace.time")" "$(wall "$out/wace.time")" \
    "wace -m5" "$ace5" "$(ratio "$ace5" "$source")" "$(cpu "$out/wace5.time")" "$(wall "$out/wace5.time")" \
    "gzip -6" "$gz" "$(ratio "$gz" "$source")" "$(cpu "$out/gzip.time")" "$(wall "$out/gzip.time")" \
    "gzip -9" "$gz9" "$(ratio "$gz9" "$source")" "$(cpu "$out/gzip9.time")" "$(wall "$out/gzip9.time")" \
    "xz -6" "$xz" "$(ratio "$xz" "$source")" "$(cpu "$out/xz.time")" "$(wall "$out/xz.time")"
  if [ "$name" = tree ]; then
    local each
    each=$(find "$folder" -type f -exec sh -c 'for f; do gzip -6 -c "$f" | wc -c; done' _ {} + |
           awk '{ s += $1 } END { print s }')
    printf '  %-22s %12s bytes  %6s of the source\n' "gzip -6, file by file" "$each" "$(ratio "$each" "$source")"
  fi
  echo "  wace -m3 / gzip -6:    size $(ratio "$ace" "$gz"), cpu time $(ratio "$(cpu "$out/wace.time")" "$(cpu "$out/gzip.time")")"
  echo "  wace -m5 / gzip -9:    size $(ratio "$ace5" "$gz9"), cpu time $(ratio "$(cpu "$out/wace5.time")" "$(cpu "$out/gzip9.time")")"
  echo "  wace peak memory:      -m3 $(peak "$out/wace.time") kB, -m5 $(peak "$out/wace5.time") kB"
  echo "  1.44 MB volumes:       -m3 $(ls "$out/v3" | wc -l), -m0 $(ls "$out/v0" | wc -l); unace t: $check; wace t: $own"
}

echo "machine: $(nproc) cores, $(awk '/MemTotal/ { printf "%.0f MB", $2 / 1024 }' /proc/meminfo), load $(cut -d' ' -f1-3 /proc/loadavg)"
measure image "$work/image" "$work/image/game.iso"
measure tree "$work/tree" "$work/tree.tar"
measure words "$work/words" "$work/words/words.txt"
echo
echo "load at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
echo "(remove $work when done)"
