# Runs the route tool with its standard output on /dev/full.
foreach(args "12;29" "--stations" "--json;8;8")
  execute_process(COMMAND ${TOOL} --city ${CITY} ${args}
    OUTPUT_FILE /dev/full ERROR_VARIABLE err RESULT_VARIABLE status)
  if(NOT status EQUAL 4 OR NOT err MATCHES "could not write the output: ")
    message(FATAL_ERROR "tunnex-route ${args} > /dev/full: exit ${status}, \"${err}\"")
  endif()
endforeach()
