#!/usr/bin/env bash
# Tallvane set-up on Debian 12.
#   ./build.sh run    installs what is missing, builds the programs (only them) and starts Tallvane
#   ./build.sh test   installs what is missing, builds with the sanitizers and runs every test,
#                     then every fuzz target for a bounded time (FUZZ_SECONDS, default 20 each)
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
TEST_PACKAGES=(postgresql socat clang libclang-rt-14-dev lld man-db groff-base)
PACKAGE_PACKAGES=(dpkg-dev file man-db groff-base desktop-file-utils appstream lintian)

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

# The libraries that read foreign bytes, built with clang's libFuzzer, ASan and UBSan, and
# every fuzz target run from its seed corpus for the given number of seconds ($1), optimised
# at the given level ($2). The test command's short run is unoptimised: it compiles in half
# the time and still runs every seed and tens of thousands of new inputs; long runs optimise.
run_fuzz() {
    cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_COMPILER=clang++ \
        "-DCMAKE_CXX_FLAGS=$2 -gline-tables-only" -DTALLVANE_FUZZ=ON -DCMAKE_UNITY_BUILD=ON
    cmake --build build-fuzz -j "$jobs"
    tests/fuzz/run.sh build-fuzz "$1"
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
    # Line tables are all a sanitizer's report needs, and lld links the sixty-odd test programs
    # in a third of ld's time; a unity build (the files of a library compiled in batches) reads
    # Qt's headers a few times per library instead of once per file.
    cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DTALLVANE_SANITIZE=ON -DCMAKE_CXX_FLAGS_DEBUG=-g1 \
        -DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld -DCMAKE_UNITY_BUILD=ON
    cmake --build build-test -j "$jobs"
    # One test more than there are cores: the slowest tests mostly wait out register time-outs.
    (cd build-test && ctest --output-on-failure -j "$((jobs + 1))")
    run_fuzz "${FUZZ_SECONDS:-20}" -O0
    ;;
fuzz)
    install_missing "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"
    run_fuzz "${2:-60}" -O1
    ;;
package)
    install_missing "${RUN_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"
    # Debian's own flags and optimisation (-O2: build type None adds nothing of its own) with its
    # hardening; the programs are installed under /usr, which they know. The packages carry
    # stripped programs and no debug symbols, so the compiler is not asked for them (-g): that
    # and -O3 made the package build take twice as long for nothing that ships.
    cmake -S . -B build-package -DCMAKE_BUILD_TYPE=None -DCMAKE_INSTALL_PREFIX=/usr \
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
