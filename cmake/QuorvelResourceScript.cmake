# quorvel_resource_script(OUT): writes a Windows resource script with every
# file that resources/manifest.txt names, under the manifest's type and id
# ("VSHADER", 301 and so on). The same list feeds the byte arrays of the other
# platforms. Editing the manifest re-runs this; editing a listed file
# recompiles the script.
function(quorvel_resource_script out)
  set(resources ${PROJECT_SOURCE_DIR}/resources)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${resources}/manifest.txt)
  file(STRINGS ${resources}/manifest.txt lines REGEX "^[A-Z]+[ \t]+[0-9]+[ \t]+")
  set(script "// Generated from resources/manifest.txt.\n")
  set(files)
  foreach(line IN LISTS lines)
    string(REGEX REPLACE "^([A-Z]+)[ \t]+([0-9]+)[ \t]+([^ \t]+).*$" "\\2 \\1 \"${resources}/\\3\"" entry "${line}")
    string(REGEX REPLACE "^[A-Z]+[ \t]+[0-9]+[ \t]+([^ \t]+).*$" "${resources}/\\1" file "${line}")
    string(APPEND script "${entry}\n")
    list(APPEND files ${file})
  endforeach()
  file(CONFIGURE OUTPUT ${out} CONTENT "${script}" @ONLY)
  set_source_files_properties(${out} PROPERTIES OBJECT_DEPENDS "${files}")
endfunction()
