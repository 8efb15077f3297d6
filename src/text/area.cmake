# The four-language text tables are data files in this folder. A small host tool turns them into
# a C++ source of constant tables at build time; nothing is read at run time.
set(text_table_dir ${CMAKE_CURRENT_LIST_DIR})
set(text_table_files
    ${text_table_dir}/shared_lists.tsv
    ${text_table_dir}/items.tsv
    ${text_table_dir}/print_items.tsv
    ${text_table_dir}/messages.tsv
    ${text_table_dir}/guides.tsv
    ${text_table_dir}/own_messages.tsv
    ${text_table_dir}/details.tsv)
set(text_table_source ${CMAKE_BINARY_DIR}/generated/text_tables_data.cpp)

add_executable(generate_text_tables ${text_table_dir}/generator/generate_text_tables.cxx)
set_target_properties(generate_text_tables PROPERTIES RUNTIME_OUTPUT_DIRECTORY
                                                      ${CMAKE_BINARY_DIR}/tools)

add_custom_command(
    OUTPUT ${text_table_source}
    COMMAND generate_text_tables ${text_table_source} ${text_table_files}
    DEPENDS generate_text_tables ${text_table_files}
    COMMENT "Generating the text tables"
    VERBATIM)
target_sources(tessaline_core PRIVATE ${text_table_source})
