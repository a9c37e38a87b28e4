#!/usr/bin/env bash
# The install tree in a fresh prefix holds the programs side by side with
# their shared files, and the program installed there packs the example job
# with no environment beyond a fresh application directory.
#   installedprogram.sh <build folder> <source tree>
set -euo pipefail
build=$1 source=$2
. "$source/tests/dist/exampledrive.sh"
work=$(mktemp -d "${TMPDIR:-/tmp}/zavok32-installed.XXXXXX")
trap 'rm -rf "$work"' EXIT

cmake --install "$build" --prefix "$work/prefix" > /dev/null
prefix=$work/prefix
for program in zavok32 wrar wace; do
  [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
for shipped in help/index.html help/pages.html help/scripts.html help/drives.html \
               rip.wav thunder.wav type.wav whoosh.wav; do
  [ -f "$prefix/share/zavok32/$shipped" ] || fail "share/zavok32/$shipped is not installed"
done
for page in zavok32 wrar wace; do
  [ -f "$prefix/share/man/man1/$page.1.gz" ] || fail "the manual page $page(1) is not installed"
done

touch "$work/installed"
run_example "$prefix/bin" "$work" "$source"
# The run's own files stay in the application directory; nothing is left in
# the install tree.
[ -z "$(find "$prefix" -newer "$work/installed")" ] || fail "the run wrote into the install tree"
echo "The installed program packed the example job."
