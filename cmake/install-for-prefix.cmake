# Run by `cmake --install` (and by cpack's install): the parts of the install that depend on
# the prefix given then, which may differ from the configured one. The caller sets the
# tarvana_... variables: the configured launcher and its bin folder, the menu entry's
# source and its folder under the prefix, the lintian overrides, and a folder of the
# build to write the tailored entry in.

# Debian keeps the commands of games in /usr/games, so an install into /usr (the .deb is
# one) puts the launcher there; any other prefix gets bin/. Both lie one level below the
# prefix, as the launcher's relative paths expect.
set(launcher_dir "${tarvana_bindir}")
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr" AND launcher_dir STREQUAL "bin")
  set(launcher_dir games)
endif()
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${launcher_dir}" TYPE PROGRAM
  FILES "${tarvana_launcher}")

# The menu entry starts the launcher. In /usr it is on every PATH; a prefix such as
# ~/.local or /opt/tarvana seldom is on the PATH the menu sees, so there the entry names
# the launcher by its full path (quoted as the desktop entry format asks, if need be).
file(READ "${tarvana_desktop_entry}" entry)
if(NOT CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  set(command "${CMAKE_INSTALL_PREFIX}/${launcher_dir}/tarvana")
  if(command MATCHES "[^-A-Za-z0-9_/.+,:@~]")
    string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" command "${command}")
    set(command "\"${command}\"")
  endif()
  # Then the escapes of any desktop entry string: a backslash doubled, a percent sign too.
  string(REPLACE "\\" "\\\\" command "${command}")
  string(REPLACE "%" "%%" command "${command}")
  string(REGEX REPLACE "\nExec=[^\n]*" "\nExec=${command}" entry "${entry}")
endif()
get_filename_component(entry_name "${tarvana_desktop_entry}" NAME)
set(staged "${tarvana_stage}/${entry_name}")
file(WRITE "${staged}" "${entry}")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/${tarvana_applications_dir}" TYPE FILE
  FILES "${staged}")

# lintian reads its overrides from /usr/share/lintian/overrides only: elsewhere they would
# be a stray file.
if(CMAKE_INSTALL_PREFIX STREQUAL "/usr")
  file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/lintian/overrides" TYPE FILE
    FILES "${tarvana_lintian_overrides}" RENAME tarvana)
endif()
