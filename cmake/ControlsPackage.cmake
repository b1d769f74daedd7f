# The gauge and the spin box as a library for other Qt programs:
# `cmake --install` puts their headers, static libraries and a CMake package
# (find_package(KeplerControls), targets KeplerControls::Gauge and
# KeplerControls::SpinBox) under the prefix. Everything here belongs to the
# install component "devel", which CPack turns into the -dev package; the
# teaching program's files stay in the default component.
#
# Every library the controls link must be in the export set below, or CMake
# refuses to generate the package.

include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(KEPLER_CONTROLS_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/KeplerControls)
set(KEPLER_CONTROLS_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/KeplerControls)

# Installed names: the build's short target names would be too generic as
# files under /usr/lib.
set(kepler_controls_libraries
  toolkit_base     KeplerToolkitBase     ToolkitBase
  toolkit_platform KeplerToolkitPlatform ToolkitPlatform
  toolkit_raster   KeplerToolkitRaster   ToolkitRaster
  toolkit_raster_qt KeplerToolkitRasterQt ToolkitRasterQt
  toolkit          KeplerToolkit         Toolkit
  gauge            KeplerGauge           Gauge
  spinbox          KeplerSpinBox         SpinBox)
set(kepler_controls_targets)
while(kepler_controls_libraries)
  list(POP_FRONT kepler_controls_libraries target output export_name)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME ${output}
    EXPORT_NAME ${export_name}
    # The Designer plugin is a shared module built from these libraries.
    POSITION_INDEPENDENT_CODE ON)
  target_include_directories(${target} INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
  # The public headers are C++17; the libraries themselves are built as C++20.
  target_compile_features(${target} INTERFACE cxx_std_17)
  list(APPEND kepler_controls_targets ${target})
endwhile()

install(TARGETS ${kepler_controls_targets}
  EXPORT KeplerControlsTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT devel)
# The build's own compiler settings, which the libraries link privately; in
# the package they are empty names that pass nothing on.
install(TARGETS kepler_warnings kepler_exact_float EXPORT KeplerControlsTargets)

# Only the public headers are installed: those in the KeplerControls
# folders of the libraries, which is all that meter.h, spin_edit.h and
# spin_button.h need. A program includes them as <KeplerControls/meter.h>,
# in this tree and installed alike; every other header stays private to the
# project.
file(GLOB kepler_controls_headers CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/toolkit/*/KeplerControls/*.h
  ${PROJECT_SOURCE_DIR}/controls/gauge/KeplerControls/*.h
  ${PROJECT_SOURCE_DIR}/controls/spinbox/KeplerControls/*.h)
install(FILES ${kepler_controls_headers}
  DESTINATION ${KEPLER_CONTROLS_INCLUDEDIR} COMPONENT devel)

install(EXPORT KeplerControlsTargets
  NAMESPACE KeplerControls::
  DESTINATION ${KEPLER_CONTROLS_CMAKEDIR} COMPONENT devel)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/KeplerControlsConfig.cmake.in
  ${CMAKE_CURRENT_BINARY_DIR}/KeplerControlsConfig.cmake
  INSTALL_DESTINATION ${KEPLER_CONTROLS_CMAKEDIR})
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/KeplerControlsConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES
  ${CMAKE_CURRENT_BINARY_DIR}/KeplerControlsConfig.cmake
  ${CMAKE_CURRENT_BINARY_DIR}/KeplerControlsConfigVersion.cmake
  DESTINATION ${KEPLER_CONTROLS_CMAKEDIR} COMPONENT devel)

# --- the -dev package -------------------------------------------------------
# One Debian package per component: the program's keeps its name and
# contents, the library's is named as Debian names development packages.
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_PROGRAM_PACKAGE_NAME keplerprobleme)
set(CPACK_DEBIAN_DEVEL_PACKAGE_NAME libkeplercontrols-dev)
set(CPACK_DEBIAN_DEVEL_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEVEL_PACKAGE_DEPENDS "qt6-base-dev")
set(CPACK_DEBIAN_DEVEL_PACKAGE_RECOMMENDS "designer-qt6")
string(JOIN "\n" CPACK_DEBIAN_DEVEL_DESCRIPTION
  "Analog gauge and spin box controls for Qt 6 Widgets (development files)"
  "TMeter is an analog gauge with six sweeps, linear and logarithmic scales,"
  "coloured scale bands, limit lamps, two needles, picture faces and painting"
  "events; TSpinEdit is a numeric edit with auto-repeating up and down buttons."
  "This package holds their headers, static libraries, the CMake package"
  "KeplerControls and a Qt Designer plugin with both controls.")
