# The controls' API reference: HTML made by Doxygen from the public
# headers' comments and, where Qt's qhelpgenerator is installed, the same as
# a .qch help file for Qt Assistant and Qt Creator. Both go into the
# documentation package, with the examples' sources. Without Doxygen there
# is no reference and the package holds the examples alone.

find_program(KEPLER_DOXYGEN doxygen)
find_program(KEPLER_PYTHON python3)
find_program(KEPLER_QHELPGENERATOR qhelpgenerator
  HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_LIBEXECS})

set(kepler_doc_dir ${CMAKE_INSTALL_DATADIR}/doc/${KEPLER_PACKAGE_NAME_doc})

# The examples, as a developer copies them out and builds them.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/examples/minimal ${PROJECT_SOURCE_DIR}/examples/gallery
  DESTINATION ${kepler_doc_dir}/examples COMPONENT doc)

if(NOT KEPLER_DOXYGEN OR NOT KEPLER_PYTHON)
  message(STATUS "doxygen or python3 not found: no API reference")
  return()
endif()
if(NOT KEPLER_PACKAGING_CHECKS)
  message(STATUS "KEPLER_PACKAGING_CHECKS is off: no API reference")
  return()
endif()

set(KEPLER_DOC_OUT ${PROJECT_BINARY_DIR}/api-reference)
set(KEPLER_DOC_MAINPAGE ${PROJECT_SOURCE_DIR}/packaging/api-mainpage.md)
set(KEPLER_DOC_LAYOUT ${PROJECT_SOURCE_DIR}/packaging/DoxygenLayout.xml)

# The first page's pictures: gauges of several styles and the window of its
# example, drawn by a small program on the controls' library each time the
# reference is made, so that they show the library as it is.
set(KEPLER_DOC_IMAGES ${KEPLER_DOC_OUT}/images)
add_executable(api_pictures ${PROJECT_SOURCE_DIR}/packaging/api_pictures.cpp)
target_link_libraries(api_pictures PRIVATE KeplerControls Qt6::Widgets kepler_warnings)
# Nothing here needs moc; with AUTOMOC on, this target, made after the
# library, had CMake leave the layers' moc objects out of libKeplerControls.
set_target_properties(api_pictures PROPERTIES AUTOMOC OFF)
set(kepler_doc_pictures ${KEPLER_DOC_IMAGES}/gauges.png ${KEPLER_DOC_IMAGES}/getting-started.png)
add_custom_command(OUTPUT ${kepler_doc_pictures}
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:api_pictures> ${KEPLER_DOC_IMAGES}
  DEPENDS api_pictures
  COMMENT "Drawing the API reference's pictures"
  VERBATIM)
# Reads the headers' plain comments as documentation.
set(KEPLER_DOC_FILTER ${PROJECT_SOURCE_DIR}/packaging/doxygen-filter.py)
set(kepler_doc_headers ${KEPLER_CONTROLS_PUBLIC_HEADERS})
list(FILTER kepler_doc_headers EXCLUDE REGEX "keplercontrols_export\\.h$")
list(JOIN kepler_doc_headers " " KEPLER_DOC_INPUT)
string(PREPEND KEPLER_DOC_INPUT "${KEPLER_DOC_MAINPAGE} ")
set(kepler_doc_strip)
foreach(part IN LISTS KEPLER_CONTROLS_PARTS)
  get_target_property(dir ${part} SOURCE_DIR)
  list(APPEND kepler_doc_strip ${dir})
endforeach()
list(JOIN kepler_doc_strip " " KEPLER_DOC_STRIP)
string(REPLACE "." "" KEPLER_DOC_VERSION_ID ${PROJECT_VERSION})
if(KEPLER_QHELPGENERATOR)
  set(KEPLER_DOC_QHP YES)
  set(kepler_doc_outputs ${KEPLER_DOC_OUT}/html/index.html ${KEPLER_DOC_OUT}/keplercontrols.qch)
else()
  set(KEPLER_DOC_QHP NO)
  set(KEPLER_QHELPGENERATOR "")
  set(kepler_doc_outputs ${KEPLER_DOC_OUT}/html/index.html)
endif()
configure_file(${PROJECT_SOURCE_DIR}/packaging/Doxyfile.in ${KEPLER_DOC_OUT}/Doxyfile @ONLY)

add_custom_command(OUTPUT ${kepler_doc_outputs}
  COMMAND ${CMAKE_COMMAND} -E rm -rf ${KEPLER_DOC_OUT}/html ${KEPLER_DOC_OUT}/xml
  COMMAND ${KEPLER_DOXYGEN} ${KEPLER_DOC_OUT}/Doxyfile
  DEPENDS ${kepler_doc_headers} ${KEPLER_DOC_MAINPAGE} ${KEPLER_DOC_FILTER} ${KEPLER_DOC_LAYOUT}
          ${kepler_doc_pictures} ${KEPLER_DOC_OUT}/Doxyfile
  WORKING_DIRECTORY ${KEPLER_DOC_OUT}
  COMMENT "Making the API reference with Doxygen"
  VERBATIM)
add_custom_target(api_reference ALL DEPENDS ${kepler_doc_outputs})

install(DIRECTORY ${KEPLER_DOC_OUT}/html DESTINATION ${kepler_doc_dir} COMPONENT doc
  PATTERN "*.qhp" EXCLUDE)
if(KEPLER_QHELPGENERATOR)
  # Where Debian's Qt 6 keeps the help files of its own modules.
  install(FILES ${KEPLER_DOC_OUT}/keplercontrols.qch
    DESTINATION ${CMAKE_INSTALL_DATADIR}/qt6/doc COMPONENT doc)
endif()
