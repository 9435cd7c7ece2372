# `cpack -G DEB`: one Debian package holding both programs, its dependencies read from the
# binaries by dpkg-shlibdeps.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zorvagon)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Zorvagon developers")
set(CPACK_PACKAGE_CONTACT "The Zorvagon developers <help@zorvagon.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "match-three puzzle game and its theme compiler")
# Lines are kept short: the package description is shown as written.
set(CPACK_PACKAGE_DESCRIPTION [[
Zorvagon is a single-player match-three puzzle: swap two neighbouring
pieces on an 8 by 8 board so that three or more like pieces line up.
Cleared runs let the pieces above fall, and runs that form as the board
settles score as a chain. Three levels, a time bar, hints, a demo that
plays itself, and ten high scores per level that travel between
machines as score passwords.

Pixelkiln, the theme compiler, packs seven 28 by 28 bitmaps and a name
into a theme file that the game loads in place of its own pieces.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/DebianGamesDir.cmake)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.zorvagon.example/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The toolkit loads its Wayland plugin at run time, so no library names it: without it the
# programs cannot start on a Wayland session that has no X server beside it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-wayland)
# The help page opens in the desktop's browser through xdg-open; Qt's standard buttons and file
# dialogs speak the player's language with Qt's own translations; Japanese and Chinese texts need
# a font with their glyphs, which fontconfig falls back to.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-translations-l10n, fonts-noto-cjk")

include(CPack)
