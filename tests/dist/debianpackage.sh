#!/usr/bin/env bash
# The Debian package that CPack makes: named for the version, its
# dependencies worked out from the programs, everything under /usr, the
# programs stripped, its copyright and changelog where Debian wants them, and
# no error or warning from lintian (pedantic); and the tree it unpacks packs
# the example job.
#   debianpackage.sh <build folder> <source tree> <application id> <version>
set -euo pipefail
build=$1 source=$2 id=$3 version=$4
. "$source/tests/dist/exampledrive.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/zavok32-deb.XXXXXX")
trap 'rm -rf "$work"' EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work/package" > "$work/cpack.log" 2>&1 \
  || fail "cpack: $(cat "$work/cpack.log")"
debs=("$work"/package/zavok32_"$version"_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "no zavok32_${version}_<arch>.deb: $(ls "$work/package")"
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
for library in libc6 libqt6core6 libqt6gui6 libqt6widgets6 libqt6network6 libqt6multimedia6 libzip4 zlib1g; do
  grep -qE "(^|, )$library( |,|$)" <<< "$depends" || fail "Depends lacks $library: $depends"
done

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for path in ./usr/bin/zavok32 ./usr/bin/wrar ./usr/bin/wace \
            ./usr/share/applications/$id.desktop ./usr/share/metainfo/$id.metainfo.xml \
            ./usr/share/mime/packages/$id.xml ./usr/share/icons/hicolor/scalable/apps/$id.svg \
            ./usr/share/man/man1/zavok32.1.gz ./usr/share/man/man1/wrar.1.gz ./usr/share/man/man1/wace.1.gz \
            ./usr/share/zavok32/help/index.html \
            ./usr/share/doc/zavok32/copyright ./usr/share/doc/zavok32/changelog.gz; do
  grep -qx "$path" <<< "$contents" || fail "the package lacks $path"
done
if grep -qv '^\./usr/' <<< "$(grep -vx './' <<< "$contents")"; then
  fail "the package puts files outside /usr: $contents"
fi

# lintian refuses nothing by its exit status alone here: every error and
# warning is a failure, and pedantic remarks are shown.
if command -v lintian > /dev/null; then
  report=$(lintian --pedantic --display-info --no-cfg "$deb" 2>&1) || true
  if grep -E '^[EW]: ' <<< "$report"; then fail "lintian: $report"; fi
  [ -z "$report" ] || echo "lintian's remarks: $report"
else
  fail "lintian is not installed (apt-get install lintian)"
fi

dpkg-deb -x "$deb" "$work/root"
for program in zavok32 wrar wace; do
  if file "$work/root/usr/bin/$program" | grep -q 'not stripped'; then fail "usr/bin/$program is not stripped"; fi
done
run_example "$work/root/usr/bin" "$work" "$source"
echo "The package $(basename "$deb") holds the programs and packs the example job."
