#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine: installs what Zavok32 needs, builds it
# into build/bin/, and packs the bundled example job.
set -euo pipefail
cd "$(dirname "$0")"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update
$SUDO apt-get install -y --no-install-recommends $(grep -v '^#' .ci/packages)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
if [ -x examples/run-example.sh ]; then
  bash examples/run-example.sh
fi
