#!/usr/bin/env bash
# Runs a test program as the only client of a headless Wayland compositor (weston) of its own.
# Usage: under_weston.sh PROGRAM [ARGUMENT]...
set -euo pipefail
runtime="$(mktemp -d)"
weston_pid=""
cleanup() {
    [[ -z "$weston_pid" ]] || kill "$weston_pid" 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --socket=wayland-test --idle-time=0 \
    --log="$runtime/weston.log" &
weston_pid=$!
for _ in $(seq 100); do [[ -S "$runtime/wayland-test" ]] && break; sleep 0.05; done
[[ -S "$runtime/wayland-test" ]] || { echo "weston did not start:" >&2; cat "$runtime/weston.log" >&2; exit 1; }
env -u DISPLAY WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland "$@"
