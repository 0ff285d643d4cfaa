# Installation under a prefix (`cmake --install BUILD --prefix PREFIX`, `make install PREFIX=…`):
#   lib/metria/metria                       the program
#   share/metria/wav/                       its cues, data shared by every architecture
#   lib/metria/wav                          a link to them: the program reads its cues beside it
#   bin/metria                              a relative symbolic link to the program: it resolves
#                                           its own folder through /proc/self/exe, so it still
#                                           finds wav/ when started by the link
#   share/applications/metria.desktop       the desktop entry
#   share/icons/hicolor/{32x32,256x256}/apps/metria.png   its icon
#   share/man/man6/metria.6, share/man/ja/man6/metria.6   the manual page, English and Japanese
#   share/metainfo/org.example.metria.metainfo.xml        the AppStream description
# `cmake --build BUILD --target uninstall` removes all of it again (install_manifest.txt).
install(TARGETS metria RUNTIME DESTINATION lib/metria)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/wav DESTINATION share/metria)
install(CODE [[
  foreach(pair "bin/metria;../lib/metria/metria" "lib/metria/wav;../../share/metria/wav")
    list(GET pair 0 name)
    list(GET pair 1 target)
    set(link "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${name}")
    message(STATUS "Installing: ${link} -> ${target}")
    get_filename_component(folder "${link}" DIRECTORY)
    file(MAKE_DIRECTORY "${folder}")
    file(REMOVE "${link}")
    file(CREATE_LINK "${target}" "${link}" SYMBOLIC)
    list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${link}")
  endforeach()
]])
install(FILES ${CMAKE_SOURCE_DIR}/packaging/metria.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/metria_32.png DESTINATION share/icons/hicolor/32x32/apps
        RENAME metria.png)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/metria_256.png DESTINATION share/icons/hicolor/256x256/apps
        RENAME metria.png)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/man/metria.6 DESTINATION share/man/man6)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/man/metria.ja.6 DESTINATION share/man/ja/man6 RENAME metria.6)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/org.example.metria.metainfo.xml DESTINATION share/metainfo)

add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
          -P ${CMAKE_SOURCE_DIR}/packaging/uninstall.cmake
  COMMENT "Removing the installed program, desktop entry and icons"
  VERBATIM)
