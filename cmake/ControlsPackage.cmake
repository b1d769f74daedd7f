# What `cmake --install` puts under the prefix for other programs, by
# install component, and the Debian package CPack makes of each component:
#
#   runtime   libkeplercontrols1             the shared library (soname libKeplerControls.so.1)
#   devel     libkeplercontrols-dev          public headers, the link to the library (or the
#                                            static library), the CMake package KeplerControls,
#                                            the pkg-config file keplercontrols.pc
#   designer  keplercontrols-designer-plugin the Qt Designer plugin (controls/designer)
#   doc       libkeplercontrols-doc          the API reference (HTML and .qch) and the examples
#                                            (cmake/ControlsDocs.cmake)
#   program   keplerprobleme                 the teaching program (cmake/Packaging.cmake)
#
# Every package carries the licence and the changelog in /usr/share/doc/<package>.

include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(KEPLER_CONTROLS_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/KeplerControls)
set(KEPLER_CONTROLS_CMAKEDIR ${CMAKE_INSTALL_LIBDIR}/cmake/KeplerControls)
set(KEPLER_CONTROLS_PKGCONFIGDIR ${CMAKE_INSTALL_LIBDIR}/pkgconfig)

# The names the CMake package has always offered: the gauge and the spin box,
# each the whole library now.
add_library(kepler_controls_gauge INTERFACE)
add_library(kepler_controls_spinbox INTERFACE)
target_link_libraries(kepler_controls_gauge INTERFACE KeplerControls)
target_link_libraries(kepler_controls_spinbox INTERFACE KeplerControls)
set_target_properties(kepler_controls_gauge PROPERTIES EXPORT_NAME Gauge)
set_target_properties(kepler_controls_spinbox PROPERTIES EXPORT_NAME SpinBox)

# The public headers are C++17; the library itself is built as C++20.
target_compile_features(KeplerControls INTERFACE cxx_std_17)
install(TARGETS KeplerControls kepler_controls_gauge kepler_controls_spinbox
  EXPORT KeplerControlsTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT runtime NAMELINK_COMPONENT devel
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT devel
  INCLUDES DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})

# A stripped library also sheds the compilers' version notes, as the
# program does (cmake/Packaging.cmake).
if(KEPLERCONTROLS_SHARED AND CMAKE_OBJCOPY)
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_LIBDIR}/$<TARGET_FILE_NAME:KeplerControls>\")
    endif()" COMPONENT runtime)
endif()

if(NOT KEPLERCONTROLS_SHARED)
  install(TARGETS ${KEPLER_SPIN_GLYPH_TARGETS} EXPORT KeplerControlsTargets
    OBJECTS DESTINATION ${CMAKE_INSTALL_LIBDIR}/KeplerControls COMPONENT devel)
endif()

# Only the public headers are installed: those in the KeplerControls
# folders of the libraries, which is all that meter.h, spin_edit.h and
# spin_button.h need, and the export header. A program includes them as
# <KeplerControls/meter.h>, in this tree and installed alike; every other
# header stays private to the project.
file(GLOB kepler_controls_headers CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/toolkit/*/KeplerControls/*.h
  ${PROJECT_SOURCE_DIR}/controls/gauge_face/KeplerControls/*.h
  ${PROJECT_SOURCE_DIR}/controls/gauge/KeplerControls/*.h
  ${PROJECT_SOURCE_DIR}/controls/spinbox/KeplerControls/*.h)
set(KEPLER_CONTROLS_PUBLIC_HEADERS ${kepler_controls_headers}
  ${KEPLER_CONTROLS_EXPORT_DIR}/KeplerControls/keplercontrols_export.h)
install(FILES ${KEPLER_CONTROLS_PUBLIC_HEADERS}
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

# pkg-config: the prefix is found from where the file lies, so the same file
# serves the package (/usr) and any other prefix.
file(RELATIVE_PATH kepler_pc_to_prefix /${KEPLER_CONTROLS_PKGCONFIGDIR} /)
string(REGEX REPLACE "/$" "" kepler_pc_to_prefix "${kepler_pc_to_prefix}")
if(KEPLERCONTROLS_SHARED)
  set(KEPLER_PC_LIBS_PRIVATE "")
else()
  set(KEPLER_PC_LIBS_PRIVATE "-lstdc++ -lm")
endif()
configure_file(${PROJECT_SOURCE_DIR}/packaging/keplercontrols.pc.in
  ${PROJECT_BINARY_DIR}/packaging/keplercontrols.pc @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/packaging/keplercontrols.pc
  DESTINATION ${KEPLER_CONTROLS_PKGCONFIGDIR} COMPONENT devel)

# --- the packages -------------------------------------------------------------
# One Debian package per component: the program's keeps its name and
# contents, the library's are named as Debian names library packages (the
# runtime package after the soname).
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL program runtime devel designer doc)
set(KEPLER_PACKAGE_NAME_program keplerprobleme)
set(KEPLER_PACKAGE_NAME_runtime libkeplercontrols${KEPLERCONTROLS_SOVERSION})
set(KEPLER_PACKAGE_NAME_devel libkeplercontrols-dev)
set(KEPLER_PACKAGE_NAME_designer keplercontrols-designer-plugin)
set(KEPLER_PACKAGE_NAME_doc libkeplercontrols-doc)
foreach(component IN LISTS CPACK_COMPONENTS_ALL)
  string(TOUPPER ${component} upper)
  set(CPACK_DEBIAN_${upper}_PACKAGE_NAME ${KEPLER_PACKAGE_NAME_${component}})
endforeach()

# Inter-package dependencies carry the exact version built together.
set(kepler_runtime_dep "${KEPLER_PACKAGE_NAME_runtime} (= ${PROJECT_VERSION})")

set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION libs)
string(JOIN "\n" CPACK_DEBIAN_RUNTIME_DESCRIPTION
  "Analog gauge and spin box controls for Qt 6 Widgets"
  "TMeter is an analog gauge with six sweeps, linear and logarithmic scales,"
  "coloured scale bands, limit lamps, two needles, picture faces and painting"
  "events; TSpinEdit is a numeric edit with auto-repeating up and down buttons."
  "This package holds the shared library that programs using them need.")

set(CPACK_DEBIAN_DEVEL_PACKAGE_SECTION libdevel)
if(KEPLERCONTROLS_SHARED)
  set(CPACK_DEBIAN_DEVEL_PACKAGE_DEPENDS "${kepler_runtime_dep}, qt6-base-dev")
else()
  set(CPACK_DEBIAN_DEVEL_PACKAGE_DEPENDS "qt6-base-dev")
endif()
set(CPACK_DEBIAN_DEVEL_PACKAGE_SUGGESTS "${KEPLER_PACKAGE_NAME_doc}, ${KEPLER_PACKAGE_NAME_designer}")
string(JOIN "\n" CPACK_DEBIAN_DEVEL_DESCRIPTION
  "Analog gauge and spin box controls for Qt 6 Widgets (development files)"
  "TMeter is an analog gauge with six sweeps, linear and logarithmic scales,"
  "coloured scale bands, limit lamps, two needles, picture faces and painting"
  "events; TSpinEdit is a numeric edit with auto-repeating up and down buttons."
  "This package holds their headers, the CMake package KeplerControls and the"
  "pkg-config file keplercontrols.pc.")

set(CPACK_DEBIAN_DESIGNER_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_DESIGNER_PACKAGE_DEPENDS "${kepler_runtime_dep}")
set(CPACK_DEBIAN_DESIGNER_PACKAGE_RECOMMENDS "designer-qt6")
string(JOIN "\n" CPACK_DEBIAN_DESIGNER_DESCRIPTION
  "Qt Designer plugin for the Kepler gauge and spin box controls"
  "Puts the analog gauge TMeter, the spin box TSpinEdit and the button pair"
  "TSpinButton into the group Kepler Controls of Qt 6 Designer's widget box,"
  "so that forms can place them and set their properties.")

set(CPACK_DEBIAN_DOC_PACKAGE_SECTION doc)
set(CPACK_DEBIAN_DOC_PACKAGE_ARCHITECTURE all)
set(CPACK_DEBIAN_DOC_PACKAGE_SUGGESTS "${KEPLER_PACKAGE_NAME_devel}, qt6-documentation-tools")
string(JOIN "\n" CPACK_DEBIAN_DOC_DESCRIPTION
  "Analog gauge and spin box controls for Qt 6 Widgets (documentation)"
  "The API reference of TMeter, TSpinEdit and TSpinButton with their"
  "properties, signals and enumerations, as HTML and as a help file for Qt"
  "Assistant and Qt Creator, and example programs that build against the"
  "development package.")

# The runtime package carries a shlibs file, so that programs built against
# the library depend on it, and activates the ldconfig trigger. Both are
# written here: CPack's own shlibs option would also add maintainer scripts
# that call ldconfig, which Debian has replaced by the trigger.
set(kepler_runtime_control ${PROJECT_BINARY_DIR}/packaging/runtime-control)
file(WRITE ${kepler_runtime_control}/shlibs
  "libKeplerControls ${KEPLERCONTROLS_SOVERSION} ${KEPLER_PACKAGE_NAME_runtime} (>= ${PROJECT_VERSION})\n")
file(WRITE ${kepler_runtime_control}/triggers "activate-noawait ldconfig\n")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_CONTROL_EXTRA
  ${kepler_runtime_control}/shlibs ${kepler_runtime_control}/triggers)
# Without CPack's shared-library scan its dependencies come from
# dpkg-shlibdeps run on the built library when cpack runs
# (packaging/cpack-runtime-depends.cmake).
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SHLIBDEPS OFF)
file(GENERATE OUTPUT ${PROJECT_BINARY_DIR}/packaging/cpack-project-config.cmake
  CONTENT "set(KEPLER_RUNTIME_LIBRARY \"$<TARGET_FILE:KeplerControls>\")
set(KEPLER_RUNTIME_SHLIBDEPS_DIR \"${PROJECT_BINARY_DIR}/packaging/runtime-shlibdeps\")
include(\"${PROJECT_SOURCE_DIR}/packaging/cpack-runtime-depends.cmake\")
")
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/packaging/cpack-project-config.cmake)

# The plugin needs the library that is packaged beside it: dpkg-shlibdeps
# finds it in the build tree; the dependency on its package is named above.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${PROJECT_BINARY_DIR})

# Licence and changelog of every library package (the program's are in
# cmake/Packaging.cmake).
foreach(component IN ITEMS runtime devel designer doc)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/copyright ${PROJECT_BINARY_DIR}/packaging/gz/changelog.gz
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${KEPLER_PACKAGE_NAME_${component}}
    COMPONENT ${component})
endforeach()
