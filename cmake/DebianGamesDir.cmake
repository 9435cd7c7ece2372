# Run by CPack between staging and packing: Debian keeps games in /usr/games, so the game moves
# there in the package, while `make install` leaves it in bin/ where every PATH finds it.
set(staged ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX})
file(MAKE_DIRECTORY ${staged}/games)
file(RENAME ${staged}/bin/zorvagon ${staged}/games/zorvagon)
