# The Windows zip: veskaro.exe exactly as built and tested, and a short README.
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_FILE_NAME veskaro-${PROJECT_VERSION}-win64)
# Explorer's "Extract all" makes the folder already.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)

# CRLF, so that Notepad on Windows 7 shows the lines too.
configure_file(${CMAKE_CURRENT_LIST_DIR}/README-win64.txt.in
               ${PROJECT_BINARY_DIR}/packaging/README.txt @ONLY NEWLINE_STYLE CRLF)
install(TARGETS veskaro RUNTIME DESTINATION .)
install(FILES ${PROJECT_BINARY_DIR}/packaging/README.txt DESTINATION .)
