# quorvel_resource_script(OUT): writes a Windows resource script with every
# file that resources/manifest.txt names, under the manifest's type and id.
# The same reading of the manifest feeds the byte arrays of the other
# platforms. Editing the manifest re-runs this; editing a listed file
# recompiles the script.
include(QuorvelManifest)

function(quorvel_resource_script out)
  quorvel_read_manifest(manifest)
  set(script "// Generated from resources/manifest.txt.\n")
  foreach(type id file IN ZIP_LISTS manifest_TYPES manifest_IDS manifest_FILES)
    string(APPEND script "${id} ${type} \"${file}\"\n")
  endforeach()
  file(CONFIGURE OUTPUT ${out} CONTENT "${script}" @ONLY)
  set_source_files_properties(${out} PROPERTIES OBJECT_DEPENDS "${manifest_FILES}")
endfunction()
