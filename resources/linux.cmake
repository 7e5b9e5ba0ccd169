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
