#!/usr/bin/env bash
# Tallvane set-up on Debian 12.
#   ./build.sh run    installs what is missing, builds and starts Tallvane
#   ./build.sh test   installs what is missing, builds with the sanitizers and runs every test,
#                     then every fuzz target for a bounded time (FUZZ_SECONDS, default 20 each)
#   ./build.sh fuzz [SECONDS]   builds the libFuzzer targets with clang and runs each for SECONDS
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(
    cmake g++ make
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev qt6-5compat-dev
    libqt6sql6-sqlite libgl-dev libsqlite3-dev libquazip1-qt6-dev
    xvfb xauth socat fonts-dejavu-core
    clang libclang-rt-14-dev
)

install_missing() {
    local missing=()
    for package in "${PACKAGES[@]}"; do
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
# every fuzz target run from its seed corpus for the given number of seconds.
run_fuzz() {
    cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_COMPILER=clang++ \
        "-DCMAKE_CXX_FLAGS=-O1 -gline-tables-only" -DTALLVANE_FUZZ=ON
    cmake --build build-fuzz -j "$jobs"
    tests/fuzz/run.sh build-fuzz "$1"
}

case "${1:-}" in
run)
    install_missing
    cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
    cmake --build build -j "$jobs"
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "Tallvane needs a display; without one, run it under Xvfb: xvfb-run -a ./build.sh run" >&2
        exit 1
    fi
    exec build/bin/tallvane
    ;;
test)
    install_missing
    .ci/layers --quiet
    cmake -S . -B build-test -DCMAKE_BUILD_TYPE=Debug -DTALLVANE_SANITIZE=ON
    cmake --build build-test -j "$jobs"
    (cd build-test && ctest --output-on-failure -j "$jobs")
    run_fuzz "${FUZZ_SECONDS:-20}"
    ;;
fuzz)
    install_missing
    run_fuzz "${2:-60}"
    ;;
*)
    echo "usage: $0 run|test|fuzz [SECONDS]" >&2
    exit 2
    ;;
esac
