# shellcheck shell=bash
# Building and running the libFuzzer targets of fuzz/. Source it after common.sh.

NUMBREL_FUZZ_BUILD="$NUMBREL_ROOT/build-fuzz"
# libFuzzer comes with clang's run-time libraries.
# shellcheck disable=SC2034  # used by the scripts that source this file
NUMBREL_FUZZ_PACKAGES=(clang libclang-rt-14-dev)

# Builds every fuzz target with clang, instrumented, into build-fuzz; the view too, for the
# target that queries the display's accessible interface.
build_fuzzers() {
    build_in "$NUMBREL_FUZZ_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
        -DNUMBREL_BUILD_VIEW=ON -DBUILD_TESTING=OFF -DNUMBREL_BUILD_FUZZERS=ON
}

# Runs each fuzz target for the given number of seconds, one after the other, from the
# committed seeds plus what earlier runs found (kept in build-fuzz/corpus). Prints the
# executions per target; an input that breaks a property is saved in build-fuzz/artifacts and
# fails the run.
run_fuzzers() {
    local seconds="$1" source target corpus artifacts log
    for source in "$NUMBREL_ROOT"/fuzz/*_fuzz.cpp; do
        target="$(basename "$source" _fuzz.cpp)"
        corpus="$NUMBREL_FUZZ_BUILD/corpus/$target"
        artifacts="$NUMBREL_FUZZ_BUILD/artifacts/$target"
        log="$NUMBREL_FUZZ_BUILD/$target.log"
        mkdir -p "$corpus" "$artifacts"
        echo "Fuzzing $target for $seconds s ..."
        if ! LSAN_OPTIONS="suppressions=$NUMBREL_ROOT/fuzz/lsan.supp:print_suppressions=0" \
            "$NUMBREL_FUZZ_BUILD/fuzz/${target}_fuzz" -max_total_time="$seconds" -max_len=4096 \
            -timeout=10 -print_final_stats=1 -artifact_prefix="$artifacts/" \
            "$corpus" "$NUMBREL_ROOT/fuzz/corpus/$target" >"$log" 2>&1; then
            tail -n 40 "$log" >&2
            echo "Fuzzing $target failed; the input is in $artifacts, the log in $log." >&2
            return 1
        fi
        awk -v target="$target" '
            /stat::number_of_executed_units/ { runs = $2 }
            /stat::average_exec_per_sec/ { rate = $2 }
            END { printf "  %s: %d executions, %d per second\n", target, runs, rate }' "$log"
    done
}
