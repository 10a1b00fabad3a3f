# Converts one GLSL 1.10 shader with quorvel-convert-shader and checks its
# GLSL ES 3.00 form with glslangValidator (the "#version 300 es" line makes it
# validate as ES; the extension gives the stage).
get_filename_component(name ${SHADER} NAME)
set(converted ${OUT_DIR}/${name})
execute_process(COMMAND ${CONVERTER} ${TYPE} ${SHADER} ${converted} RESULT_VARIABLE result ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${SHADER} does not convert:\n${output}")
endif()
execute_process(COMMAND ${VALIDATOR} ${converted} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${converted} is no valid GLSL ES 3.00:\n${output}")
endif()
