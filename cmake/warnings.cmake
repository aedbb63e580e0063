# Warning flags shared by every target of the project, linked PRIVATE so they never leak
# into a consuming project.
option(NUMBREL_WARNINGS_AS_ERRORS "Treat compiler warnings as errors" OFF)

add_library(numbrel_warnings INTERFACE)
target_compile_options(numbrel_warnings INTERFACE
    -Wall -Wextra -Wpedantic
    -Wshadow            # a local hiding a member is a classic handler bug
    -Wconversion        # text <-> number code must make every narrowing explicit
    -Wsign-conversion
    $<$<BOOL:${NUMBREL_WARNINGS_AS_ERRORS}>:-Werror>)
