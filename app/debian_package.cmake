# The Debian package, made by CPack from the install rules: `make package`, or cpack in the build
# folder, writes nordamo_<version>_<arch>.deb. Besides the game, its analysis program and its review
# window it installs
# their manual pages, the licence as a Debian copyright file and the changelog.

# The manual page and the changelog, compressed the way Debian wants them: no name or time stamp
# in the gzip header, so the same text gives the same bytes.
find_program(GZIP gzip REQUIRED)
foreach(document nordamo.6 nordamo-analyse.6 nordamo-review.6 changelog)
  add_custom_command(OUTPUT ${document}.gz
    COMMAND ${GZIP} -9n < ${CMAKE_CURRENT_SOURCE_DIR}/${document} > ${document}.gz
    DEPENDS ${document} VERBATIM)
endforeach()
add_custom_target(compressed_documents ALL DEPENDS nordamo.6.gz nordamo-analyse.6.gz nordamo-review.6.gz changelog.gz)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/nordamo.6.gz ${CMAKE_CURRENT_BINARY_DIR}/nordamo-analyse.6.gz
        ${CMAKE_CURRENT_BINARY_DIR}/nordamo-review.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

# The copyright file in Debian's machine-readable format, from LICENSE: its copyright line, and
# its text from the permission notice on as the licence paragraph (Debian calls MIT "Expat").
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REGEX MATCH "Copyright \\(c\\) ([^\n]*)" _ "${licence}")
set(holders "${CMAKE_MATCH_1}")
string(REGEX REPLACE "^.*\n\n(Permission )" "\\1" terms "${licence}")
string(STRIP "${terms}" terms)
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " terms "${terms}")
file(CONFIGURE OUTPUT copyright @ONLY CONTENT "\
Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: nordamo

Files: *
Copyright: @holders@
License: Expat
 @terms@
")
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_PACKAGE_CONTACT "The Nordamo developers <nordamo@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries come from what the program links; the window's texts need a Japanese Gothic font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)

set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-layer Reversi on a 4x4 board against the computer")
set(CPACK_PACKAGE_DESCRIPTION "\
Nordamo (ノルダモ) is Reversi for one person against the computer on a board of
4 x 4 cells, where every cell can hold two discs, one on top of the other. A
disc may be placed on an empty cell or on top of a cell that holds one disc,
as long as the move turns at least one opposing disc; only top discs count and
turn.

Before each game the player chooses to move first (black) or second (white),
and a weak or a strong computer: the strong one knows its openings by heart
and then searches every game to its end. All texts of the game are Japanese.
.
nordamo-analyse, a terminal program, gives every move's exact value under
perfect play in a position of the game, or a review of a played game.
nordamo-review shows a played game on the board under perfect play: every
move's value on its cell, the move list with what each move gave away, and a
graph of the lead.")
include(CPack)
