#!/usr/bin/env bash
# Installs what is missing, builds every test with AddressSanitizer and UndefinedBehaviorSanitizer
# and runs them all against the simulated USB bus; then builds and runs the threaded tests under
# ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset build-asan
cmake --build --preset build-asan
ctest --preset build-asan

cmake --preset build-tsan
cmake --build --preset build-tsan --target threaded_tests
ctest --preset build-tsan
