# What `cmake --install` puts on a system: the three programs, the desktop entry with its icons,
# the AppStream metadata, the man pages, the copyright file and the example configurations. Every
# text, template and picture the programs use is compiled in, so nothing else is read from disk at
# run time. Tests, benches and fuzzers stay in the build tree.
include(GNUInstallDirs)

# Installing (and packaging) needs only the installed programs, not the whole build with its tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

foreach(program tessaline tessaline-cli tessaline-sim)
    if(TARGET ${program})
        install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    endif()
endforeach()

include(${CMAKE_CURRENT_LIST_DIR}/desktop_files.cmake)

install(DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR}/resources/examples/
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tessaline/examples
        FILES_MATCHING PATTERN "*.prn")
