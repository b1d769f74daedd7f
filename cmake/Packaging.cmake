# Desktop integration (desktop entry, AppStream metainfo, icons) and the
# Debian package made by CPack.

include(GNUInstallDirs)

set(KEPLER_DESKTOP_DIR ${PROJECT_SOURCE_DIR}/resources/desktop)

install(FILES ${KEPLER_DESKTOP_DIR}/${KEPLER_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${KEPLER_DESKTOP_DIR}/${KEPLER_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${KEPLER_DESKTOP_DIR}/${KEPLER_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(n IN LISTS KEPLER_ICON_SIZES)
  install(FILES ${KEPLER_DESKTOP_DIR}/icons/${n}x${n}/${KEPLER_APP_ID}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${n}x${n}/apps)
endforeach()

# --- Licence, changelog and manual pages ------------------------------------

# Whoever builds the package for a school names themselves here; the default
# is an address in the reserved .invalid domain, which reaches nobody.
set(KEPLER_PACKAGE_MAINTAINER "Keplerprobleme <maintainer@keplerprobleme.invalid>"
    CACHE STRING "Maintainer of the Debian package: name <address>")

set(KEPLER_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(KEPLER_DOC_BUILD_DIR ${PROJECT_BINARY_DIR}/packaging)
configure_file(${KEPLER_PACKAGING_DIR}/changelog.in ${KEPLER_DOC_BUILD_DIR}/changelog @ONLY)

# Debian wants the changelog and the manual pages compressed as far as gzip
# goes and without a time stamp (-9n), so the same sources give the same bytes.
find_program(KEPLER_GZIP gzip REQUIRED)
set(kepler_gzipped)
foreach(pair IN ITEMS "${KEPLER_DOC_BUILD_DIR}/changelog|changelog"
                      "${KEPLER_PACKAGING_DIR}/keplerprobleme.1|man/keplerprobleme.1"
                      "${KEPLER_PACKAGING_DIR}/keplerprobleme.de.1|man/de/keplerprobleme.1")
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 src)
  list(GET pair 1 name)
  set(out ${KEPLER_DOC_BUILD_DIR}/gz/${name})
  add_custom_command(OUTPUT ${out}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${src} ${out}
    COMMAND ${KEPLER_GZIP} -9nf ${out}
    DEPENDS ${src}
    COMMENT "Compressing ${name}"
    VERBATIM)
  list(APPEND kepler_gzipped ${out}.gz)
endforeach()
add_custom_target(package_docs ALL DEPENDS ${kepler_gzipped})

set(kepler_docdir ${CMAKE_INSTALL_DATADIR}/doc/keplerprobleme)
install(FILES ${KEPLER_PACKAGING_DIR}/copyright ${KEPLER_DOC_BUILD_DIR}/gz/changelog.gz
        DESTINATION ${kepler_docdir})
# The program speaks German; the English page is the fallback man shows
# where no German is asked for.
install(FILES ${KEPLER_DOC_BUILD_DIR}/gz/man/keplerprobleme.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${KEPLER_DOC_BUILD_DIR}/gz/man/de/keplerprobleme.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)

# A stripped program also sheds the compilers' version notes, as Debian's
# own packages do.
if(TARGET keplerprobleme AND CMAKE_OBJCOPY)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/keplerprobleme\")
    endif()")
endif()

# --- Debian package -------------------------------------------------------

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME keplerprobleme)
set(CPACK_PACKAGE_VENDOR "Keplerprobleme")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${KEPLER_PACKAGE_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "Teaching program animating the Kepler problem for one planet")
# The long description is wrapped here already: each line becomes one line of
# the package's Description field.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Simulation Keplerprobleme is a small desktop program for astronomy lessons."
  "It animates the motion of one planet around the Sun and shows, step by"
  "step in simulated days, the difference between its true anomaly (red) and"
  "its mean anomaly (green), with a small gauge that tells which of the two"
  "is ahead. All texts of the program are German.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The build type keeps debug information; the package does without it.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# The window asks for Tahoma: fonts-wine has a metric-compatible one, DejaVu
# is the fallback every Debian desktop can have. The libraries come from
# dpkg-shlibdeps, with the versions the program needs (libqt6gui6 also
# brings the X11 platform plugin); only without it are the Qt libraries
# named here, so that each is listed once.
set(kepler_font_depends "fonts-wine | fonts-dejavu-core")
# Qt's own texts (context menus, dialog buttons) in German.
set(CPACK_DEBIAN_PROGRAM_PACKAGE_RECOMMENDS "qt6-translations-l10n")
find_program(KEPLER_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(KEPLER_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
  set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS "${kepler_font_depends}")
else()
  set(CPACK_DEBIAN_PROGRAM_PACKAGE_DEPENDS
      "libqt6core6, libqt6gui6, libqt6widgets6, ${kepler_font_depends}")
endif()

# The program and the controls' -dev package (ControlsPackage.cmake) each
# carry their own summary as the first line of their description; without a
# project-wide summary CPack puts none in front of it.
set(CPACK_DEBIAN_PROGRAM_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}\n${CPACK_PACKAGE_DESCRIPTION}")
unset(CPACK_PACKAGE_DESCRIPTION_SUMMARY)

include(CPack)
