# `cmake --install` notes in install_folders.txt, in the build folder, the folders it is about to
# make, deepest first, so that they can be removed again with the files (see the README):
# every folder on the way to a destination of numbrel_install() that does not exist yet when
# the installation starts.

# install() with the same arguments; its DESTINATION is noted for install_folders.txt.
function(numbrel_install)
    install(${ARGN})
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "DESTINATION" "")
    set_property(GLOBAL APPEND PROPERTY NUMBREL_INSTALL_DESTINATIONS ${arg_DESTINATION})
endfunction()

# Call it before any numbrel_install(), so that its rule runs before any file is installed.
function(numbrel_note_install_folders)
    install(CODE "include(\"${PROJECT_BINARY_DIR}/numbrel_install_folders.cmake\")")
    cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR}
        CALL numbrel_write_install_folders_script)
endfunction()

# Writes the install rule's script once every destination is known.
function(numbrel_write_install_folders_script)
    set(script ${PROJECT_BINARY_DIR}/numbrel_install_folders.cmake)
    get_property(destinations GLOBAL PROPERTY NUMBREL_INSTALL_DESTINATIONS)
    file(WRITE ${script} "set(destinations \"${destinations}\")
set(new_folders)
foreach(destination IN LISTS destinations)
    set(folder \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/\${destination}\")
    while(NOT EXISTS \"\${folder}\")
        list(APPEND new_folders \"\${folder}\")
        get_filename_component(folder \"\${folder}\" DIRECTORY)
    endwhile()
endforeach()
list(REMOVE_DUPLICATES new_folders)
# Descending, the folders in a folder come before it.
list(SORT new_folders ORDER DESCENDING)
list(TRANSFORM new_folders APPEND \"\\n\")
list(JOIN new_folders \"\" text)
file(WRITE \"${PROJECT_BINARY_DIR}/install_folders.txt\" \"\${text}\")
")
endfunction()
