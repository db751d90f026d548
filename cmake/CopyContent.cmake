# cmake -DFROM=<build folder> -DTO=<build folder> -P CopyContent.cmake: copies the generated
# content of one build's tree (and its overview sheet) into another's. The programs in bin/ are
# left out; each build makes its own.
file(COPY "${FROM}/tree/" DESTINATION "${TO}/tree" REGEX "/tree/bin/[^/]+$" EXCLUDE)
file(GLOB options_files "${FROM}/tree/bin/*.ini")
file(COPY ${options_files} DESTINATION "${TO}/tree/bin")
file(COPY "${FROM}/content-overview.png" DESTINATION "${TO}")
