# Warning flags shared by every target of the project (through numbrel_build_flags).
option(NUMBREL_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

add_library(numbrel_warnings INTERFACE)
target_compile_options(numbrel_warnings INTERFACE
    -Wall -Wextra -Wpedantic
    -Wshadow            # a local hiding a member is a classic handler bug
    -Wconversion        # text <-> number code must make every narrowing explicit
    -Wsign-conversion
    $<$<BOOL:${NUMBREL_WARNINGS_AS_ERRORS}>:-Werror>)

# GCC 12's optimiser reports impossible overlaps inside std::string's own copying when it
# inlines an assignment (-Wrestrict, "accessing 9223372036854775810 or more bytes"); the
# warning points into the standard library, never at our code. Later GCCs no longer report it.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(numbrel_warnings INTERFACE -Wno-restrict)
endif()
