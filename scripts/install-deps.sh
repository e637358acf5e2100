#!/usr/bin/env bash
# Installs the Debian packages the program, its tests and benchmarks need (and ccache, which
# the build uses when present).
set -euo pipefail
SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  build-essential cmake ninja-build pkg-config ccache \
  qt6-base-dev qt6-serialport-dev libqt6serialport6 \
  libxlsxwriter-dev libminizip-dev \
  libgtest-dev libgmock-dev libbenchmark-dev \
  libgl-dev xvfb xauth \
  clang libclang-rt-14-dev clang-format clang-tidy >/dev/null
