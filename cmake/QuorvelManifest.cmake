include_guard(GLOBAL)

# resources/manifest.txt, read in one place for every part of the build that
# needs it: the byte arrays linked into the program (resources/), the Windows
# resource script (cmake/QuorvelResourceScript.cmake), the constants that name
# the ids (resources/resource_ids.h) and the shader checks (tests/unit/shaders).
#
# A manifest line is "TYPE ID NAME FILE": the resource type ("VSHADER",
# "FSHADER", "PNG"), its id, the constant the code calls it by, and its file
# relative to resources/. Blank lines and lines starting with '#' are skipped.
# Editing the manifest re-runs the configuration.

# quorvel_read_manifest(PREFIX): sets PREFIX_TYPES, PREFIX_IDS, PREFIX_NAMES
# and PREFIX_FILES (absolute paths), one entry a resource, in manifest order.
# A line of another shape, a (type, id) listed twice or a name given twice
# stops the configuration.
function(quorvel_read_manifest prefix)
  set(resources ${PROJECT_SOURCE_DIR}/resources)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${resources}/manifest.txt)
  file(STRINGS ${resources}/manifest.txt lines)
  set(types)
  set(ids)
  set(names)
  set(files)
  set(keys)
  foreach(line IN LISTS lines)
    if(line MATCHES "^[ \t]*(#.*)?$")
      continue()
    endif()
    if(NOT line MATCHES "^([A-Z]+)[ \t]+([0-9]+)[ \t]+([A-Z][A-Z0-9_]*)[ \t]+([^ \t]+)[ \t]*$")
      message(FATAL_ERROR "resources/manifest.txt: expected TYPE ID NAME FILE, not \"${line}\"")
    endif()
    if("${CMAKE_MATCH_1}:${CMAKE_MATCH_2}" IN_LIST keys)
      message(FATAL_ERROR "resources/manifest.txt: ${CMAKE_MATCH_1} ${CMAKE_MATCH_2} listed twice")
    endif()
    if(CMAKE_MATCH_3 IN_LIST names)
      message(FATAL_ERROR "resources/manifest.txt: the name ${CMAKE_MATCH_3} given twice")
    endif()
    list(APPEND keys "${CMAKE_MATCH_1}:${CMAKE_MATCH_2}")
    list(APPEND types ${CMAKE_MATCH_1})
    list(APPEND ids ${CMAKE_MATCH_2})
    list(APPEND names ${CMAKE_MATCH_3})
    list(APPEND files ${resources}/${CMAKE_MATCH_4})
  endforeach()
  set(${prefix}_TYPES ${types} PARENT_SCOPE)
  set(${prefix}_IDS ${ids} PARENT_SCOPE)
  set(${prefix}_NAMES ${names} PARENT_SCOPE)
  set(${prefix}_FILES ${files} PARENT_SCOPE)
endfunction()

# quorvel_resource_id_library(TARGET): an interface library whose header,
# "resources/resource_ids.h", names every resource's id as the manifest does
# and lists each one's type, id and file (the header is rewritten only when the
# manifest changes it).
function(quorvel_resource_id_library target)
  quorvel_read_manifest(manifest)
  set(header "// Generated from resources/manifest.txt when the build is configured. Do not edit.\n")
  string(APPEND header "// The ids of the resources built into the program, by the names the code uses.\n")
  string(APPEND header "#pragma once\n\nenum ResourceId {\n")
  foreach(type id name file IN ZIP_LISTS manifest_TYPES manifest_IDS manifest_NAMES manifest_FILES)
    file(RELATIVE_PATH file ${PROJECT_SOURCE_DIR}/resources ${file})
    string(APPEND header "    ${name} = ${id},  // ${type} ${file}\n")
  endforeach()
  string(APPEND header "};\n\n")
  # The files again, for a tool that reads them from a source tree at run time.
  string(APPEND header "struct ResourceFile {\n    const char* type;\n    int id;\n")
  string(APPEND header "    const char* file;  // relative to resources/\n};\n\n")
  string(APPEND header "inline constexpr ResourceFile resourceFiles[] = {\n")
  foreach(type name file IN ZIP_LISTS manifest_TYPES manifest_NAMES manifest_FILES)
    file(RELATIVE_PATH file ${PROJECT_SOURCE_DIR}/resources ${file})
    string(APPEND header "    {\"${type}\", ${name}, \"${file}\"},\n")
  endforeach()
  string(APPEND header "};\n")
  set(folder ${PROJECT_BINARY_DIR}/generated)
  file(CONFIGURE OUTPUT ${folder}/resources/resource_ids.h CONTENT "${header}" @ONLY)
  add_library(${target} INTERFACE)
  target_include_directories(${target} INTERFACE ${folder})
endfunction()
