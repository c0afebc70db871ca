#!/usr/bin/env bash
# Builds everything and runs every test: the whole program (GUI tests offscreen) and its Debian
# package, then the core and the command-line tool again under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs="$(nproc)"
export QT_QPA_PLATFORM=offscreen

# The tree's formatting, the generated dictionaries and the layers of the program are checked first:
# a difference fails the run.
find src tests bench fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 | xargs -0 clang-format-14 --dry-run -Werror
python3 scripts/make_dictionaries.py --check
bash scripts/check_layers.sh

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZIZAZA_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
ctest --test-dir build --output-on-failure -j"$jobs"
# The Debian package: it must build, and its contents are listed in the log.
rm -f build/zizaza_*.deb
(cd build && cpack -G DEB >/dev/null)
dpkg-deb -c build/zizaza_*_amd64.deb

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DZIZAZA_WERROR=ON -DZIZAZA_SANITIZE=ON \
      -DZIZAZA_WITH_GUI=OFF -DZIZAZA_BENCH=OFF >/dev/null
cmake --build build-asan -j"$jobs"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
  ctest --test-dir build-asan --output-on-failure -j"$jobs"
