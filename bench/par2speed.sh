#!/usr/bin/env bash
# Recovery files over a set of floppy-sized ZIPs (random bytes, as
# compressed data is): Zavok32's creation beside `par2 create` with the same
# slice size and the same number of recovery slices, on the same files in
# one run. Prints wall time, CPU time, data rate, the ratio and peak memory
# of each, and the load of the machine (other work on it slows both).
# Not a test.
#
#   bash bench/par2speed.sh [build-dir] [files] [N...]
#
# Needs: par2, /usr/bin/time (package time), ~2 x files x 1.5 MB free.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"
files=${2:-100}
shift 2 2>/dev/null || shift $#
counts=("${@:-1}")
[ ${#counts[@]} -gt 0 ] || counts=(1)
size=1457664
work=$(mktemp -d /tmp/zavok32-par2bench.XXXXXX)
trap 'rm -rf "$work"' EXIT
driver="$build/bin/zavok32_par2bench"

echo "cores: $(nproc); load before: $(cut -d' ' -f1-3 /proc/loadavg)"
mkdir -p "$work/zips"
for i in $(seq -w 1 "$files"); do
  head -c $size /dev/urandom > "$work/zips/set$i.zip"
done
total=$((files * size))
echo "$files ZIPs of $size bytes ($total bytes)"

field() { sed -n "s/.*$1=\([^ ]*\).*/\1/p" "$2"; }
wall() { awk -F': ' '/Elapsed \(wall clock\)/ {print $2}' "$1" |
         awk -F: '{ s = 0; for (i = 1; i <= NF; i++) s = s * 60 + $i; print s }'; }
cpu() { awk -F': ' '/User time|System time/ { s += $2 } END { print s }' "$1"; }
peak() { awk -F': ' '/Maximum resident set size/ {print $2}' "$1"; }
rate() { awk -v b="$total" -v s="$1" 'BEGIN { printf "%.0f", (s > 0 ? b / s / 1e6 : 0) }'; }

printf '%-4s %-10s %9s %9s %11s %13s %10s\n' N tool wall_s cpu_s "MB/s wall" "MB/s per cpu" peak_KiB
for n in "${counts[@]}"; do
  rm -f "$work"/zips/*.par2
  cat "$work"/zips/*.zip > /dev/null   # both read from the page cache
  /usr/bin/time -v -o "$work/ours.time" "$driver" create "$work/zips" set "$n" > "$work/ours.out"
  slice=$(field slice "$work/ours.out")
  blocks=$(field recovery_slices "$work/ours.out")
  ours_wall=$(wall "$work/ours.time"); ours_cpu=$(cpu "$work/ours.time")
  printf '%-4s %-10s %9s %9s %11s %13s %10s\n' "$n" zavok32 "$ours_wall" "$ours_cpu" "$(rate "$ours_wall")" \
    "$(rate "$ours_cpu")" "$(peak "$work/ours.time")"

  rm -f "$work"/zips/*.par2
  (cd "$work/zips" && /usr/bin/time -v -o "$work/theirs.time" par2 create -q -q -s"$slice" -c"$blocks" \
     theirs.par2 ./*.zip > /dev/null)
  theirs_wall=$(wall "$work/theirs.time"); theirs_cpu=$(cpu "$work/theirs.time")
  printf '%-4s %-10s %9s %9s %11s %13s %10s\n' "$n" "par2" "$theirs_wall" "$theirs_cpu" "$(rate "$theirs_wall")" \
    "$(rate "$theirs_cpu")" "$(peak "$work/theirs.time")"
  awk -v a="$theirs_wall" -v b="$ours_wall" -v c="$theirs_cpu" -v d="$ours_cpu" -v s="$slice" -v k="$blocks" \
    'BEGIN { printf "     slice %d bytes, %d recovery slices: zavok32 is %.1fx faster (wall), %.1fx (cpu)\n", s, k, a / b, c / d }'
done
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
