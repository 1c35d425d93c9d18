# add_gauge_module(<Module> SOURCES <files>... [LIBRARIES <libs>...] [ART <art file>])
#
# Builds <Module>.gau into GAUGES_OUTPUT_DIR: on Linux a shared library whose resources sit
# in its own ".gauge_resources" section, on Windows a 32-bit DLL carrying the same resources
# as numbered Win32 resources. Either way the module exports Linkage and ImportTable only.
# The resources are painted by artgen from assets/<Module>.art (or the ART given), when the
# module has one. artgen reads the module's own records to fit the art to them, so on Linux
# the module's objects are linked twice: into build/records/<Module>.records.so without
# resources, which artgen loads, and into the module with the painted resources.
function(add_gauge_module name)
  cmake_parse_arguments(ARG "" "ART" "SOURCES;LIBRARIES" ${ARGN})
  set(art ${PROJECT_SOURCE_DIR}/assets/${name}.art)
  if(ARG_ART)
    set(art ${ARG_ART})
  endif()
  set(res_dir ${GAUGE_ASSETS_DIR}/${name})
  set(painted OFF)
  if(EXISTS ${art} AND NOT WIN32)
    set(painted ON)
  endif()

  if(painted)
    add_library(${name}_objects OBJECT ${ARG_SOURCES})
    set_gauge_module_properties(${name}_objects)
    target_link_libraries(${name}_objects PRIVATE gauge_common ${ARG_LIBRARIES})
    set(module_sources $<TARGET_OBJECTS:${name}_objects>)

    add_library(${name}_records SHARED ${module_sources})
    set_target_properties(${name}_records PROPERTIES
      OUTPUT_NAME ${name}.records PREFIX "" SUFFIX ".so"
      LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/records)
    link_gauge_module(${name}_records "${ARG_LIBRARIES}")

    # Repainted when the art file, artgen or the records change.
    add_custom_command(
      OUTPUT ${res_dir}/resources.bin ${res_dir}/resources.rc
      COMMAND artgen ${art} $<TARGET_FILE:${name}_records> ${res_dir}
      DEPENDS artgen ${art} ${name}_records
      COMMENT "Painting the bitmaps of ${name}")
    add_custom_target(${name}_assets DEPENDS ${res_dir}/resources.bin)
    add_dependencies(gauge_assets ${name}_assets)
  else()
    set(module_sources ${ARG_SOURCES})
  endif()

  add_library(${name} SHARED ${module_sources})
  set_target_properties(${name} PROPERTIES
    PREFIX "" SUFFIX ".gau"
    LIBRARY_OUTPUT_DIRECTORY ${GAUGES_OUTPUT_DIR}
    RUNTIME_OUTPUT_DIRECTORY ${GAUGES_OUTPUT_DIR})
  set_gauge_module_properties(${name})
  link_gauge_module(${name} "${ARG_LIBRARIES}")

  if(WIN32)
    if(EXISTS ${art})
      target_sources(${name} PRIVATE ${res_dir}/resources.rc)
    endif()
  elseif(painted)
    set(GAUGE_RESOURCE_BLOB ${res_dir}/resources.bin)
    set(section_src ${CMAKE_CURRENT_BINARY_DIR}/${name}_resources.S)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/gauge_resources.S.in ${section_src} @ONLY)
    set_source_files_properties(${section_src} PROPERTIES OBJECT_DEPENDS ${res_dir}/resources.bin)
    target_sources(${name} PRIVATE ${section_src})
    add_dependencies(${name} ${name}_assets)
  endif()
endfunction()

function(set_gauge_module_properties target)
  set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
endfunction()

# The libraries and exports of a module (or of its records-only twin).
function(link_gauge_module target libraries)
  target_link_libraries(${target} PRIVATE gauge_common ${libraries})
  if(WIN32)
    target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/common/gauge_module.def)
    target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  else()
    target_link_options(${target} PRIVATE
      -Wl,--version-script=${PROJECT_SOURCE_DIR}/common/gauge_module.map -Wl,--no-undefined)
    set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/common/gauge_module.map)
  endif()
endfunction()
