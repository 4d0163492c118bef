# Installing Quellix as a desktop game, and packing it as a Debian package.
#
# The program finds its sounds (snd/) and its help file (QLX.hlp) beside the
# executable. They are installed together, as the build's
# bin/ folder holds them, into one private folder, and the command is a
# relative link to it, so the installed tree works under any prefix:
#
#   bin/quellix -> ../lib/quellix/quellix
#   lib/quellix/            quellix, QLX.hlp, snd/*.wav
#   share/applications/example.orlenda.Quellix.desktop
#   share/metainfo/example.orlenda.Quellix.metainfo.xml
#   share/icons/hicolor/NxN/apps/example.orlenda.Quellix.png, scalable/apps/….svg
#   share/doc/quellix/copyright
#
# On Windows the program folder is bin/ itself.
include(GNUInstallDirs)

set(QLX_APP_ID "example.orlenda.Quellix")
set(QLX_INSTALL_PROGRAM_DIR "${CMAKE_INSTALL_LIBDIR}/quellix")
if(WIN32)
  set(QLX_INSTALL_PROGRAM_DIR "${CMAKE_INSTALL_BINDIR}")
endif()

install(TARGETS quellix RUNTIME DESTINATION "${QLX_INSTALL_PROGRAM_DIR}")
# QLX_PROGRAM_DIR: where the build puts these files (set by assets/CMakeLists.txt).
install(FILES "${QLX_PROGRAM_DIR}/QLX.hlp" DESTINATION "${QLX_INSTALL_PROGRAM_DIR}")
install(FILES "${QLX_PROGRAM_DIR}/snd/OPENING.WAV" "${QLX_PROGRAM_DIR}/snd/APPLAUSE.wav"
        DESTINATION "${QLX_INSTALL_PROGRAM_DIR}/snd")

if(NOT WIN32)
  # The command on the PATH: a relative link into the program's folder.
  file(RELATIVE_PATH qlx_link_target "/${CMAKE_INSTALL_BINDIR}" "/${QLX_INSTALL_PROGRAM_DIR}/quellix")
  file(CREATE_LINK "${qlx_link_target}" "${CMAKE_CURRENT_BINARY_DIR}/quellix-command" SYMBOLIC)
  install(FILES "${CMAKE_CURRENT_BINARY_DIR}/quellix-command" DESTINATION "${CMAKE_INSTALL_BINDIR}" RENAME quellix)

  # The desktop's menu entry, the software centre's description and the icons.
  set(qlx_desktop "${CMAKE_SOURCE_DIR}/assets/desktop")
  install(FILES "${qlx_desktop}/${QLX_APP_ID}.desktop" DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/applications")
  install(FILES "${qlx_desktop}/${QLX_APP_ID}.metainfo.xml" DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/metainfo")
  set(qlx_icons "${CMAKE_SOURCE_DIR}/assets/icon")
  foreach(size 16 22 24 32 48 64 128)
    install(FILES "${qlx_icons}/quellix-${size}.png" RENAME "${QLX_APP_ID}.png"
            DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/${size}x${size}/apps")
  endforeach()
  install(FILES "${qlx_icons}/quellix.png" RENAME "${QLX_APP_ID}.png"
          DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/256x256/apps")
  install(FILES "${qlx_icons}/quellix.svg" RENAME "${QLX_APP_ID}.svg"
          DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/icons/hicolor/scalable/apps")
  install(FILES "${CMAKE_SOURCE_DIR}/LICENSE" RENAME copyright DESTINATION "${CMAKE_INSTALL_DATAROOTDIR}/doc/quellix")
endif()

# The Debian package: cpack -G DEB in the build folder gives quellix_1.0_<arch>.deb.
set(CPACK_PACKAGE_NAME "quellix")
set(CPACK_PACKAGE_VENDOR "Orlenda")
set(CPACK_PACKAGE_CONTACT "Quellix developers <quellix@orlenda.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tile-clearing puzzle game")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Click a group of two or more touching tiles of one kind: it vanishes and scores more the bigger it is. "
  "A Standard Game on a full board, or Falling Tiles against the clock, with four grid sizes, five picture "
  "sets and the best scores of every game.")
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_SOURCE_DIR}/LICENSE")
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.orlenda.example/")
# The libraries the program links are found by dpkg-shlibdeps;
# Qt's platform, image and audio plugins come with those libraries' packages.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The sans-serif with the widths the dialogs were laid out for.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
include(CPack)
