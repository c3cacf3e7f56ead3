#!/usr/bin/env bash
# Sets up, builds and then runs Numerion ("run") or its tests ("test").
# Installs the Debian packages it needs when they are missing; fast when nothing changed.
set -euo pipefail

cd "$(dirname "$0")"
mode=${1:-}
case "$mode" in
  run | test) ;;
  *) echo "usage: $0 run|test" >&2; exit 2 ;;
esac

packages=(cmake g++ ninja-build qt6-base-dev qt6-qpa-plugins libgl-dev fonts-dejavu-core fonts-liberation)
missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'ok installed' || missing+=("$package")
done
if ((${#missing[@]})); then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  echo "Installing ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}" >/dev/null
fi

build_dir=build
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMERION_WERROR=$werror
else
  cmake -S . -B "$build_dir" -DNUMERION_WERROR=$werror >/dev/null
fi
cmake --build "$build_dir" -j"$(nproc)"

if [ "$mode" = run ]; then
  exec "$build_dir/numerion"
fi
cd "$build_dir"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)"
