# shellcheck shell=bash
# Start-up measurement for scripts/startup-bench. Source it after common.sh.

NUMBREL_STARTUP_BUILD="$NUMBREL_ROOT/build-startup"

# Builds Numbrel (Release) and, from bench/startup, the minimal program and the probe.
build_startup_programs() {
    build_in "$NUMBREL_STARTUP_BUILD/numbrel" -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
    if [[ ! -f "$NUMBREL_STARTUP_BUILD/probe/CMakeCache.txt" ]]; then
        cmake -S "$NUMBREL_ROOT/bench/startup" -B "$NUMBREL_STARTUP_BUILD/probe" -G Ninja \
            -DCMAKE_BUILD_TYPE=Release
    fi
    cmake --build "$NUMBREL_STARTUP_BUILD/probe"
}

# Prints "median min max" of the numbers on standard input.
summarize() {
    sort -n | LC_ALL=C awk '{ v[NR] = $1 } END {
        median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.1f %.1f %.1f\n", median, v[1], v[NR] }'
}
