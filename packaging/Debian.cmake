# The Debian package, made by CPack: `cpack -G DEB` in a configured build tree (the Makefile's
# `package`) gives pennantry_<version>_<arch>.deb, laid out as Debian lays out a game.
include(GNUInstallDirs)

# The package's own history must have an entry for this version before it can be built.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog latest LIMIT_COUNT 1)
if(NOT latest MATCHES "^pennantry \\(${PROJECT_VERSION}\\) ")
  message(FATAL_ERROR "packaging/changelog has no entry for version ${PROJECT_VERSION} at its top")
endif()

# So must the software centres' list of releases, newest first.
file(STRINGS ${PROJECT_SOURCE_DIR}/resources/art/io.github.pennantry.Pennantry.metainfo.xml release
  REGEX "<release " LIMIT_COUNT 1)
if(NOT release MATCHES "version=\"${PROJECT_VERSION}\"")
  message(FATAL_ERROR "the metainfo's newest release is not version ${PROJECT_VERSION}")
endif()

# The files Debian wants beside a package's programs, compressed as it compresses them.
set(doc ${CMAKE_INSTALL_DATADIR}/doc/pennantry)
set(changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/packaging)
add_custom_command(OUTPUT ${changelog}
  COMMAND gzip -9n -c ${CMAKE_CURRENT_LIST_DIR}/changelog > ${changelog}
  DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog)
add_custom_target(package-changelog ALL DEPENDS ${changelog})
install(FILES ${changelog} ${CMAKE_CURRENT_LIST_DIR}/copyright ${PROJECT_SOURCE_DIR}/README.md DESTINATION ${doc})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pennantry)
set(CPACK_PACKAGE_VENDOR Tessivar)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "baseball game for one player: the Humans against the Monsters")
# Below the summary, which CPack writes as the description's first line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Pennantry is a baseball game played one pitch at a time. You run the Humans
against the computer's Monsters: two random draws and the eight skill levels
decide whether a pitch is a strike, a ball, a caught ball or a hit. Every base
a runner takes after a hit is fought for in a short battle, every run earns
its side a skill upgrade, and the game in progress is kept between sessions.
.
The package holds the game in a window (pennantry), the same game in a
terminal with a JSON Lines face for programs (pennantry-term), and a
simulator that plays thousands of games and reports on them (pennantry-sim).")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Tessivar <pennantry@tessivar.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The libraries the programs link, found by dpkg-shlibdeps from the binaries themselves.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Folders and the control files as Debian's own tools make them: 0755, 0644.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
