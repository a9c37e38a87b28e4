#!/usr/bin/env bash
# Writes the benchmarks' CD image: SIZE bytes (650,000,000 unless given) in
# 10 MB stretches that take turns being text-like, random and zeros.
#
#   bash bench/benchimage.sh IMAGE [SIZE]
set -euo pipefail
img="$1"
size="${2:-650000000}"
chunk=10000000
sample="$(mktemp /tmp/zavok32-text.XXXXXX)"
trap 'rm -f "$sample"' EXIT

# Text-like sample: words of a small vocabulary in lines, as documentation
# and logs read; deflate's window is far smaller than the sample, so its
# repetition does not flatter the ZIP step.
python3 - "$sample" <<'PY'
import random, sys
random.seed(650)
words = ("the data volume archive file disk level error track sector game install setup run read write "
         "copy folder drive image table index value header record system user option program version").split()
out = []
size = 0
while size < 1_000_000:
    line = " ".join(random.choice(words) for _ in range(random.randint(4, 14))) + "\r\n"
    out.append(line); size += len(line)
open(sys.argv[1], "w", newline="").write("".join(out)[:1_000_000])
PY

mkdir -p "$(dirname "$img")"
: > "$img"
i=0
while [ $(( i * chunk )) -lt $size ]; do
  case $(( i % 3 )) in
    0) for _ in $(seq 1 $(( chunk / 1000000 ))); do cat "$sample"; done >> "$img" ;;
    1) head -c $chunk /dev/urandom >> "$img" ;;
    2) head -c $chunk /dev/zero >> "$img" ;;
  esac
  i=$(( i + 1 ))
done
truncate -s $size "$img"
