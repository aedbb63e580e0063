# Instrumented builds. NUMBREL_SANITIZE builds everything with AddressSanitizer and
# UndefinedBehaviorSanitizer, stopping at the first report. NUMBREL_BUILD_FUZZERS implies it,
# adds libFuzzer's coverage instrumentation (clang only) and the targets in fuzz/.
option(NUMBREL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(NUMBREL_BUILD_FUZZERS "Build the libFuzzer targets in fuzz/ (needs clang)" OFF)

if(NUMBREL_SANITIZE OR NUMBREL_BUILD_FUZZERS)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(NUMBREL_BUILD_FUZZERS)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "NUMBREL_BUILD_FUZZERS needs clang (set CMAKE_CXX_COMPILER=clang++)")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
