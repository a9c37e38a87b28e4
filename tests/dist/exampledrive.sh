# Sourced by the tests of the installed program. The example job as a user
# meets it: a fresh application directory whose only additions are the
# drive letters a user links in (e: for the example tree, z: for the file
# system), and the installed program run with nothing else in its
# environment: no PATH, no display, no toolkit platform.

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# example_drive <work folder> <source tree>: $work/home and $work/drive_e.
example_drive() {
  local work=$1 source=$2
  mkdir -p "$work/home/dosdevices" "$work/drive_e"
  cp -R "$source/examples/drive_e/." "$work/drive_e/"
  mkdir -p "$work/drive_e/zips" "$work/drive_e/demo/data"
  # More than a megabyte that does not compress: the set needs three volumes.
  head -c 1200000 /dev/urandom > "$work/drive_e/demo/data/levels.dat"
  ln -s "$work/drive_e" "$work/home/dosdevices/e:"
  ln -s / "$work/home/dosdevices/z:"
}

# run_example <bin folder> <work folder> <source tree>: runs the example job
# unattended and checks what a user would: status 0, the three ZIPs whole
# beside the set's checksum files (which cksfv and sha256sum accept, as does
# zavok32 --check), one line per ZIP and the verdict on standard output,
# nothing on standard error.
run_example() {
  local bin=$1 work=$2 source=$3 status=0
  example_drive "$work" "$source"
  (cd / && env -i ZAVOK32_HOME="$work/home" "$bin/zavok32" "!$source/examples/demo.zvk" \
     > "$work/out" 2> "$work/err") || status=$?
  [ "$status" -eq 0 ] || fail "the example job ended with status $status: $(cat "$work/err")"
  [ ! -s "$work/err" ] || fail "the example job wrote on standard error: $(cat "$work/err")"
  local zips
  zips=$(cd "$work/drive_e/zips" && ls)
  [ "$zips" = "$(printf 'demo.sfv\ndemo.sha256\ndemo01.zip\ndemo02.zip\ndemo03.zip')" ] || fail "the ZIPs made: $zips"
  (cd "$work/drive_e/zips" && cksfv -q -f demo.sfv && sha256sum -c --quiet demo.sha256) > /dev/null \
    || fail "the checksum files do not check: $(cat "$work/drive_e/zips/demo.sfv")"
  grep -q '^Verified: 3 ZIPs' "$work/out" || fail "no verdict on standard output: $(cat "$work/out")"
  (cd / && env -i ZAVOK32_HOME="$work/home" "$bin/zavok32" --check "$work/drive_e/zips" > "$work/check") \
    || fail "zavok32 --check does not find the set whole and sound: $(cat "$work/check")"
  for zip in "$work"/drive_e/zips/*.zip; do
    unzip -tq "$zip" > /dev/null || fail "$zip does not test whole"
  done
  local lines
  lines=$(grep -E '^[0-9]+ of [0-9]+  ' "$work/out" || true)
  [ "$lines" = "$(printf '01 of 03  demo01.zip\n02 of 03  demo02.zip\n03 of 03  demo03.zip')" ] \
    || fail "the lines of the ZIPs on standard output: $(cat "$work/out")"
}
