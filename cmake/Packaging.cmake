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

# --- Debian package -------------------------------------------------------

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME keplerprobleme)
set(CPACK_PACKAGE_VENDOR "Keplerprobleme")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Keplerprobleme <team@keplerprobleme.de>")
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
set(CPACK_PACKAGE_HOMEPAGE_URL "https://keplerprobleme.de/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# The build type keeps debug information; the package does without it.
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
# The Qt libraries are named explicitly (the X11 platform plugin comes with
# libqt6gui6, and nothing links it directly); dpkg-shlibdeps adds the exact
# versions, the C/C++ runtime and any further library the program links.
# The window asks for Tahoma: fonts-wine has a metric-compatible one, DejaVu
# is the fallback every Debian desktop can have.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6, libqt6gui6, libqt6widgets6, fonts-wine | fonts-dejavu-core")
# Qt's own texts (context menus, dialog buttons) in German.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
find_program(KEPLER_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(KEPLER_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
endif()

include(CPack)
