#!/usr/bin/env bash
# Installs what is missing and builds the release build.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset build
cmake --build --preset build
