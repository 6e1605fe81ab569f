#!/usr/bin/env bash
# Installs dependencies, builds, and runs every test through CTest; then runs the tests
# again under AddressSanitizer + UndefinedBehaviorSanitizer, and the worker/job tests
# under ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh

echo "== format check (clang-format)"
git ls-files '*.cpp' '*.h' | xargs clang-format --dry-run --Werror

export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

echo "== build (RelWithDebInfo)"
bash scripts/build.sh build
echo "== tests"
ctest --test-dir build --output-on-failure -j "$jobs"

echo "== build (AddressSanitizer + UndefinedBehaviorSanitizer)"
TS_BUILD_TYPE=Debug bash scripts/build.sh build-asan -DTS_SANITIZE=address -DTS_BUILD_BENCH=OFF
echo "== tests under ASan + UBSan"
ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== build (ThreadSanitizer)"
TS_BUILD_TYPE=Debug bash scripts/build.sh build-tsan -DTS_SANITIZE=thread -DTS_BUILD_BENCH=OFF
echo "== worker/job tests under TSan"
TSAN_OPTIONS="halt_on_error=1 suppressions=$PWD/tests/tsan.supp" \
  ctest --test-dir build-tsan --output-on-failure -j "$jobs" -L threads
