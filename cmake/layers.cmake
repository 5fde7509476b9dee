# SPDX-License-Identifier: GPL-3.0-or-later
# Keeps the layers one way: the core links Qt Core alone, and no source
# includes a header of a layer above its own (checked on every build by
# check-layers.cmake).
get_target_property(core_links tillora_core LINK_LIBRARIES)
if(NOT core_links STREQUAL "Qt6::Core")
  message(FATAL_ERROR "tillora_core must link Qt Core alone, not: ${core_links}")
endif()

file(GLOB_RECURSE layered_sources CONFIGURE_DEPENDS
  RELATIVE ${PROJECT_SOURCE_DIR}
  ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/app/*.h
  ${PROJECT_SOURCE_DIR}/till/*.cpp ${PROJECT_SOURCE_DIR}/till/*.h
  ${PROJECT_SOURCE_DIR}/vatcalc/*.cpp ${PROJECT_SOURCE_DIR}/vatcalc/*.h
  ${PROJECT_SOURCE_DIR}/markup/*.cpp ${PROJECT_SOURCE_DIR}/markup/*.h
  ${PROJECT_SOURCE_DIR}/about/*.cpp ${PROJECT_SOURCE_DIR}/about/*.h)
list(TRANSFORM layered_sources PREPEND ${PROJECT_SOURCE_DIR}/ OUTPUT_VARIABLE layered_paths)
set(layers_stamp ${PROJECT_BINARY_DIR}/layers.checked)
add_custom_command(OUTPUT ${layers_stamp}
  COMMAND ${CMAKE_COMMAND} -DROOT=${PROJECT_SOURCE_DIR} "-DSOURCES=${layered_sources}"
          -DSTAMP=${layers_stamp} -P ${CMAKE_CURRENT_LIST_DIR}/check-layers.cmake
  DEPENDS ${layered_paths} ${CMAKE_CURRENT_LIST_DIR}/check-layers.cmake
  COMMENT "Checking that no include runs up the layers" VERBATIM)
add_custom_target(tillora_layers DEPENDS ${layers_stamp})
add_dependencies(tillora_core tillora_layers)
