# The repository's root, whichever project includes this (the Windows build's
# host tools are a project of their own): product code includes from there.
get_filename_component(QUORVEL_ROOT_DIR ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)

# Product code: no exceptions, no RTTI, all warnings (errors in CI).
set(QUORVEL_PRODUCT_FLAGS -Wall -Wextra -fno-exceptions -fno-rtti)
if(QUORVEL_WERROR)
  list(APPEND QUORVEL_PRODUCT_FLAGS -Werror)
endif()

# quorvel_product_library(name SOURCES ... [LINKS ...])
function(quorvel_product_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${QUORVEL_PRODUCT_FLAGS})
  target_include_directories(${name} PUBLIC ${QUORVEL_ROOT_DIR})
  if(ARG_LINKS)
    target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  endif()
endfunction()

# quorvel_product_executable(name SOURCES ... [LINKS ...])
function(quorvel_product_executable name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_compile_options(${name} PRIVATE ${QUORVEL_PRODUCT_FLAGS})
  target_include_directories(${name} PRIVATE ${QUORVEL_ROOT_DIR})
  target_link_libraries(${name} PRIVATE ${ARG_LINKS})
  # The one version of the project, for the tools' --version.
  target_compile_definitions(${name} PRIVATE QUORVEL_VERSION="${PROJECT_VERSION}")
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR})
endfunction()

# The product's layers, from the bottom up: the same in every build (Linux,
# Windows, the browser), each with the backend QUORVEL_PLATFORM_BACKEND names.
macro(quorvel_add_layers)
  foreach(layer resources platform gfx synth demo app)
    add_subdirectory(${QUORVEL_ROOT_DIR}/${layer} ${PROJECT_BINARY_DIR}/${layer})
  endforeach()
endmacro()
