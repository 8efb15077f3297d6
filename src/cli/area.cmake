# The command line tool is started once for every scripted call; with the C++ runtime linked in,
# the loader has one library less to find and relocate, about a millisecond of every start.
target_link_options(tessaline-cli PRIVATE -static-libstdc++ -static-libgcc)
# JSON for --json.
find_package(nlohmann_json 3 REQUIRED)
target_link_libraries(tessaline_cli PUBLIC nlohmann_json::nlohmann_json)
