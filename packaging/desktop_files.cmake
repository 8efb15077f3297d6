# What a desktop and a Debian system expect beside the programs: the icon as PNG in the usual
# sizes (drawn from the one SVG at build time), AppStream metadata and compressed man pages; the
# copyright file comes with the package rules (deb.cmake). The target tessaline-desktop-files
# (part of a full build) makes the icons and the pages.
set(TESSALINE_ICON_SIZES 16 22 24 32 48 64 128 256)
set(TESSALINE_APP_ID org.tessaline.Tessaline)
set(desktop_out ${CMAKE_BINARY_DIR}/desktop)
set(desktop_outputs)

find_program(RSVG_CONVERT rsvg-convert)
if(TARGET tessaline AND NOT RSVG_CONVERT)
    message(WARNING "rsvg-convert (Debian package librsvg2-bin) not found: no PNG icons")
elseif(TARGET tessaline)
    set(icon_svg ${CMAKE_CURRENT_SOURCE_DIR}/resources/pictures/tessaline.svg)
    foreach(size IN LISTS TESSALINE_ICON_SIZES)
        set(png ${desktop_out}/icons/${size}x${size}/tessaline.png)
        add_custom_command(OUTPUT ${png}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${desktop_out}/icons/${size}x${size}
            COMMAND ${RSVG_CONVERT} --width=${size} --height=${size} --output=${png} ${icon_svg}
            DEPENDS ${icon_svg} VERBATIM)
        list(APPEND desktop_outputs ${png})
        install(FILES ${png}
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
endif()

find_program(GZIP gzip REQUIRED)
foreach(program tessaline tessaline-cli tessaline-sim)
    if(NOT TARGET ${program})
        continue()
    endif()
    # The page with the project's version in its footer, compressed; -n: no name or time stamp
    # in the header, so the same page gives the same bytes.
    set(page ${desktop_out}/man/${program}.1)
    configure_file(${CMAKE_CURRENT_SOURCE_DIR}/resources/man/${program}.1 ${page} @ONLY)
    add_custom_command(OUTPUT ${page}.gz
        COMMAND ${GZIP} -n -9 -c ${page} > ${page}.gz
        DEPENDS ${page})
    list(APPEND desktop_outputs ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()

add_custom_target(tessaline-desktop-files ALL DEPENDS ${desktop_outputs})

if(TARGET tessaline)
    install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/desktop/${TESSALINE_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/desktop/${TESSALINE_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    # The window icon and the desktop icon are one drawing.
    install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/resources/pictures/tessaline.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()
