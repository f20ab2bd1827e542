# Copies a good city, breaks one link, and expects tunnex_pack to refuse it,
# to name the station and field, and to leave no module behind.
file(REMOVE_RECURSE ${WORK})
file(COPY ${CITY}/ DESTINATION ${WORK}/city)
file(READ ${WORK}/city/stations.txt stations)
string(REGEX REPLACE "\n8  \\| ([^|]*)\\| 3 \\| 246 \\| 338 \\| 9 " "\n8  | \\1| 3 | 246 | 338 | 10 " broken "${stations}")
if(broken STREQUAL stations)
  message(FATAL_ERROR "the test could not break station 8")
endif()
file(WRITE ${WORK}/city/stations.txt "${broken}")
file(WRITE ${WORK}/kharkiv.tnd "stale")

execute_process(COMMAND ${PACK} --check ${WORK}/city RESULT_VARIABLE checked ERROR_VARIABLE check_errors)
execute_process(COMMAND ${PACK} ${WORK}/city ${WORK}/kharkiv.tnd ${WORK}/pictures
                RESULT_VARIABLE packed ERROR_VARIABLE pack_errors)
if(checked EQUAL 0 OR packed EQUAL 0)
  message(FATAL_ERROR "tunnex_pack accepted a broken city")
endif()
if(NOT check_errors MATCHES "station 8 [^\n]*: Next: station 10 has Prev 9, not 8")
  message(FATAL_ERROR "unexpected message: ${check_errors}")
endif()
if(EXISTS ${WORK}/kharkiv.tnd)
  message(FATAL_ERROR "a module was left behind")
endif()
