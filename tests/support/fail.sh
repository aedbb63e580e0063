# shellcheck shell=bash
# What the shell checks share. Source it.

# Stops the check with a message on standard error.
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
