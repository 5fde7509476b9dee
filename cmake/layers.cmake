# SPDX-License-Identifier: GPL-3.0-or-later
# The program's layers as libraries, each linking the one below. The core
# links Qt Core alone, so that it runs and is tested without a display, and
# the fuzz target builds it by itself; no header of a layer above it can
# compile there. tests/CMakeLists.txt plants an upward include in each layer.
add_library(tillora_core STATIC)
target_link_libraries(tillora_core PUBLIC Qt6::Core)
target_include_directories(tillora_core PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)

# Qt's safety switches on the program's own sources: no QString made from a
# char* behind the code's back, with its encoding guessed, and no connection
# that narrows what a signal carries.
set(TILLORA_QT_SWITCHES QT_NO_CAST_FROM_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
target_compile_definitions(tillora_core PRIVATE ${TILLORA_QT_SWITCHES})

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
  target_compile_definitions(tillora_${name} PUBLIC TILLORA_${upper}_LAYER PRIVATE ${TILLORA_QT_SWITCHES})
endfunction()

tillora_layer(widgets tillora_core Qt6::Widgets)
tillora_layer(printing tillora_widgets Qt6::PrintSupport)
tillora_layer(windows tillora_printing)
tillora_layer(startup tillora_windows)
