#!/usr/bin/env bash
# Tallvane set-up on Debian 12.
#   ./build.sh run    installs what is missing, builds the programs (only them) and starts Tallvane
#   ./build.sh test   installs what is missing, builds with the sanitizers and runs every test,
#                     then every fuzz target for a bounded time (FUZZ_SECONDS, default 10 each)
#   ./build.sh fuzz [SECONDS]   builds the libFuzzer targets with clang and runs each for SECONDS
#   ./build.sh package          builds a Release tree and writes the Debian packages into dist/,
#                               then checks them (packaging/check-package.sh)
set -euo pipefail
cd "$(dirname "$0")"

# What building and running needs; the tests, fuzzing and packaging add their own.
RUN_PACKAGES=(
    cmake g++ make git
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-5compat-dev
    libqt6sql6-sqlite libqt6sql6-psql libpq-dev libgl-dev libsqlite3-dev libquazip1-qt6-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    xvfb xauth fonts-dejavu-core fonts-tlwg-loma-otf
)
TEST_PACKAGES=(postgresql socat clang libclang-rt-14-dev lld ninja-build man-db groff-base)
PACKAGE_PACKAGES=(ninja-build dpkg-dev file man-db groff-base desktop-file-utils appstream lintian)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
}

jobs=$(nproc 2>/dev/null || echo 2)

# A build tree configured by an earlier version of this script with another generator ($2) or
# compiler (ending in $3) cannot be reconfigured in place: it starts afresh.
fresh_unless() {
    local cache=$1/CMakeCache.txt
    if [ -f "$cache" ] && ! { grep -q "^CMAKE_GENERATOR:INTERNAL=$2\$" "$cache" &&
        grep -q "^CMAKE_CXX_COMPILER:[A-Z]*=.*$3\$" "$cache"; }; then
        rm -rf "$1"
    fi
}

case "${1:-}" in
run)
    install_missing "${RUN_PACKAGES[@]}"
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_UNITY_BUILD=ON
    # Only what it starts: the tests and benchmarks are built by ./build.sh test.
    cmake --build build -j "$jobs" --target tallvane tallvane-cli tallvane-ecrsim
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "Tallvane needs a display; without one, run it under Xvfb: xvfb-run -a ./build.sh run" >&2
        exit 1
    fi
    exec build/bin/tallvane
    ;;
test)
    install_missing "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    .ci/layers --quiet
    # clang compiles this build in about half of g++'s time and builds the fuzz targets beside
    # the tests from the same objects (g++ still builds the programs that run and ship). Line
    # tables are all a sanitizer's report needs, and lld links the sixty-odd test programs in a
    # third of ld's time; a unity build (the files of a library compiled in batches) reads Qt's
    # headers a few times per library instead of once per file; Ninja schedules the whole tree.
    fresh_unless build-test Ninja 'clang++'
    cmake -S . -B build-test -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug -DTALLVANE_SANITIZE=ON \
        -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld -DCMAKE_UNITY_BUILD=ON
    cmake --build build-test -j "$jobs"
    # Two tests more than there are cores: the slowest tests mostly wait out register time-outs.
    (cd build-test && ctest --output-on-failure -j "$((jobs + 2))")
    # Every seed of every target, then ten seconds of new inputs each: thousands to a million
    # executions a target, which keeps the test command within CI's quarter of an hour.
    tests/fuzz/run.sh build-test "${FUZZ_SECONDS:-10}"
    ;;
fuzz)
    install_missing "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    # Only the libraries that read foreign bytes, optimised, with libFuzzer, ASan and UBSan.
    # The test command's short run uses its own unoptimised build: it still runs every seed
    # and tens of thousands of new inputs; long runs are worth the optimiser.
    cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_COMPILER=clang++ \
        "-DCMAKE_CXX_FLAGS=-O1 -gline-tables-only" -DTALLVANE_FUZZ=ON -DCMAKE_UNITY_BUILD=ON
    cmake --build build-fuzz -j "$jobs"
    tests/fuzz/run.sh build-fuzz "${2:-60}"
    ;;
package)
    install_missing "${RUN_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
    # Debian's own flags and optimisation (-O2: build type None adds nothing of its own) with its
    # hardening; the programs are installed under /usr, which they know. The packages carry
    # stripped programs and no debug symbols, so the compiler is not asked for them (-g): that
    # and -O3 made the package build take twice as long for nothing that ships.
    fresh_unless build-package Ninja 'g++'
    cmake -S . -B build-package -G Ninja -DCMAKE_CXX_COMPILER=g++ -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
        -DTALLVANE_TESTS=OFF -DTALLVANE_BENCHMARKS=OFF -DCMAKE_UNITY_BUILD=ON \
        "-DCMAKE_CXX_FLAGS=$(dpkg-buildflags --get CPPFLAGS) -DNDEBUG $(DEB_CXXFLAGS_MAINT_STRIP=-g dpkg-buildflags --get CXXFLAGS)" \
        "-DCMAKE_EXE_LINKER_FLAGS=$(dpkg-buildflags --get LDFLAGS) -Wl,-z,now"
    cmake --build build-package -j "$jobs"
    rm -f build-package/*.deb
    (cd build-package && cpack -G DEB)
    mkdir -p dist
    rm -f dist/tallvane*.deb
    mv build-package/*.deb dist/
    packaging/check-package.sh dist
    ;;
*)
    echo "usage: $0 run|test|fuzz [SECONDS]|package" >&2
    exit 2
    ;;
esac
