#!/usr/bin/env bash
# Installs what is missing, builds the release build and starts the manager.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/build.sh
exec build/main/kivo-bluetooth-manager "$@"
