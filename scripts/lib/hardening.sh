# shellcheck shell=bash
# The hardening runs of scripts/test: the core's tests under the sanitizers and under a
# comma-decimal locale. Source it after common.sh.

# The locale whose decimal separator is a comma; no conversion may notice it.
NUMBREL_COMMA_LOCALE=de_DE.UTF-8

# Runs ctest with the given arguments and fails when a test was skipped as well as when one
# failed: these runs exist to run every test.
ctest_without_skips() {
    local log
    log="$(mktemp)"
    if ! ctest --output-on-failure "$@" | tee "$log"; then
        rm -f "$log"
        return 1
    fi
    if grep -q '(Skipped)' "$log"; then
        rm -f "$log"
        echo "A test was skipped; this run must run all of them." >&2
        return 1
    fi
    rm -f "$log"
}

# Builds the core and its tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan and runs them; the first report ends the test with a failure.
run_sanitized_tests() {
    build_in "$NUMBREL_ROOT/build-asan" -DCMAKE_BUILD_TYPE=Debug -DNUMBREL_BUILD_VIEW=OFF \
        -DNUMBREL_SANITIZE=ON
    UBSAN_OPTIONS=print_stacktrace=1 ctest_without_skips --test-dir "$NUMBREL_ROOT/build-asan"
}

# Runs the core's tests of a build folder again with LC_ALL set to the comma-decimal locale,
# which the script has installed with require_packages --locale.
run_locale_tests() {
    LC_ALL="$NUMBREL_COMMA_LOCALE" ctest_without_skips --test-dir "$1" -R '^core\.'
}
