# Checks one shader with glslangValidator; it must declare "#version 110" first.
file(STRINGS ${SHADER} first_line LIMIT_COUNT 1)
if(NOT first_line STREQUAL "#version 110")
  message(FATAL_ERROR "${SHADER}: the first line must be '#version 110', not '${first_line}'")
endif()
execute_process(COMMAND ${VALIDATOR} ${SHADER} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${SHADER} does not validate:\n${output}")
endif()
