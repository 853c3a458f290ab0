# Installed layout: the executable and its data/ side by side in lib/tarvana, because the
# game opens data/... relative to its working directory; bin/tarvana is a launcher that
# changes into that folder first. Icon and menu entry go where desktops look for them.
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/
  DESTINATION lib/tarvana/data
  PATTERN "tarvana*.png" EXCLUDE
  PATTERN ".*" EXCLUDE)
install(PROGRAMS ${CMAKE_SOURCE_DIR}/packaging/tarvana DESTINATION bin)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/tarvana.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/tarvana.png DESTINATION share/icons/hicolor/64x64/apps)
install(FILES ${CMAKE_SOURCE_DIR}/data/tarvana-256.png
  DESTINATION share/icons/hicolor/256x256/apps RENAME tarvana.png)

# Packaging needs only the game itself: build it (target tarvana) before cpack, so that a
# test or benchmark under construction does not hold the package back.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvana)
set(CPACK_PACKAGE_VENDOR "Mervoss")
set(CPACK_PACKAGE_CONTACT "Tarvana packager <packager@tarvana.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn-based tank artillery game")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Two tanks on a random landscape take turns to shop, drive and fire shells through\n"
  "gravity and wind. Play against the computer at five skill levels or against a\n"
  "friend on the same computer.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the linked Qt libraries, among them libqt6gui6, which also ships the
# X11 platform plugin. Sound is named explicitly: libqt6multimedia6 carries the multimedia
# backend plugins Qt loads at run time, and the sound itself goes out through a
# PulseAudio-compatible server.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6multimedia6")
# The texts are laid out for a font of Tahoma's widths, which Liberation Sans has.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse, fonts-liberation2")
include(CPack)
