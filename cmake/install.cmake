# Installed layout. The game opens data/... relative to its working directory, so its data
# lives in share/tarvana and the launcher changes into that folder before it starts the
# executable. The executable itself goes to libexec: started from anywhere else it would
# find no data, so it stays off the PATH and the launcher is the command people run.
include(GNUInstallDirs)
set(tarvana_id com.mervoss.tarvana)            # desktop entry, metainfo and icon
set(tarvana_data_dir ${CMAKE_INSTALL_DATADIR}/tarvana)
set(tarvana_exec_dir ${CMAKE_INSTALL_LIBEXECDIR}/tarvana)
# Named after the package, as Debian wants; GNUInstallDirs would name it after the project.
set(tarvana_doc_dir ${CMAKE_INSTALL_DATAROOTDIR}/doc/tarvana)
set(packaging ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS tarvana RUNTIME DESTINATION ${tarvana_exec_dir})
# A stripping install (cpack's) also drops the compilers' notes, as Debian's dh_strip does.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
      \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${tarvana_exec_dir}/tarvana\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/
  DESTINATION ${tarvana_data_dir}/data
  PATTERN "tarvana*.png" EXCLUDE
  PATTERN ".*" EXCLUDE)

# The launcher finds the game from its own place, so the installed tree can be moved or
# installed with a --prefix other than the configured one.
file(RELATIVE_PATH launcher_to_data ${CMAKE_INSTALL_FULL_BINDIR}
  ${CMAKE_INSTALL_FULL_DATADIR}/tarvana)
file(RELATIVE_PATH launcher_to_exec ${CMAKE_INSTALL_FULL_BINDIR}
  ${CMAKE_INSTALL_FULL_LIBEXECDIR}/tarvana)
configure_file(${packaging}/tarvana.in ${CMAKE_BINARY_DIR}/packaging/tarvana @ONLY)
# The launcher's folder, the menu entry's command and the lintian overrides follow the
# prefix the install is given, which is known only when it runs.
install(CODE "
  set(tarvana_bindir \"${CMAKE_INSTALL_BINDIR}\")
  set(tarvana_launcher \"${CMAKE_BINARY_DIR}/packaging/tarvana\")
  set(tarvana_desktop_entry \"${packaging}/${tarvana_id}.desktop\")
  set(tarvana_applications_dir \"${CMAKE_INSTALL_DATADIR}/applications\")
  set(tarvana_lintian_overrides \"${packaging}/lintian-overrides\")
  set(tarvana_stage \"${CMAKE_BINARY_DIR}/packaging\")")
install(SCRIPT ${CMAKE_CURRENT_LIST_DIR}/install-for-prefix.cmake)

install(FILES ${packaging}/${tarvana_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${CMAKE_SOURCE_DIR}/data/tarvana.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps RENAME ${tarvana_id}.png)
install(FILES ${CMAKE_SOURCE_DIR}/data/tarvana-256.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps RENAME ${tarvana_id}.png)

# Manual page and Debian changelog go compressed, as Debian installs them; -n leaves the
# time out of the file, so the same sources give the same package.
foreach(f tarvana.6 changelog)
  execute_process(COMMAND gzip -9n -c ${packaging}/${f}
    OUTPUT_FILE ${CMAKE_BINARY_DIR}/packaging/${f}.gz COMMAND_ERROR_IS_FATAL ANY)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${packaging}/${f})
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/packaging/tarvana.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
install(FILES ${CMAKE_BINARY_DIR}/packaging/changelog.gz ${packaging}/copyright
  DESTINATION ${tarvana_doc_dir})

# For the test that the running game names the desktop entry installed here.
set(TARVANA_DESKTOP_FILE ${packaging}/${tarvana_id}.desktop)
set(TARVANA_METAINFO_FILE ${packaging}/${tarvana_id}.metainfo.xml)

# Packaging needs only the game itself: build it (target tarvana) before cpack, so that a
# test or benchmark under construction does not hold the package back.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tarvana)
set(CPACK_PACKAGE_VENDOR "Mervoss")
# A placeholder: whoever publishes the package puts a real address here and in the changelog.
set(CPACK_PACKAGE_CONTACT "Tarvana packager <packager@tarvana.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn-based tank artillery game")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Two tanks on a random landscape take turns to shop, drive and fire shells\n"
  "through gravity and wind. Play against the computer at five skill levels or\n"
  "against a friend on the same computer.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the linked Qt libraries: libqt6gui6, which also ships the X11
# platform plugin, and libqt6multimedia6, which plays the sounds through libpulse.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The texts are laid out for a font of Tahoma's widths, which Liberation Sans has; with
# Debian's default sans, which is wider, "Zakladni strela" and others are cut off. The
# sound goes out through a PulseAudio-compatible server, without which the game is silent.
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation2)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")

# The same commit gives the same package: every time stamp in it is the date of the
# changelog's latest entry, unless the one who builds sets SOURCE_DATE_EPOCH.
file(STRINGS ${packaging}/changelog changelog_trailer REGEX "^ -- .*>  " LIMIT_COUNT 1)
string(REGEX REPLACE "^ -- .*>  " "" changelog_date "${changelog_trailer}")
execute_process(COMMAND date -u -d "${changelog_date}" +%s
  OUTPUT_VARIABLE changelog_epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
file(WRITE ${CMAKE_BINARY_DIR}/packaging/cpack-options.cmake
  "if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})\n"
  "  set(ENV{SOURCE_DATE_EPOCH} ${changelog_epoch})\n"
  "endif()\n")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_BINARY_DIR}/packaging/cpack-options.cmake)
include(CPack)
