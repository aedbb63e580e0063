# Instrumented builds. NUMBREL_SANITIZE builds every target of the project with
# AddressSanitizer and UndefinedBehaviorSanitizer, stopping at the first report.
# NUMBREL_BUILD_FUZZERS implies it, adds libFuzzer's coverage instrumentation (clang only) and
# the targets in fuzz/. The flags come with numbrel_sanitizers, which is empty in a plain build.
option(NUMBREL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(NUMBREL_BUILD_FUZZERS "Build the libFuzzer targets in fuzz/ (needs clang)" OFF)

add_library(numbrel_sanitizers INTERFACE)

if(NUMBREL_SANITIZE OR NUMBREL_BUILD_FUZZERS)
    target_compile_options(numbrel_sanitizers INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(numbrel_sanitizers INTERFACE -fsanitize=address,undefined)
endif()

if(NUMBREL_BUILD_FUZZERS)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "NUMBREL_BUILD_FUZZERS needs clang (set CMAKE_CXX_COMPILER=clang++)")
    endif()
    target_compile_options(numbrel_sanitizers INTERFACE -fsanitize=fuzzer-no-link)
endif()
