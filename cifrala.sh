#!/usr/bin/env bash
# Build helper for a Debian 12 machine.
#   ./cifrala.sh run [program options]   install what is needed, build, start the program
#   ./cifrala.sh test                    install what is needed, build, run every test
#                                        (normal build, the package, sanitizer build,
#                                        fuzzers)
set -euo pipefail
cd "$(dirname "$0")"

PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-svg-dev libgl1-mesa-dev libgtest-dev libgmock-dev
          googletest libbenchmark-dev libmuparser-dev clang libclang-rt-14-dev
          fonts-dejavu-core fonts-liberation2 qt6-translations-l10n xvfb xauth openbox x11-utils
          desktop-file-utils appstream dpkg-dev)
JOBS=$(nproc 2>/dev/null || echo 2)

install_packages() {
    local missing=()
    for p in "${PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ] && command -v apt-get >/dev/null; then
        echo "Installing: ${missing[*]}"
        DEBIAN_FRONTEND=noninteractive apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
    else
        echo "Missing packages (install them as root): ${missing[*]}" >&2
    fi
}

build() {  # build DIR [cmake options...]
    local dir=$1
    shift
    # Line tables only: backtraces stay readable, the build is quicker.
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" "$@" >/dev/null
    cmake --build "$dir" -j"$JOBS"
}

run_fuzzers() {
    if ! command -v clang++ >/dev/null; then
        echo "clang++ not found: fuzzers skipped"
        return 0
    fi
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCIFRALA_BUILD_FUZZ=ON -DCIFRALA_BUILD_TESTS=OFF -DCIFRALA_BUILD_BENCH=OFF >/dev/null
    cmake --build build-fuzz -j"$JOBS" --target fuzz_all
    local seconds=${FUZZ_SECONDS:-60}
    for target in build-fuzz/bin/fuzz_*; do
        [ -x "$target" ] || continue
        local name corpus
        name=$(basename "$target")
        corpus=build-fuzz/corpus/$name
        rm -rf "$corpus" && mkdir -p "$corpus"
        [ -d "fuzz/corpus/${name#fuzz_}" ] && cp -r "fuzz/corpus/${name#fuzz_}/." "$corpus/"
        echo "Fuzzing $name for $seconds s"
        "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -print_final_stats=1 "$corpus" 2>build-fuzz/$name.log || {
            tail -50 build-fuzz/$name.log
            echo "$name found a problem" >&2
            return 1
        }
        tail -3 build-fuzz/$name.log
    done
}

cmd=${1:-run}
[ $# -gt 0 ] && shift
case "$cmd" in
    run)
        install_packages
        build build
        exec build/bin/cifrala "$@"
        ;;
    test)
        install_packages
        build build
        ctest --test-dir build --output-on-failure -j"$JOBS"
        ./devtools/check_package.sh build
        export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:halt_on_error=1
        export LSAN_OPTIONS=suppressions=$PWD/tests/support/lsan.supp:print_suppressions=0
        export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
        # Light optimisation and line tables only: quicker to build, stack traces stay readable.
        build build-asan -DCIFRALA_SANITIZE=ON -DCIFRALA_BUILD_BENCH=OFF \
            -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG"
        ctest --test-dir build-asan --output-on-failure -j"$JOBS"
        run_fuzzers
        echo "All tests passed."
        ;;
    *)
        echo "usage: $0 run [options] | test" >&2
        exit 2
        ;;
esac
