# Included by cpack (CPACK_PROJECT_CONFIG_FILE): the runtime package's
# Depends, as dpkg-shlibdeps finds them for the built library
# (KEPLER_RUNTIME_LIBRARY). A static build has no runtime package to fill.
if(NOT CPACK_GENERATOR STREQUAL "DEB" OR NOT KEPLER_RUNTIME_LIBRARY MATCHES "\\.so")
  return()
endif()
find_program(KEPLER_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT KEPLER_DPKG_SHLIBDEPS)
  set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "libqt6core6, libqt6gui6, libqt6widgets6")
  return()
endif()
# dpkg-shlibdeps wants to run in a source package: a folder with
# debian/control, here in the build tree (KEPLER_RUNTIME_SHLIBDEPS_DIR).
set(dir ${KEPLER_RUNTIME_SHLIBDEPS_DIR})
file(MAKE_DIRECTORY ${dir}/debian)
file(TOUCH ${dir}/debian/control)
execute_process(COMMAND ${KEPLER_DPKG_SHLIBDEPS} -O ${KEPLER_RUNTIME_LIBRARY}
  WORKING_DIRECTORY ${dir}
  OUTPUT_VARIABLE out
  RESULT_VARIABLE rc
  ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR NOT out MATCHES "shlibs:Depends=([^\n]*)")
  message(FATAL_ERROR "dpkg-shlibdeps failed on ${KEPLER_RUNTIME_LIBRARY}: ${err}")
endif()
set(CPACK_DEBIAN_RUNTIME_PACKAGE_DEPENDS "${CMAKE_MATCH_1}")
