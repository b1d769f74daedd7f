# The gauge and the spin box as one library for other programs:
# libKeplerControls.so.1 (or, with -DKEPLERCONTROLS_SHARED=OFF, the static
# libKeplerControls.a), made from the object files of the toolkit's layers
# and the two controls. Nothing is compiled twice: the per-folder static
# libraries that the program and the tests link are built with hidden
# symbols, and only what the public headers mark KEPLERCONTROLS_EXPORT is
# visible outside the shared library.
#
# The program and the tests keep linking the per-folder static libraries:
# they use internals (the platform seam, the face composer's steps, the
# window's helpers) that the shared library does not show, and the program
# stays one file whose pixels the tests have checked.

include(GNUInstallDirs)

option(KEPLERCONTROLS_SHARED "Build the controls' library as a shared library" ON)
set(KEPLERCONTROLS_SOVERSION 1)

include(GenerateExportHeader)

# The layers the library is made of, bottom up. A library of the toolkit
# or the controls that is not listed here is not part of it.
set(KEPLER_CONTROLS_PARTS toolkit_base toolkit_platform toolkit_raster toolkit_raster_qt toolkit_platform_qt toolkit gauge_model gauge_face gauge spin_value spinbox)

foreach(part IN LISTS KEPLER_CONTROLS_PARTS KEPLER_SPIN_GLYPH_TARGETS)
  set_target_properties(${part} PROPERTIES
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON
    POSITION_INDEPENDENT_CODE ON)
endforeach()

if(KEPLERCONTROLS_SHARED)
  set(kepler_controls_type SHARED)
else()
  set(kepler_controls_type STATIC)
endif()
set(kepler_controls_objects)
foreach(part IN LISTS KEPLER_CONTROLS_PARTS)
  list(APPEND kepler_controls_objects $<TARGET_OBJECTS:${part}>)
endforeach()
if(KEPLERCONTROLS_SHARED)
  foreach(part IN LISTS KEPLER_SPIN_GLYPH_TARGETS)
    list(APPEND kepler_controls_objects $<TARGET_OBJECTS:${part}>)
  endforeach()
endif()
add_library(KeplerControls ${kepler_controls_type} ${kepler_controls_objects})
if(NOT KEPLERCONTROLS_SHARED)
  # Nothing calls the glyphs' resource initialiser, so from an archive the
  # linker would leave it out: a program links its objects itself, as Qt
  # does for the resources of static libraries.
  foreach(part IN LISTS KEPLER_SPIN_GLYPH_TARGETS)
    target_link_libraries(KeplerControls INTERFACE "$<TARGET_OBJECTS:$<TARGET_NAME:${part}>>")
  endforeach()
endif()
add_library(KeplerControls::KeplerControls ALIAS KeplerControls)
target_link_libraries(KeplerControls PUBLIC Qt6::Core Qt6::Gui Qt6::Widgets)
set_target_properties(KeplerControls PROPERTIES
  VERSION ${PROJECT_VERSION}
  SOVERSION ${KEPLERCONTROLS_SOVERSION}
  LINKER_LANGUAGE CXX
  # Made of objects moc has already seen in the layers.
  AUTOMOC OFF)
if(KEPLERCONTROLS_SHARED AND NOT KEPLER_SANITIZE AND NOT KEPLER_FUZZ)
  # Every symbol the objects need must be there when the library is made,
  # not first when a program loads it. (Sanitizer builds leave their
  # run-time's symbols to the program.)
  target_link_options(KeplerControls PRIVATE LINKER:--no-undefined LINKER:--as-needed)
endif()
foreach(part IN LISTS KEPLER_CONTROLS_PARTS)
  get_target_property(dir ${part} SOURCE_DIR)
  target_include_directories(KeplerControls PUBLIC $<BUILD_INTERFACE:${dir}>)
endforeach()

# KEPLERCONTROLS_EXPORT: default visibility for what the public headers
# offer. The header is made once, in the build tree, and installed with the
# public headers.
set(KEPLER_CONTROLS_EXPORT_DIR ${PROJECT_BINARY_DIR}/exports)
generate_export_header(KeplerControls
  BASE_NAME KEPLERCONTROLS
  EXPORT_FILE_NAME ${KEPLER_CONTROLS_EXPORT_DIR}/KeplerControls/keplercontrols_export.h)
target_include_directories(toolkit_base PUBLIC $<BUILD_INTERFACE:${KEPLER_CONTROLS_EXPORT_DIR}>)
target_include_directories(KeplerControls PUBLIC $<BUILD_INTERFACE:${KEPLER_CONTROLS_EXPORT_DIR}>)
