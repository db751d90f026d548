# The three desktop menu launchers, for either layout.
#  brimzel_desktop_entries(<folder> PORTABLE <prefix>): programs by their full path in
#    <prefix>/bin, started there, icons by file path.
#  brimzel_desktop_entries(<folder> SYSTEM): commands on the PATH, icons from the theme.

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

function(brimzel_desktop_file folder layout prefix program command name name_cs comment comment_cs
         categories keywords)
    if(layout STREQUAL "SYSTEM")
        set(lines "Exec=${command}\nIcon=${command}\n")
    else()
        brimzel_desktop_exec(exec "${prefix}/bin/${program}")
        string(REPLACE "\\" "\\\\" bin "${prefix}/bin")
        string(REPLACE "\\" "\\\\" icon "${prefix}/share/icons/hicolor/256x256/apps/${command}.png")
        set(lines "Exec=${exec}\nPath=${bin}\nIcon=${icon}\n")
    endif()
    file(WRITE "${folder}/${command}.desktop"
"[Desktop Entry]
Type=Application
Version=1.0
Name=${name}
Name[cs]=${name_cs}
Comment=${comment}
Comment[cs]=${comment_cs}
${lines}Terminal=false
Categories=${categories}
Keywords=${keywords}
")
endfunction()

function(brimzel_desktop_entries folder layout)
    set(prefix "${ARGN}")
    file(MAKE_DIRECTORY "${folder}")
    brimzel_desktop_file("${folder}" ${layout} "${prefix}" Brimzel brimzel "Brimzel" "Brimzel"
        "Steer a fly over painted maps, collect bubbles and keep clear of wasps"
        "Proleť s mouchou malovanými mapami, sbírej bubliny a vyhni se vosám"
        "Game;ArcadeGame;" "fly;bubbles;arcade;")
    brimzel_desktop_file("${folder}" ${layout} "${prefix}" Brimzel-Leveleditor brimzel-leveleditor
        "Brimzel Level Editor" "Brimzel – editor úrovní"
        "Place the fly and its enemies on a map for your own Brimzel levels"
        "Rozmísti mouchu a nepřátele na mapu pro vlastní úrovně hry Brimzel"
        "Game;ArcadeGame;" "level;editor;")
    brimzel_desktop_file("${folder}" ${layout} "${prefix}" Brimzel-Options brimzel-options
        "Brimzel Options" "Brimzel – nastavení"
        "Change Brimzel's settings and look at or reset its high-score tables"
        "Změň nastavení hry Brimzel a prohlédni si nebo obnov tabulky nejlepších výsledků"
        "Game;Settings;" "settings;high scores;")
endfunction()
