#!/usr/bin/env bash
# Vestrano 3.0: set-up, build and run.
#   ./build.sh run    build and start the program (on a virtual display when there is none)
#   ./build.sh test   build and run every test headless
#   ./build.sh sanitize   build under AddressSanitizer/UBSan into build-sanitize/ and run the tests
#   ./build.sh package    build the Debian package (.deb) and print its path
#   ./build.sh fuzz [SECONDS]   build the libFuzzer targets with clang into build-fuzz/ and run each
#                               for SECONDS (default 20) under AddressSanitizer/UBSan
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)

PACKAGES=(g++ cmake ninja-build pkg-config
          qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev
          qt6-translations-l10n  # Qt's own buttons and dialogs in Italian
          fonts-liberation fonts-dejavu-core
          xvfb xauth poppler-utils
          dpkg-dev file desktop-file-utils appstream
          clang libclang-rt-14-dev
          libxlsxwriter-dev unzip libzip-dev
          libical-dev  # libical: tests only, reads our calendar files back
          sqlite3)     # sqlite3: benchmarks only, the same rows in SQLite timed beside our scans

as_root() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

install_missing_packages() {
    local missing=() p
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        as_root apt-get update -qq
        as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
}

build() {
    local dir=$1; shift
    # ccache, when the machine has it, makes rebuilds in several work trees cheap.
    local launcher=()
    if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
    cmake -S "$ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

run_tests() {
    local dir=$1
    QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
}

# The run data folder survives rebuilds. The password store is seeded once (the user may change
# the password); the user guide is the program's own and follows every build.
seed_data_dir() {
    local data=$1
    mkdir -p "$data"
    if [ ! -e "$data/unins000.dll" ] && [ -e "$ROOT/build/unins000.dll" ]; then
        cp "$ROOT/build/unins000.dll" "$data/unins000.dll"
    fi
    if [ -e "$ROOT/build/Guida.pdf" ]; then cp "$ROOT/build/Guida.pdf" "$data/Guida.pdf"; fi
}

# Each target starts from its seeds in fuzz/corpus/<name>/ and keeps what it finds in
# build-fuzz/corpus/<name>/, so the seeds in the repository stay as they are. A crash, a
# sanitizer report or a hang fails the run and leaves the input in build-fuzz/.
run_fuzzers() {
    local seconds=$1 dir="$ROOT/build-fuzz" launcher=() target
    if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
    cmake -S "$ROOT/fuzz" -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
    for target in records year_files password_store; do
        mkdir -p "$dir/corpus/$target"
        echo "Fuzzing $target for ${seconds} s"
        if ! ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
            "$dir/fuzz_$target" "$dir/corpus/$target" "$ROOT/fuzz/corpus/$target" \
            -max_total_time="$seconds" -max_len=16384 -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="$dir/$target-" -print_final_stats=1 >"$dir/$target.log" 2>&1; then
            tail -n 60 "$dir/$target.log"
            echo "fuzz_$target found a fault; the input is in $dir/$target-*" >&2
            return 1
        fi
        grep -E '^(Done|stat::(number_of_executed_units|new_units_added|peak_rss_mb))' "$dir/$target.log"
    done
}

case "${1:-}" in
    run)
        install_missing_packages
        build "$ROOT/build"
        DATA=${VESTRANO_DATA_DIR:-$ROOT/data}
        seed_data_dir "$DATA"
        echo "Data folder: $DATA"
        if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
            exec "$ROOT/build/vestrano" --data-dir "$DATA"
        else
            SHOT="$ROOT/build/first-screen.png"
            echo "No display: starting on a virtual display."
            xvfb-run -a -s "-screen 0 1366x768x24" \
                "$ROOT/build/vestrano" --data-dir "$DATA" --screenshot "$SHOT"
            echo "Screenshot of the first screen: $SHOT"
        fi
        ;;
    test)
        install_missing_packages
        build "$ROOT/build"
        run_tests "$ROOT/build"
        ;;
    sanitize)
        install_missing_packages
        build "$ROOT/build-sanitize" -DVESTRANO_SANITIZE=ON
        ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 run_tests "$ROOT/build-sanitize"
        ;;
    package)
        install_missing_packages
        build "$ROOT/build"
        (cd "$ROOT/build" && cpack -G DEB >/dev/null)
        ls "$ROOT"/build/vestrano_*.deb
        ;;
    fuzz)
        install_missing_packages
        run_fuzzers "${2:-20}"
        ;;
    *)
        echo "usage: $0 run|test|sanitize|package|fuzz [SECONDS]" >&2
        exit 2
        ;;
esac
