#!/usr/bin/env bash
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer in
# ./build-asan and runs every test there. A read or write out of bounds or
# after free, a leak of the program's own memory, or undefined behaviour
# (signed overflow, a misaligned access, a cast to the wrong type, ...)
# fails the test it happens in. tests/lsan.supp names the leaks of the
# system's libraries that are left alone. ZIRVO_JOBS sets how many jobs run
# at once (default: every core).
set -euo pipefail
cd "$(dirname "$0")/.."
hier=$(pwd)
jobs=${ZIRVO_JOBS:-$(nproc)}
bash scripts/install-deps.sh
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZIRVO_WERROR=OFF -DZIRVO_SANITIZE=ON >/dev/null
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1:strict_string_checks=1:check_initialization_order=1
export LSAN_OPTIONS=suppressions=$hier/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
cmake --build build-asan -j"$jobs"
export QT_QPA_PLATFORM=offscreen
# This pass prints with DejaVu alone, as a bare system has it, where the
# first pass had a face with Arial's widths: the print tests must pass with
# either, and no printout may carry a ligature.
mkdir -p build-asan/fontconfig
cat > build-asan/fontconfig/fonts.conf <<EOF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>$hier/build-asan/fontconfig/cache</cachedir>
  <include ignore_missing="yes">/etc/fonts/conf.d</include>
</fontconfig>
EOF
export FONTCONFIG_FILE=$hier/build-asan/fontconfig/fonts.conf
ctest --test-dir build-asan --output-on-failure -j"$jobs"
