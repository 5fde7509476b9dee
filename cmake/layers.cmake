# SPDX-License-Identifier: GPL-3.0-or-later
# The program's layers as libraries, each linking the one below. The core
# links Qt Core alone, so that it runs and is tested without a display, and
# the fuzz targets build it by itself; no header of a layer above it can
# compile there. tests/CMakeLists.txt plants an upward include in each layer.
add_library(tillora_core STATIC)
target_link_libraries(tillora_core PUBLIC Qt6::Core)
target_include_directories(tillora_core PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)

# Qt's safety switches on the program's own sources: no QString made from a
# char* behind the code's back, with its encoding guessed, and no connection
# that narrows what a signal carries. A folder in TILLORA_QT_SWITCHES_PENDING
# is built without them until its sources compile with them; empty, every
# folder has them.
set(TILLORA_QT_SWITCHES QT_NO_CAST_FROM_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
set(TILLORA_QT_SWITCHES_PENDING till)

# tillora_qt_switches(<target>...): the switches on the targets' sources in
# the repository, bar the pending folders'; targets not built are passed
# over. Called once every folder has added its sources.
function(tillora_qt_switches)
  foreach(target IN LISTS ARGN)
    if(NOT TARGET ${target})
      continue()
    endif()
    get_target_property(sources ${target} SOURCES)
    get_target_property(directory ${target} SOURCE_DIR)
    foreach(source IN LISTS sources)
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${directory} OUTPUT_VARIABLE path)
      cmake_path(IS_PREFIX PROJECT_BINARY_DIR ${path} generated)
      cmake_path(RELATIVE_PATH path BASE_DIRECTORY ${PROJECT_SOURCE_DIR} OUTPUT_VARIABLE relative)
      set(pending FALSE)
      foreach(folder IN LISTS TILLORA_QT_SWITCHES_PENDING)
        cmake_path(IS_PREFIX folder ${relative} NORMALIZE inside)
        if(inside)
          set(pending TRUE)
        endif()
      endforeach()
      if(NOT generated AND NOT pending)
        set_property(SOURCE ${path} TARGET_DIRECTORY ${target} APPEND PROPERTY COMPILE_DEFINITIONS ${TILLORA_QT_SWITCHES})
      endif()
    endforeach()
  endforeach()
endfunction()

if(TILLORA_FUZZ)
  return()
endif()

# tillora_layer(<name> <what it links>...): the layer's library, whose
# headers (app/layers/<name>.h) compile only where TILLORA_<NAME>_LAYER
# stands, in its own sources and in those of the layers above it.
function(tillora_layer name)
  add_library(tillora_${name} STATIC)
  target_link_libraries(tillora_${name} PUBLIC ${ARGN})
  string(TOUPPER ${name} upper)
  target_compile_definitions(tillora_${name} PUBLIC TILLORA_${upper}_LAYER)
endfunction()

tillora_layer(widgets tillora_core Qt6::Widgets)
tillora_layer(printing tillora_widgets Qt6::PrintSupport)
tillora_layer(windows tillora_printing)
tillora_layer(startup tillora_windows)
