# Debian's build flags, as dpkg-buildflags gives them to every package it builds:
# hardening (fortified functions, stack protector, full RELRO, PIE) and the path map that
# keeps the source folder's name out of the program. The .deb is built with them, so that
# lintian finds what it expects of a Debian binary.
option(TARVANA_DEBIAN_FLAGS "Build with Debian's build flags (dpkg-buildflags)" OFF)
if(TARVANA_DEBIAN_FLAGS)
  if(NOT DEFINED ENV{DEB_BUILD_MAINT_OPTIONS})
    set(ENV{DEB_BUILD_MAINT_OPTIONS} hardening=+all)
  endif()
  foreach(kind CPPFLAGS CXXFLAGS LDFLAGS)
    # From the source folder: the path map it gives names that folder.
    execute_process(COMMAND dpkg-buildflags --get ${kind}
      WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
      OUTPUT_VARIABLE debian_${kind} OUTPUT_STRIP_TRAILING_WHITESPACE
      COMMAND_ERROR_IS_FATAL ANY)
  endforeach()
  string(APPEND CMAKE_CXX_FLAGS " ${debian_CPPFLAGS} ${debian_CXXFLAGS}")
  string(APPEND CMAKE_EXE_LINKER_FLAGS " ${debian_LDFLAGS}")
  message(STATUS "Debian's build flags: ${debian_CPPFLAGS} ${debian_CXXFLAGS} ${debian_LDFLAGS}")
endif()
