# BRIMZEL_SANITIZE: every target built with AddressSanitizer and UndefinedBehaviorSanitizer.
# Undefined behaviour aborts the program, so a test that meets it fails instead of printing a
# warning nobody reads. Used by scripts/sanitize.sh in its own build folder.
option(BRIMZEL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
if(BRIMZEL_SANITIZE)
    set(brimzel_sanitize_flags -fsanitize=address,undefined -fno-sanitize-recover=undefined
                               -fno-omit-frame-pointer)
    add_compile_options(${brimzel_sanitize_flags})
    add_link_options(${brimzel_sanitize_flags})
endif()
