#!/usr/bin/env bash
# tools/setup.sh main|test
#
# Installs whatever is missing on a Debian 12 machine (apt, as root), builds the native and
# the 32-bit Windows modules and the panel host, then
#   main: runs the main job (the module catalogues and a first look at the engine dials);
#   test: runs every test, once in the normal build and once under ASan and UBSan.
set -euo pipefail
cd "$(dirname "$0")/.."

job=${1:-}
case $job in
  main|test) ;;
  *) echo "usage: tools/setup.sh main|test" >&2; exit 2 ;;
esac

packages=(cmake ninja-build g++ make file binutils
          g++-mingw-w64-i686 binutils-mingw-w64-i686
          libgtest-dev libbenchmark-dev
          libcairo2-dev libfreetype-dev libpng-dev fonts-liberation2 fonts-dseg)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "== installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

echo "== building (native modules in build/, Windows modules in build-win32/)"
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build

if [ "$job" = main ]; then
  for module in build/gauges/*.gau; do
    echo "== $(basename "$module" .gau): gauges and widths (mm)"
    build/panelhost list "$module"
  done
  echo "== Torque at 500 and Turb_Temp at 500 °C"
  build/panelhost eval build/gauges/Zephel_Instr.gau Torque set 0x275 1.315789 frame
  build/panelhost eval build/gauges/Zephel_Instr.gau Turb_Temp set 0x277 1391.67 frame
  exit 0
fi

echo "== tests"
ctest --test-dir build --output-on-failure -j2
echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGAUGES_SANITIZE=ON -DGAUGES_WIN32=OFF
cmake --build build-sanitize
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-sanitize --output-on-failure -j2
