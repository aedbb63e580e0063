# shellcheck shell=bash
# Building and running the libFuzzer targets of fuzz/. Source it after common.sh.

NUMBREL_FUZZ_BUILD="$NUMBREL_ROOT/build-fuzz"

# Builds every fuzz target with clang, instrumented, into build-fuzz; the view too, for the
# target that queries the display's accessible interface.
build_fuzzers() {
    build_quietly "$NUMBREL_FUZZ_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DNUMBREL_BUILD_VIEW=ON -DBUILD_TESTING=OFF \
        -DNUMBREL_BUILD_FUZZERS=ON
}

# The fuzz targets, one name a line: fuzz/NAME_fuzz.cpp.
fuzz_targets() {
    local source
    for source in "$NUMBREL_ROOT"/fuzz/*_fuzz.cpp; do basename "$source" _fuzz.cpp; done
}

# Runs every fuzz target for the given number of seconds, all at once, each from the committed
# seeds plus what earlier runs found (kept in build-fuzz/corpus). Names the executions per
# target; an input that breaks a property is saved in build-fuzz/artifacts and fails the run,
# with the end of that target's log.
run_fuzzers() {
    local seconds="$1" target targets=() pids=() failed=() i results=() joined
    mapfile -t targets < <(fuzz_targets)
    for target in "${targets[@]}"; do
        mkdir -p "$NUMBREL_FUZZ_BUILD/corpus/$target" "$NUMBREL_FUZZ_BUILD/artifacts/$target"
        LSAN_OPTIONS="suppressions=$NUMBREL_ROOT/fuzz/lsan.supp:print_suppressions=0" \
            "$NUMBREL_FUZZ_BUILD/fuzz/${target}_fuzz" -max_total_time="$seconds" -max_len=4096 \
            -timeout=10 -print_final_stats=1 -artifact_prefix="$NUMBREL_FUZZ_BUILD/artifacts/$target/" \
            "$NUMBREL_FUZZ_BUILD/corpus/$target" "$NUMBREL_ROOT/fuzz/corpus/$target" \
            >"$NUMBREL_FUZZ_BUILD/$target.log" 2>&1 &
        pids+=($!)
    done
    for i in "${!targets[@]}"; do
        wait "${pids[$i]}" || failed+=("${targets[$i]}")
        results+=("$(awk -v target="${targets[$i]}" '
            /stat::number_of_executed_units/ { runs = $2 }
            END { printf "%s %d runs", target, runs }' "$NUMBREL_FUZZ_BUILD/${targets[$i]}.log")")
    done
    for target in "${failed[@]}"; do
        tail -n 40 "$NUMBREL_FUZZ_BUILD/$target.log"
        echo "Fuzzing $target failed; the input is in build-fuzz/artifacts/$target, the log in build-fuzz/$target.log."
    done
    [[ ${#failed[@]} -eq 0 ]] || return 1
    printf -v joined '%s, ' "${results[@]}"
    summary "${joined%, }"
}
