#!/usr/bin/env bash
# tools/setup.sh main|test
#
# Installs whatever is missing on a Debian 12 machine (apt, as root), builds the native and
# the 32-bit Windows modules and the panel host, then
#   main: runs the main job: draws the default panel (build/panel/) and the gallery of every
#         gauge in three flight states (build/gallery/index.html);
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
          libcairo2-dev libfreetype-dev libfontconfig-dev libpng-dev pkg-config
          fonts-liberation2 fonts-dseg)
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
  states=(assets/panel/cruise.state assets/panel/approach.state assets/panel/cold_and_dark.state)
  echo "== the default panel in the cruise state: build/panel/panel.png and one PNG per window"
  mkdir -p build/panel
  build/panelhost panel assets/panel/panel.cfg --gauges build/gauges --state "${states[0]}" -o build/panel/panel.png
  build/panelhost panel assets/panel/panel.cfg --gauges build/gauges --state "${states[0]}" -o build/panel/
  echo "== the gallery: every gauge of every module in ${#states[@]} flight states"
  state_options=()
  for s in "${states[@]}"; do state_options+=(--state "$s"); done
  build/panelhost gallery build/gauges "${state_options[@]}" -o build/gallery
  echo "== done: open build/panel/panel.png and build/gallery/index.html"
  exit 0
fi

echo "== tests"
ctest --test-dir build --output-on-failure -j2
echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DGAUGES_SANITIZE=ON -DGAUGES_WIN32=OFF
cmake --build build-sanitize
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --test-dir build-sanitize --output-on-failure -j2
