# Lays out the system installation of a built tree under a prefix, as the Debian package
# holds it:
#   cmake -DBRIMZEL_TREE=<build>/tree -DBRIMZEL_SOURCE=<source> -DPREFIX=<stage>/usr -P this
# <prefix>/games           brimzel, brimzel-leveleditor, brimzel-options, brimzel-replay
# <prefix>/share/games/brimzel   read-only data: gfx, sound, levels, the default tables and
#                          the default options file (each user's copies live in their home)
# <prefix>/share/...       launchers, icons, AppStream entry, man pages, copyright
foreach(var BRIMZEL_TREE BRIMZEL_SOURCE PREFIX)
    if(NOT ${var})
        message(FATAL_ERROR "${var} is not set")
    endif()
endforeach()
set(data "${PREFIX}/share/games/brimzel")
file(REMOVE_RECURSE "${PREFIX}")
file(MAKE_DIRECTORY "${PREFIX}/games")

foreach(pair Brimzel:brimzel Brimzel-Leveleditor:brimzel-leveleditor
             Brimzel-Options:brimzel-options brimzel-replay:brimzel-replay)
    string(REPLACE ":" ";" pair "${pair}")
    list(GET pair 0 built)
    list(GET pair 1 command)
    file(COPY_FILE "${BRIMZEL_TREE}/bin/${built}" "${PREFIX}/games/${command}")
    file(CHMOD "${PREFIX}/games/${command}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
         GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
endforeach()

file(MAKE_DIRECTORY "${data}/bin" "${data}/highscore")
file(COPY "${BRIMZEL_TREE}/gfx" "${BRIMZEL_TREE}/sound" DESTINATION "${data}")
file(COPY "${BRIMZEL_TREE}/levels" DESTINATION "${data}" PATTERN "user" EXCLUDE)
file(COPY "${BRIMZEL_TREE}/highscore/default" DESTINATION "${data}/highscore")
file(COPY "${BRIMZEL_TREE}/bin/Brimzel.ini" DESTINATION "${data}/bin")

include("${CMAKE_CURRENT_LIST_DIR}/DesktopEntries.cmake")
brimzel_desktop_entries("${PREFIX}/share/applications" SYSTEM)
file(COPY "${BRIMZEL_TREE}/share/icons" DESTINATION "${PREFIX}/share")
set(packaging "${BRIMZEL_SOURCE}/packaging")
file(COPY "${packaging}/brimzel.metainfo.xml" DESTINATION "${PREFIX}/share/metainfo")
file(COPY "${BRIMZEL_SOURCE}/debian/copyright" DESTINATION "${PREFIX}/share/doc/brimzel")

# Man pages and the changelog compressed the Debian way: best, without a time stamp.
function(gzip_into source target)
    get_filename_component(folder "${target}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    execute_process(COMMAND gzip -9nc "${source}" OUTPUT_FILE "${target}" RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "gzip ${source} failed")
    endif()
endfunction()
foreach(command brimzel brimzel-leveleditor brimzel-options brimzel-replay)
    gzip_into("${packaging}/man/${command}.6" "${PREFIX}/share/man/man6/${command}.6.gz")
endforeach()
gzip_into("${BRIMZEL_SOURCE}/debian/changelog" "${PREFIX}/share/doc/brimzel/changelog.gz")

# Files readable by all, folders enterable by all, whatever the umask of the build.
file(GLOB_RECURSE staged LIST_DIRECTORIES true "${PREFIX}/share/*")
foreach(path IN LISTS staged)
    if(IS_DIRECTORY "${path}")
        file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
             GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    else()
        file(CHMOD "${path}" PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    endif()
endforeach()
