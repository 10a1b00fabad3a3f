# The build-time tools of a cross build (Windows, the browser), built for the
# host in a sub-build of their own (cmake/host_tools) from the same CMake
# files as in the host build, and imported under their usual names.
include_guard(GLOBAL)
include(ExternalProject)

# quorvel_host_tools(TOOL...): quorvel-song-compiler, quorvel-embed-resources,
# quorvel-convert-shader, as the cross build needs them.
function(quorvel_host_tools)
  set(folder ${PROJECT_BINARY_DIR}/host-tools)
  set(byproducts)
  foreach(tool IN LISTS ARGN)
    list(APPEND byproducts ${folder}/${tool})
  endforeach()
  string(REPLACE ";" "," tools "${ARGN}")
  ExternalProject_Add(quorvel_host_tools
    SOURCE_DIR ${PROJECT_SOURCE_DIR}/cmake/host_tools
    BINARY_DIR ${folder}
    CMAKE_ARGS -DQUORVEL_SOURCE_DIR=${PROJECT_SOURCE_DIR} -DCMAKE_BUILD_TYPE=Release -DQUORVEL_HOST_TOOLS=${tools}
    BUILD_ALWAYS ON
    INSTALL_COMMAND ""
    BUILD_BYPRODUCTS ${byproducts})
  foreach(tool IN LISTS ARGN)
    add_executable(${tool} IMPORTED GLOBAL)
    set_target_properties(${tool} PROPERTIES IMPORTED_LOCATION ${folder}/${tool})
    add_dependencies(${tool} quorvel_host_tools)
  endforeach()
endfunction()
