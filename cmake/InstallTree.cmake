# Runs at install time with BRIMZEL_TREE set; copies the tree into CMAKE_INSTALL_PREFIX.
set(dest "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
foreach(folder bin gfx sound levels levels/user highscore highscore/default save screenshots options)
    file(MAKE_DIRECTORY "${dest}/${folder}")
endforeach()
file(GLOB_RECURSE files RELATIVE "${BRIMZEL_TREE}" "${BRIMZEL_TREE}/*")
foreach(rel IN LISTS files)
    set(player_data FALSE)
    if(rel STREQUAL "bin/Brimzel.ini" OR rel MATCHES "^highscore/[^/]+$" OR rel MATCHES "^(save|screenshots|options|levels/user)/")
        set(player_data TRUE)
    endif()
    if(player_data AND EXISTS "${dest}/${rel}")
        continue()
    endif()
    get_filename_component(dir "${dest}/${rel}" DIRECTORY)
    file(COPY "${BRIMZEL_TREE}/${rel}" DESTINATION "${dir}")
endforeach()

# Desktop menu launchers, written now so that they hold the real installation paths. Every
# program starts in bin/, where the editors look for the options file.
include("${CMAKE_CURRENT_LIST_DIR}/DesktopEntries.cmake")
brimzel_desktop_entries("${dest}/share/applications" PORTABLE "${CMAKE_INSTALL_PREFIX}")

message(STATUS "Brimzel installed in ${dest}")
