# add_gauge_module(<Module> SOURCES <files>... [LIBRARIES <libs>...] [ART <art file>])
#
# Builds <Module>.gau into GAUGES_OUTPUT_DIR: on Linux a shared library whose resources sit
# in its own ".gauge_resources" section, on Windows a 32-bit DLL carrying the same resources
# as numbered Win32 resources. Either way the module exports Linkage and ImportTable only.
# The resources are painted by artgen from assets/<Module>.art (or the ART given), when the
# module has one.
function(add_gauge_module name)
  cmake_parse_arguments(ARG "" "ART" "SOURCES;LIBRARIES" ${ARGN})
  add_library(${name} SHARED ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES
    PREFIX "" SUFFIX ".gau"
    LIBRARY_OUTPUT_DIRECTORY ${GAUGES_OUTPUT_DIR}
    RUNTIME_OUTPUT_DIRECTORY ${GAUGES_OUTPUT_DIR}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${name} PRIVATE gauge_common ${ARG_LIBRARIES})

  set(art ${PROJECT_SOURCE_DIR}/assets/${name}.art)
  if(ARG_ART)
    set(art ${ARG_ART})
  endif()
  set(res_dir ${GAUGE_ASSETS_DIR}/${name})
  if(WIN32)
    if(EXISTS ${art})
      target_sources(${name} PRIVATE ${res_dir}/resources.rc)
    endif()
    target_sources(${name} PRIVATE ${PROJECT_SOURCE_DIR}/common/gauge_module.def)
    target_link_options(${name} PRIVATE -static -static-libgcc -static-libstdc++)
  else()
    if(EXISTS ${art})
      add_custom_command(
        OUTPUT ${res_dir}/resources.bin ${res_dir}/resources.rc
        COMMAND artgen ${art} ${res_dir}
        DEPENDS artgen ${art}
        COMMENT "Painting the bitmaps of ${name}")
      add_custom_target(${name}_assets DEPENDS ${res_dir}/resources.bin)
      add_dependencies(gauge_assets ${name}_assets)
      set(GAUGE_RESOURCE_BLOB ${res_dir}/resources.bin)
      set(section_src ${CMAKE_CURRENT_BINARY_DIR}/${name}_resources.S)
      configure_file(${PROJECT_SOURCE_DIR}/cmake/gauge_resources.S.in ${section_src} @ONLY)
      set_source_files_properties(${section_src} PROPERTIES OBJECT_DEPENDS ${res_dir}/resources.bin)
      target_sources(${name} PRIVATE ${section_src})
      add_dependencies(${name} ${name}_assets)
    endif()
    target_link_options(${name} PRIVATE
      -Wl,--version-script=${PROJECT_SOURCE_DIR}/common/gauge_module.map -Wl,--no-undefined)
    set_property(TARGET ${name} APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/common/gauge_module.map)
  endif()
endfunction()
