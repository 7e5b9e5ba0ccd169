# Where Linux desktops look for a program, its menu entry and its icons.
include(GNUInstallDirs)

install(TARGETS veskaro RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/veskaro.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
foreach(size 16 32 48 64 128)
  install(FILES ${CMAKE_CURRENT_LIST_DIR}/icon-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME veskaro.png)
endforeach()
# What software centres list about it, and its manual page.
install(FILES ${PROJECT_SOURCE_DIR}/packaging/io.github.veskaro.veskaro.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Gzipped without name or time stamp, as Debian wants manual pages.
set(veskaro_manpage ${PROJECT_BINARY_DIR}/packaging/veskaro.1.gz)
add_custom_command(OUTPUT ${veskaro_manpage}
                   COMMAND gzip -9nc ${PROJECT_SOURCE_DIR}/packaging/veskaro.1 > ${veskaro_manpage}
                   DEPENDS ${PROJECT_SOURCE_DIR}/packaging/veskaro.1 VERBATIM)
add_custom_target(veskaro_manpage ALL DEPENDS ${veskaro_manpage})
install(FILES ${veskaro_manpage} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
