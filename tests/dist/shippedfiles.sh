#!/usr/bin/env bash
# The desktop entry, the script type, the icons, the metainfo and the manual
# pages, as installed, pass the validators that desktops and distributions
# run on them, and name each other consistently.
#   shippedfiles.sh <build folder> <source tree> <application id> <script type>
set -euo pipefail
build=$1 source=$2 id=$3 type=$4
. "$source/tests/dist/exampledrive.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/zavok32-shipped.XXXXXX")
trap 'rm -rf "$work"' EXIT
cmake --install "$build" --prefix "$work/prefix" > /dev/null
share=$work/prefix/share

desktop=$share/applications/$id.desktop
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not show the program's icon"
grep -qx "MimeType=$type;" "$desktop" || fail "the desktop entry does not open $type"
grep -qx 'Exec=zavok32 %f' "$desktop" || fail "the desktop entry does not hand the file to zavok32"

report=$(appstreamcli validate-tree --no-net --pedantic "$work/prefix" 2>&1) || fail "appstreamcli: $report"
if grep -qE '^[EWIP]: ' <<< "$report"; then fail "appstreamcli: $report"; fi
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$share/metainfo/$id.metainfo.xml" \
  || fail "the metainfo does not launch $id.desktop"

# The script type as a file manager learns it: a database built from the
# installed package file alone maps *.zvk to it.
mkdir -p "$work/mime/packages"
cp "$share/mime/packages/$id.xml" "$work/mime/packages/"
update-mime-database "$work/mime" > "$work/mime.log" 2>&1 || fail "update-mime-database: $(cat "$work/mime.log")"
grep -q ":$type:\*\.zvk$" "$work/mime/globs2" || fail "*.zvk is not $type"

# Every PNG is as large as the folder it is installed in says.
[ -f "$share/icons/hicolor/scalable/apps/$id.svg" ] || fail "the scalable icon is not installed"
xmllint --noout "$share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is not well-formed"
for size in 16 22 24 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x${size}/apps/$id.png
  [ -f "$png" ] || fail "no ${size}x${size} icon"
  read -r width height < <(od -An -tu4 --endian=big -j16 -N8 "$png")
  [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$png is ${width}x${height}"
done

for page in zavok32 wrar wace; do
  file=$share/man/man1/$page.1.gz
  report=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$file" 2>&1 > /dev/null) || fail "man -l $page: $report"
  [ -z "$report" ] || fail "man -l $page: $report"
  report=$(zcat "$file" | groff -man -z -ww -b 2>&1) || fail "groff $page: $report"
  [ -z "$report" ] || fail "groff $page: $report"
done
echo "The shipped desktop files and manual pages pass their validators."
