# shellcheck shell=bash
# Starting a virtual X server (Xvfb) for the scripts and tests that draw the window. Source it.

# Starts Xvfb at 96 dpi on a free display with one screen of the given size and depth (such as
# 1280x1024x24) and exports DISPLAY. The server's process id is left in NUMBREL_XVFB_PID for the
# caller to end it with stop_xvfb. Fails when the server has given no display within 10 s.
start_xvfb() {
    local screen="$1" scratch number=""
    scratch="$(mktemp -d)"
    mkfifo "$scratch/display"
    # Xvfb picks a free display and writes its number to descriptor 3.
    Xvfb -displayfd 3 -screen 0 "$screen" -dpi 96 -nolisten tcp -noreset \
        3>"$scratch/display" 2>/dev/null &
    NUMBREL_XVFB_PID=$!
    read -r -t 10 number <"$scratch/display" || true
    rm -rf "$scratch"
    if [[ -z "$number" ]]; then
        stop_xvfb
        echo "Xvfb gave no display within 10 seconds." >&2
        return 1
    fi
    export DISPLAY=":$number"
}

# Ends the server start_xvfb started, if any.
stop_xvfb() {
    [[ -z "${NUMBREL_XVFB_PID:-}" ]] || kill "$NUMBREL_XVFB_PID" 2>/dev/null || true
    NUMBREL_XVFB_PID=""
}
