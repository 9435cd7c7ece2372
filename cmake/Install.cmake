# What `cmake --install` puts where: the two programs, their desktop entries, hicolor icons,
# AppStream metadata, manual pages, licence and changelog.
include(GNUInstallDirs)

set(ZORV_DIST ${PROJECT_SOURCE_DIR}/dist)
set(ZORV_DOCDIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/zorvagon)
set(ZORV_ICON_SIZES 16 24 32 48 64 128 256)

install(TARGETS zorvagon pixelkiln RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

install(FILES ${ZORV_DIST}/zorvagon.desktop ${ZORV_DIST}/pixelkiln.desktop
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/applications)
install(FILES ${ZORV_DIST}/example.zorvagon.zorvagon.metainfo.xml
              ${ZORV_DIST}/example.zorvagon.pixelkiln.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/metainfo)

# The game's icons are its embedded artwork; the theme compiler's come from
# tools/make_pixelkiln_icons.py.
foreach(size ${ZORV_ICON_SIZES})
    set(icon_dir ${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps)
    install(FILES ${PROJECT_SOURCE_DIR}/game/resources/zorvagon-${size}.png
            DESTINATION ${icon_dir} RENAME zorvagon.png)
    install(FILES ${ZORV_DIST}/icons/pixelkiln-${size}.png DESTINATION ${icon_dir} RENAME pixelkiln.png)
endforeach()

# Manual pages and the changelog are installed compressed, without a time stamp in the gzip
# header, so that two builds of the same sources give the same files.
find_program(ZORV_GZIP gzip REQUIRED)
set(zorv_compressed)
foreach(source man/zorvagon.6 man/pixelkiln.1 changelog)
    get_filename_component(name ${source} NAME)
    set(output ${CMAKE_BINARY_DIR}/dist/${name}.gz)
    add_custom_command(OUTPUT ${output}
                       COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/dist
                       COMMAND ${ZORV_GZIP} -9 -n -c ${ZORV_DIST}/${source} > ${output}
                       DEPENDS ${ZORV_DIST}/${source} VERBATIM)
    list(APPEND zorv_compressed ${output})
endforeach()
add_custom_target(zorv_compressed_docs ALL DEPENDS ${zorv_compressed})

install(FILES ${CMAKE_BINARY_DIR}/dist/zorvagon.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/dist/pixelkiln.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${ZORV_DIST}/copyright ${CMAKE_BINARY_DIR}/dist/changelog.gz DESTINATION ${ZORV_DOCDIR})
