# Installing Quellix as a desktop game, and packing it as a Debian package.
#
# The program finds its sounds (snd/), its sound module (modules/), its help
# files (QLX.hlp and the translated QLX_<lang>.hlp), its translations
# (translations/) and its pictures drawn ready (pictures/) beside the executable. They are installed together, as the build's
# bin/ folder holds them, into one private folder, and the command is a
# relative link to it, so the installed tree works under any prefix:
#
#   bin/quellix -> ../lib/quellix/quellix
#   lib/quellix/            quellix, QLX.hlp, QLX_<lang>.hlp, snd/*.wav, translations/quellix_<lang>.qm,
#                           pictures/*.qlxp, pictures/<pixels>/*.qlxp, modules/quellix-sound.so (where built)
#   share/applications/example.orlenda.Quellix.desktop
#   share/metainfo/example.orlenda.Quellix.metainfo.xml
#   share/icons/hicolor/NxN/apps/example.orlenda.Quellix.png, scalable/apps/….svg
#   share/doc/quellix/copyright
#   share/man/man6/quellix.6.gz
#
# The Debian package puts the command where Debian keeps games, /usr/games
# (games/quellix -> ../lib/quellix/quellix), and adds the Debian changelog
# (see cmake/debian_package.cmake.in).
#
# On Windows the program folder is bin/ itself.
include(GNUInstallDirs)

set(QLX_APP_ID "example.orlenda.Quellix")
set(QLX_INSTALL_PROGRAM_DIR "${CMAKE_INSTALL_LIBDIR}/quellix")
if(WIN32)
  set(QLX_INSTALL_PROGRAM_DIR "${CMAKE_INSTALL_BINDIR}")
endif()

install(TARGETS quellix RUNTIME DESTINATION "${QLX_INSTALL_PROGRAM_DIR}")
if(TARGET quellix_sound)
  # In a folder of its own: a private module, not a library for ldconfig.
  install(TARGETS quellix_sound LIBRARY DESTINATION "${QLX_INSTALL_PROGRAM_DIR}/modules")
endif()
# QLX_PROGRAM_DIR: where the build puts these files (set by assets/CMakeLists.txt).
install(FILES ${QLX_HELP_FILES} DESTINATION "${QLX_INSTALL_PROGRAM_DIR}")
# The translations (set by i18n/CMakeLists.txt).
install(FILES ${QLX_QM_FILES} DESTINATION "${QLX_INSTALL_PROGRAM_DIR}/translations")
install(FILES "${QLX_PROGRAM_DIR}/snd/OPENING.WAV" "${QLX_PROGRAM_DIR}/snd/APPLAUSE.wav"
        DESTINATION "${QLX_INSTALL_PROGRAM_DIR}/snd")
# The pictures drawn ready (set by ui/CMakeLists.txt).
install(DIRECTORY "${QLX_READY_PICTURES_DIR}/" DESTINATION "${QLX_INSTALL_PROGRAM_DIR}/pictures")

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

  # The manual page, compressed as Debian keeps manual pages (no name or time
  # in the gzip header, so that the same page gives the same bytes).
  find_program(QLX_GZIP gzip REQUIRED)
  set(qlx_man "${CMAKE_CURRENT_BINARY_DIR}/man/quellix.6")
  add_custom_command(OUTPUT "${qlx_man}.gz"
    COMMAND "${CMAKE_COMMAND}" -E copy "${CMAKE_SOURCE_DIR}/assets/man/quellix.6" "${qlx_man}"
    COMMAND "${QLX_GZIP}" -9nf "${qlx_man}"
    DEPENDS "${CMAKE_SOURCE_DIR}/assets/man/quellix.6" VERBATIM)
  add_custom_target(quellix_manual ALL DEPENDS "${qlx_man}.gz")
  install(FILES "${qlx_man}.gz" DESTINATION "${CMAKE_INSTALL_MANDIR}/man6")
endif()

# The Debian package: cpack -G DEB in the build folder gives quellix_1.0-1_<arch>.deb.
set(CPACK_PACKAGE_NAME "quellix")
set(CPACK_PACKAGE_VENDOR "Orlenda")
set(CPACK_PACKAGE_CONTACT "Quellix developers <quellix@orlenda.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tile-clearing puzzle game")
# Lines of at most 80 characters, as Debian's tools show them.
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Quellix is a puzzle for one player on a grid of square tiles of five to\n"
  "eight kinds. Click a group of two or more touching tiles of one kind: it\n"
  "vanishes and scores more the bigger it is, the tiles above fall down and\n"
  "the rows slide right. The game ends when no group is left.\n"
  "\n"
  "Play a Standard Game on a full board, or Falling Tiles, where new tiles\n"
  "drop in from the top while the clock counts down. Four grid sizes, three\n"
  "tile sizes and five picture sets; the three best scores of every game are\n"
  "kept with the players' names.")
set(CPACK_RESOURCE_FILE_LICENSE "${CMAKE_SOURCE_DIR}/LICENSE")
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A Debian revision of the upstream version, whose history is the Debian changelog.
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.orlenda.example/")
# The libraries the program links are found by dpkg-shlibdeps and added to
# these; Qt's platform, image and audio plugins come with those libraries'
# packages. The window and its dialogs are measured with Liberation Sans.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt SVG's image plugin draws the vector pictures the build did not draw
# ready; the program loads it, it does not link it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, libqt6svg6")
# Qt's own translations, of the standard buttons of message boxes, for a
# player whose desktop speaks one of the game's languages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
# After the files are laid out for the package and before it is packed: the
# command into /usr/games, the Debian changelog, and the compiler's notes out
# of the program as Debian's own strip leaves it.
find_program(QLX_GZIP gzip)
configure_file("${CMAKE_SOURCE_DIR}/cmake/debian_package.cmake.in" "${CMAKE_BINARY_DIR}/debian_package.cmake" @ONLY)
set(CPACK_PRE_BUILD_SCRIPTS "${CMAKE_BINARY_DIR}/debian_package.cmake")
include(CPack)
