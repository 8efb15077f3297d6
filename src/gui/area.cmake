# The windows: Qt 6 Widgets over the core models. Qt is linked here and nowhere below.
find_package(Qt6 REQUIRED COMPONENTS Widgets Svg Network Test)

foreach(target tessaline_gui tessaline)
    set_target_properties(${target} PROPERTIES AUTOMOC ON POSITION_INDEPENDENT_CODE ON)
endforeach()
target_link_libraries(tessaline_gui PUBLIC Qt6::Widgets Qt6::Svg Qt6::Network)

# Dialog templates and pictures are compiled into the library.
file(GLOB gui_template_files CONFIGURE_DEPENDS
     ${CMAKE_CURRENT_SOURCE_DIR}/resources/templates/*.tsv
     ${CMAKE_CURRENT_SOURCE_DIR}/resources/pictures/*.svg)
qt_add_resources(tessaline_gui tessaline_gui_resources
    PREFIX /
    BASE ${CMAKE_CURRENT_SOURCE_DIR}/resources
    FILES ${gui_template_files})
