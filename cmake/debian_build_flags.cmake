# The hardening Debian builds its packages with, for the program that goes into the package:
# dpkg-buildflags with every hardening feature (fortify, stack protector, relro and bind-now;
# PIE is the compiler's default), by default when this is the top-level project. The build type still chooses optimisation and debug
# information, so -O and -g are dropped; and the flags apply to optimised builds only, because
# fortify needs the optimiser. The flags come with numbrel_debian_flags, which is empty when the
# option is off.
add_library(numbrel_debian_flags INTERFACE)

find_program(NUMBREL_DPKG_BUILDFLAGS dpkg-buildflags)
set(numbrel_debian_flags_default OFF)
if(PROJECT_IS_TOP_LEVEL AND NUMBREL_DPKG_BUILDFLAGS AND NUMBREL_BUILD_VIEW AND NOT NUMBREL_SANITIZE
   AND NOT NUMBREL_BUILD_FUZZERS)
    set(numbrel_debian_flags_default ON)
endif()
option(NUMBREL_DEBIAN_BUILD_FLAGS "Build with Debian's hardening flags (dpkg-buildflags)"
    ${numbrel_debian_flags_default})

# Sets out_var to the list of flags dpkg-buildflags gives for kind (CPPFLAGS, CXXFLAGS, ...).
function(numbrel_dpkg_buildflags kind out_var)
    execute_process(
        COMMAND ${CMAKE_COMMAND} -E env DEB_BUILD_MAINT_OPTIONS=hardening=+all
                ${NUMBREL_DPKG_BUILDFLAGS} --get ${kind}
        WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}  # so that file paths are kept relative
        OUTPUT_VARIABLE flags
        OUTPUT_STRIP_TRAILING_WHITESPACE
        COMMAND_ERROR_IS_FATAL ANY)
    separate_arguments(flags UNIX_COMMAND "${flags}")
    list(FILTER flags EXCLUDE REGEX "^-(O.*|g)$")
    set(${out_var} ${flags} PARENT_SCOPE)
endfunction()

if(NUMBREL_DEBIAN_BUILD_FLAGS)
    numbrel_dpkg_buildflags(CPPFLAGS preprocessor_flags)
    numbrel_dpkg_buildflags(CXXFLAGS compiler_flags)
    numbrel_dpkg_buildflags(LDFLAGS linker_flags)
    set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
    target_compile_options(numbrel_debian_flags INTERFACE
        "$<${optimised}:${preprocessor_flags};${compiler_flags}>")
    target_link_options(numbrel_debian_flags INTERFACE "$<${optimised}:${linker_flags}>")
endif()
