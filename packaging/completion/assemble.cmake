# cmake -DTEMPLATE=... -DSTATIONS_PROGRAM=... -DOUTPUT=... -P assemble.cmake
# The completion script with the station tables the program was built with.
execute_process(COMMAND ${STATIONS_PROGRAM} OUTPUT_VARIABLE STATIONS RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${STATIONS_PROGRAM} failed: ${result}")
endif()
configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
