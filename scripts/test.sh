#!/usr/bin/env bash
# Installs the dependencies, then builds and runs every test in both configurations with
# every check (see check.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/check.sh --gates
