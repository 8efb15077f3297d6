# The print spooler interface talks to CUPS: a local spooler's queues are listed over its socket,
# and the library is loaded only when something else is first needed, so only its headers are
# needed here.
find_path(TESSALINE_CUPS_INCLUDE cups/cups.h REQUIRED)
target_link_libraries(tessaline_core PUBLIC ${CMAKE_DL_LIBS})
target_include_directories(tessaline_core PRIVATE ${TESSALINE_CUPS_INCLUDE})
