#!/usr/bin/env bash
# Sets up, builds and then runs Numerion or its checks:
#   run          build and start the program
#   package      an optimised build and its Debian package, build-package/numerion_*.deb
#   test         everything CI runs: the tests; the Debian package, checked; the tests again
#                under AddressSanitizer and UndefinedBehaviorSanitizer; each file reader's fuzzer
#                for a bounded time
#   unit         the tests only, in the normal build (the quick check while developing)
#   fuzz [secs]  the fuzzers alone, for `secs` seconds each (default 600)
#   bench        the benchmark program, three runs checked against its goals (see BENCHMARKS.md)
# Installs the Debian packages it needs when they are missing; fast when nothing changed.
set -euo pipefail

cd "$(dirname "$0")"
mode=${1:-}
case "$mode" in
  run | package | test | unit | fuzz | bench) ;;
  *) echo "usage: $0 run|package|test|unit|fuzz [seconds]|bench" >&2; exit 2 ;;
esac

packages=(cmake g++ ninja-build qt6-base-dev qt6-svg-dev qt6-qpa-plugins libgl-dev libicu-dev
          fonts-dejavu-core fonts-liberation fonts-noto-color-emoji libcups2-dev
          # the Debian package, its checks by lintian and the checks of the desktop files
          dpkg-dev file desktop-file-utils appstream shared-mime-info lintian)
case "$mode" in
  test | fuzz) packages+=(clang libclang-rt-14-dev) ;;
  # The goals are checked on an X display of their own as well as offscreen.
  bench) packages+=(python3 xvfb) ;;
esac
# The print test runs a CUPS server of its own with PDF printers.
case "$mode" in
  test | unit) packages+=(cups printer-driver-cups-pdf poppler-utils) ;;
esac
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

# Warnings are errors in every build, CI's and a developer's alike.
werror=ON
jobs=$(nproc)

# configure_and_build DIR [cmake options...]
configure_and_build() {
  local dir=$1
  shift
  if [ ! -f "$dir/CMakeCache.txt" ]; then
    # A compiler cache, where the machine has one, makes a fresh checkout build in moments.
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNUMERION_WERROR=$werror \
      "${launcher[@]}" "$@"
  else
    cmake -S . -B "$dir" -DNUMERION_WERROR=$werror >/dev/null
  fi
  cmake --build "$dir" -j"$jobs"
}

run_tests() {
  (cd "$1" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$jobs")
}

# make_package DIR: the Debian package of that build, checked: its dependencies come from the
# shared libraries, lintian finds no error in it (warnings are shown), and the desktop files it
# installs pass the desktop's own validators.
make_package() {
  local dir=$1 deb unpacked
  rm -f "$dir"/numerion_*.deb
  (cd "$dir" && cpack -G DEB >/dev/null)
  deb=$(ls "$dir"/numerion_*.deb)
  dpkg-deb --info "$deb"
  if ! dpkg-deb --field "$deb" Depends | grep -q 'libqt6widgets6'; then
    echo "The package does not depend on the Qt libraries it links" >&2
    return 1
  fi
  lintian --fail-on error "$deb"
  unpacked=$(mktemp -d)
  dpkg-deb -x "$deb" "$unpacked"
  desktop-file-validate "$unpacked/usr/share/applications/org.numerion.Numerion.desktop"
  appstreamcli validate --no-net "$unpacked/usr/share/metainfo/org.numerion.Numerion.metainfo.xml"
  rm -rf "$unpacked"
  echo "Built $deb"
}

# The sanitized build, with clang so that the fuzz targets come with it.
sanitized=build-sanitize
build_sanitized() {
  CXX=clang++ configure_and_build "$sanitized" -DNUMERION_SANITIZE=ON -DNUMERION_FUZZ=ON
}

# run_fuzzers SECONDS: each reader's fuzzer, starting from the seeds in tests/fuzz/corpus, with
# the pieces of its format in tests/fuzz/READER.dict, on inputs as large as the reader takes (its
# MaxFileBytes) from the start. What it finds on the way stays in a scratch folder; a crashing
# input is kept in build-sanitize/.
run_fuzzers() {
  local seconds=$1 reader scratch max_len dict
  for reader in drawfile trackerfile settings drawimport ticketbook; do
    case "$reader" in
      settings) max_len=4096 ;;
      *) max_len=1048576 ;;
    esac
    dict=()
    [ -f "tests/fuzz/${reader}.dict" ] && dict=(-dict="../tests/fuzz/${reader}.dict")
    scratch=$(mktemp -d)
    echo "Fuzzing the ${reader} reader for ${seconds} s"
    (cd "$sanitized" && "tests/fuzz/fuzz_${reader}" -max_total_time="$seconds" -timeout=10 \
      -rss_limit_mb=2048 -max_len="$max_len" -len_control=0 "${dict[@]}" -print_final_stats=1 \
      "$scratch" "../tests/fuzz/corpus/${reader}" 2>&1 | tail -n 12)
    rm -rf "$scratch"
  done
}

case "$mode" in
  run)
    configure_and_build build
    exec build/numerion
    ;;
  package)
    configure_and_build build-package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
      -DCMAKE_INSTALL_PREFIX=/usr
    make_package build-package
    ;;
  unit)
    configure_and_build build
    run_tests build
    ;;
  test)
    configure_and_build build
    run_tests build
    make_package build
    build_sanitized
    # LeakSanitizer needs ptrace, which some containers forbid; there it is switched off rather
    # than failing every test.
    leaks=1
    if ! QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=1 "$sanitized/tests/tst_textformat" \
        -silent >/dev/null 2>"$sanitized/lsan-probe.txt" \
      && grep -q "LeakSanitizer has encountered a fatal error" "$sanitized/lsan-probe.txt"; then
      echo "LeakSanitizer cannot run here; the sanitized tests run without leak checks"
      leaks=0
    fi
    ASAN_OPTIONS=detect_leaks=$leaks:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1 \
      run_tests "$sanitized"
    run_fuzzers "${NUMERION_FUZZ_SECONDS:-60}"
    ;;
  fuzz)
    build_sanitized
    run_fuzzers "${2:-600}"
    ;;
  bench)
    configure_and_build build
    python3 bench/check_goals.py --runs 3 --bench build/numerion_bench
    ;;
esac
