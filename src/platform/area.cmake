# The print spooler interface talks to CUPS.
find_library(TESSALINE_CUPS_LIBRARY cups REQUIRED)
find_path(TESSALINE_CUPS_INCLUDE cups/cups.h REQUIRED)
target_link_libraries(tessaline_core PUBLIC ${TESSALINE_CUPS_LIBRARY})
target_include_directories(tessaline_core PRIVATE ${TESSALINE_CUPS_INCLUDE})
