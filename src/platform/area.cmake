# The print spooler interface talks to CUPS through its client library.
find_package(Cups REQUIRED)
target_link_libraries(tessaline_core PRIVATE Cups::Cups)
