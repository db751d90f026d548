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
function(brimzel_desktop_exec out path)
    # Exec takes the program as a quoted argument: \ " ` $ escaped and % doubled inside the
    # quotes, then backslashes escaped once more as in every desktop entry value.
    string(REPLACE "\\" "\\\\" path "${path}")
    string(REPLACE "\"" "\\\"" path "${path}")
    string(REPLACE "`" "\\`" path "${path}")
    string(REPLACE "$" "\\$" path "${path}")
    string(REPLACE "%" "%%" path "${path}")
    string(REPLACE "\\" "\\\\" path "\"${path}\"")
    set(${out} "${path}" PARENT_SCOPE)
endfunction()

function(brimzel_desktop_file program icon name name_cs comment comment_cs categories)
    set(prefix "${CMAKE_INSTALL_PREFIX}")
    brimzel_desktop_exec(exec "${prefix}/bin/${program}")
    string(REPLACE "\\" "\\\\" bin "${prefix}/bin")
    string(REPLACE "\\" "\\\\" icon_path "${prefix}/share/icons/hicolor/256x256/apps/${icon}.png")
    file(WRITE "${dest}/share/applications/${icon}.desktop"
"[Desktop Entry]
Type=Application
Version=1.0
Name=${name}
Name[cs]=${name_cs}
Comment=${comment}
Comment[cs]=${comment_cs}
Exec=${exec}
Path=${bin}
Icon=${icon_path}
Terminal=false
Categories=${categories}
")
endfunction()

file(MAKE_DIRECTORY "${dest}/share/applications")
brimzel_desktop_file(Brimzel brimzel "Brimzel" "Brimzel"
    "Steer a fly over painted maps, collect bubbles and keep clear of wasps"
    "Proleť s mouchou malovanými mapami, sbírej bubliny a vyhni se vosám"
    "Game;ArcadeGame;")
brimzel_desktop_file(Brimzel-Leveleditor brimzel-leveleditor "Brimzel Level Editor"
    "Brimzel – editor úrovní"
    "Place the fly and its enemies on a map for your own Brimzel levels"
    "Rozmísti mouchu a nepřátele na mapu pro vlastní úrovně hry Brimzel"
    "Game;ArcadeGame;")
brimzel_desktop_file(Brimzel-Options brimzel-options "Brimzel Options" "Brimzel – nastavení"
    "Change Brimzel's settings and look at or reset its high-score tables"
    "Změň nastavení hry Brimzel a prohlédni si nebo obnov tabulky nejlepších výsledků"
    "Game;Settings;")

message(STATUS "Brimzel installed in ${dest}")
