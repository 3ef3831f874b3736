# Installation on a Linux desktop and the Debian package: the executable, a
# menu entry, the icon at the theme's sizes and the software-centre metainfo.
#   cmake --install <build> [--prefix <dir>]      (DESTDIR is honoured)
#   cpack --config <build>/CPackConfig.cmake -G DEB
include(GNUInstallDirs)

set(ROFO_APP_ID io.github.rofo.Rofo)
set(ROFO_DATA_DIR ${CMAKE_CURRENT_LIST_DIR}/../data)
cmake_path(NORMAL_PATH ROFO_DATA_DIR)

# The menu icons are drawn at build time from the MAINICON the game embeds,
# by a tool that reads the very same resource with the game's own decoder.
rofo_embed_resources(icon_tool_resources)
add_executable(rofo_make_icons tools/make_icons.cpp ${icon_tool_resources})
target_link_libraries(rofo_make_icons PRIVATE rofo_core)

set(ROFO_ICON_SIZES 16 32 48 64 128 256)
set(ROFO_ICON_DIR ${CMAKE_BINARY_DIR}/icons)
set(icon_files "")
foreach(size IN LISTS ROFO_ICON_SIZES)
  list(APPEND icon_files ${ROFO_ICON_DIR}/${size}x${size}/apps/${ROFO_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${icon_files}
  COMMAND rofo_make_icons ${ROFO_ICON_DIR} ${ROFO_APP_ID}
  DEPENDS rofo_make_icons
  COMMENT "Drawing the menu icons from MAINICON")
add_custom_target(rofo_icons ALL DEPENDS ${icon_files})

install(TARGETS rofo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${ROFO_DATA_DIR}/${ROFO_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${ROFO_DATA_DIR}/${ROFO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(DIRECTORY ${ROFO_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)

# The Debian package. Library dependencies come from the binary
# (dpkg-shlibdeps); what it loads at run time without linking is named here:
# Qt's platform plugins (without them no window opens) and the Japanese font
# every text of the game is set in.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME rofo)
set(CPACK_PACKAGE_VENDOR "ROFO team")
set(CPACK_PACKAGE_CONTACT "ROFO team <rofo-team@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "puzzle game: line up the letters R, O, F, O")
set(CPACK_PACKAGE_DESCRIPTION [[Two-cell pieces, a ring joined to an R or F letter, rise from the bottom
of the board. Four tiles R, O, F, O in a line, with R and F turned the
same way, vanish and uncover a strip of a hidden picture. All of the
game's text is in Japanese.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://rofo.github.io/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
