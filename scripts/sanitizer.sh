#!/usr/bin/env bash
# Builds the whole test suite with AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer
# into build-san/ and runs it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/abhaengigkeiten.sh
KNALLFELD_BUILD=build-san KNALLFELD_TYP=Debug bash scripts/bauen.sh -DKNALLFELD_SANITIZE=ON
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
ctest --test-dir build-san --output-on-failure -j"$(nproc)"
