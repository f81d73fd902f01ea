# The release: `cmake --build --preset <mingw preset> --target package` makes one zip per
# architecture holding both programs, the sample folder ready to run beside them, a read-me for
# Windows users and the licence, all in one folder named after the zip.
set(TARNWICK_PACKAGE_ARCH ${CMAKE_SYSTEM_PROCESSOR})
# Windows users read these with Notepad: CR LF line ends (the read-me starts with a UTF-8 mark).
configure_file(packaging/README.txt.in ${CMAKE_BINARY_DIR}/release/README.txt @ONLY NEWLINE_STYLE CRLF)
configure_file(LICENSE ${CMAKE_BINARY_DIR}/release/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)

install(TARGETS TarnwickLauncher TarnwickLauncherLE RUNTIME DESTINATION .)
install(DIRECTORY sample/ DESTINATION .)
install(FILES ${CMAKE_BINARY_DIR}/release/README.txt ${CMAKE_BINARY_DIR}/release/LICENSE.txt DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME TarnwickLauncher)
set(CPACK_PACKAGE_VENDOR "Tarnwick Software")
set(CPACK_PACKAGE_FILE_NAME TarnwickLauncher-${PROJECT_VERSION}-${TARNWICK_PACKAGE_ARCH})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
include(CPack)
