# Installation under a prefix (`cmake --install BUILD --prefix PREFIX`, `make install PREFIX=…`):
#   lib/metria/metria and lib/metria/wav/   the program with its cues beside it (App.Path)
#   bin/metria                              a relative symbolic link to it: the program resolves
#                                           its own folder through /proc/self/exe, so it still
#                                           finds wav/ when started by the link
#   share/applications/metria.desktop       the desktop entry
#   share/icons/hicolor/{32x32,256x256}/apps/metria.png   its icon
# `cmake --build BUILD --target uninstall` removes all of it again (install_manifest.txt).
install(TARGETS metria RUNTIME DESTINATION lib/metria)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/wav DESTINATION lib/metria)
install(CODE [[
  set(link "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin/metria")
  message(STATUS "Installing: ${link} -> ../lib/metria/metria")
  file(MAKE_DIRECTORY "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/bin")
  file(REMOVE "${link}")
  file(CREATE_LINK ../lib/metria/metria "${link}" SYMBOLIC)
  list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${link}")
]])
install(FILES ${CMAKE_SOURCE_DIR}/packaging/metria.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/metria_32.png DESTINATION share/icons/hicolor/32x32/apps
        RENAME metria.png)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/metria_256.png DESTINATION share/icons/hicolor/256x256/apps
        RENAME metria.png)

add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
          -P ${CMAKE_SOURCE_DIR}/packaging/uninstall.cmake
  COMMENT "Removing the installed program, desktop entry and icons"
  VERBATIM)
