#!/usr/bin/env bash
# Packs the bundled example job without a display: a fresh application
# directory whose drive e: is a copy of examples/drive_e, the job
# examples/demo.zvk run unattended ("!"), and the ZIPs listed at the end.
#   bash examples/run-example.sh            (uses build/bin/zavok32)
#   ZAVOK32_BIN=/usr/bin bash examples/run-example.sh
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
bin=${ZAVOK32_BIN:-$root/build/bin}

work=$(mktemp -d "${TMPDIR:-/tmp}/zavok32-example.XXXXXX")
home=$work/home
drive=$work/drive_e
mkdir -p "$home/dosdevices" "$drive"
cp -R "$here/drive_e/." "$drive/"
mkdir -p "$drive/zips" "$drive/demo/data"
# A megabyte that does not compress, so the set needs several volumes.
head -c 1200000 /dev/urandom > "$drive/demo/data/levels.dat"
# The program's own defaults (c: a folder of its own, z: the whole file
# system) and the example's drive.
mkdir -p "$home/drive_c"
ln -s ../drive_c "$home/dosdevices/c:"
ln -s / "$home/dosdevices/z:"
ln -s "$drive" "$home/dosdevices/e:"

echo "Packing $here/demo.zvk (drive e: is $drive) ..."
QT_QPA_PLATFORM=offscreen ZAVOK32_HOME="$home" "$bin/zavok32" "!$here/demo.zvk"

shopt -s nullglob
zips=("$drive"/zips/*.zip)
if [ ${#zips[@]} -eq 0 ]; then
  echo "The example job made no ZIP file." >&2
  exit 1
fi
echo "The example job made ${#zips[@]} ZIP files in $drive/zips:"
ls -l "$drive/zips"
if command -v unzip >/dev/null; then
  echo
  echo "Contents of the first one:"
  unzip -l "${zips[0]}"
fi
