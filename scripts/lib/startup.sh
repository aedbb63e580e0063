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

# Starts Xvfb on a free display and exports DISPLAY; the server's process id is left in
# NUMBREL_XVFB_PID for the caller to stop it.
start_xvfb() {
    local fifo
    fifo="$(mktemp -u)"
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
    NUMBREL_XVFB_PID=$!
    local number
    read -r number <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$number"
}

# Prints "median min max" of the numbers on standard input.
summarize() {
    sort -n | LC_ALL=C awk '{ v[NR] = $1 } END {
        median = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
        printf "%.1f %.1f %.1f\n", median, v[1], v[NR] }'
}
