# SPDX-License-Identifier: GPL-3.0-or-later
# The program's layers as libraries, each linking the one below. The core
# links Qt Core alone, so that it runs and is tested without a display, and
# the fuzz targets build it by itself.
add_library(tillora_core STATIC)
target_link_libraries(tillora_core PUBLIC Qt6::Core)
target_include_directories(tillora_core PUBLIC ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR}/generated)
if(TILLORA_FUZZ)
  return()
endif()

# tillora_layer(<name> <what it links>...)
function(tillora_layer name)
  add_library(tillora_${name} STATIC)
  target_link_libraries(tillora_${name} PUBLIC ${ARGN})
endfunction()

tillora_layer(widgets tillora_core Qt6::Widgets)
tillora_layer(printing tillora_widgets Qt6::PrintSupport)
tillora_layer(windows tillora_printing)
tillora_layer(startup tillora_windows)
