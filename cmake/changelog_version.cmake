# The project's version is that of the newest entry in debian/changelog, the one list of its
# releases, so that the program, its manual page, its metainfo check and its package agree.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../debian/changelog numbrel_newest_entry
    LIMIT_COUNT 1 REGEX "^numbrel \\(")
if(NOT numbrel_newest_entry MATCHES "^numbrel \\(([0-9]+\\.[0-9]+\\.[0-9]+)\\)")
    message(FATAL_ERROR "debian/changelog does not start with an entry 'numbrel (X.Y.Z)'")
endif()
set(NUMBREL_CHANGELOG_VERSION ${CMAKE_MATCH_1})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_LIST_DIR}/../debian/changelog)
