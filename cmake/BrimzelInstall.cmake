# `cmake --install` copies the staged tree to the prefix. What players make of their tree
# (options, tables, saved progress, user levels, screenshots) is kept when it already exists,
# so running the set-up again never throws a player's scores away.
install(CODE "
    set(BRIMZEL_TREE \"${BRIMZEL_TREE}\")
    include(\"${CMAKE_SOURCE_DIR}/cmake/InstallTree.cmake\")
")
