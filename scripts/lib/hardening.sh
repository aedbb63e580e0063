# shellcheck shell=bash
# The test runs of scripts/test: ctest in a build folder, and the core's tests again under the
# sanitizers and under a comma-decimal locale. Source it after common.sh.

# Runs ctest in a build folder with the given further arguments, as many tests at once as the
# machine has cores, and fails when a test was skipped as well as when one failed: these runs
# exist to run every test. Names the number of tests that passed.
# Usage: run_tests BUILD_DIR [CTEST_ARGUMENT]...
run_tests() {
    local dir="$1" log
    shift
    log="$(mktemp)"
    (cd "$dir" && ctest --output-on-failure -j "$(nproc)" "$@") | tee "$log"
    if grep -q '(Skipped)' "$log"; then
        echo "A test was skipped; this run must run all of them." >&2
        return 1
    fi
    summary "$(sed -n 's/^100% tests passed, 0 tests failed out of \([0-9]*\)$/\1 tests passed/p' "$log")"
    rm -f "$log"
}

# Builds the core and its tests with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-asan.
build_sanitized() {
    build_quietly "$NUMBREL_ROOT/build-asan" -DCMAKE_BUILD_TYPE=Debug -DNUMBREL_BUILD_VIEW=OFF \
        -DNUMBREL_SANITIZE=ON
}

# Runs the sanitized tests; the first report ends a test with a failure.
run_sanitized_tests() {
    UBSAN_OPTIONS=print_stacktrace=1 run_tests "$NUMBREL_ROOT/build-asan"
}

# Runs the core's tests of a build folder again with LC_ALL set to the comma-decimal locale,
# which the script has installed with require_packages --locale.
run_locale_tests() {
    LC_ALL="$NUMBREL_COMMA_LOCALE" run_tests "$1" -R '^core\.'
}
