# tunnex_add_city(FOLDER): builds the module NAME.tnd of the city whose source
# is FOLDER into the program's folder. NAME is the "file" key of FOLDER/city.txt.
#
# The drawing tool renders the pictures, and the packer checks the city and writes
# its module file, a data file: nothing is compiled per city. A city that breaks a
# rule stops the build.

function(tunnex_add_city folder)
  get_filename_component(city ${folder} NAME)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${folder}/city.txt)
  file(STRINGS ${folder}/city.txt file_key REGEX "^[ \t]*file[ \t]*=")
  string(REGEX REPLACE "^[ \t]*file[ \t]*=[ \t]*([^ \t]*).*$" "\\1" module_name "${file_key}")
  if(NOT module_name MATCHES "^[A-Za-z0-9_-]+$")
    message(FATAL_ERROR "${folder}/city.txt: file: expected the module's file name, found \"${module_name}\"")
  endif()

  if(NOT TARGET tnx-draw)
    message(WARNING "${city}: no drawing tool (Qt 6 Gui not found); its module is not built")
    return()
  endif()

  set(out ${CMAKE_CURRENT_BINARY_DIR}/cities/${city})
  set(sources ${folder}/city.txt ${folder}/lines.txt ${folder}/stations.txt
              ${folder}/transfers.txt ${folder}/info.txt)
  # Rivers are optional; a rivers.txt added later is seen at the next configure.
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${folder})
  if(EXISTS ${folder}/rivers.txt)
    list(APPEND sources ${folder}/rivers.txt)
  endif()

  # The pictures folder is emptied first so that a picture of a removed line
  # cannot slip into the module.
  add_custom_command(
    OUTPUT ${out}/pictures.stamp
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${out}/pictures
    COMMAND tnx-draw ${folder} ${out}/pictures
    COMMAND ${CMAKE_COMMAND} -E touch ${out}/pictures.stamp
    DEPENDS tnx-draw ${sources}
    COMMENT "Drawing the pictures of ${city}"
    VERBATIM)

  set(module_file ${TUNNEX_OUTPUT_DIR}/${module_name}.tnd)
  add_custom_command(
    OUTPUT ${module_file}
    COMMAND tunnex_pack ${folder} ${module_file} ${out}/pictures
    DEPENDS tunnex_pack ${sources} ${out}/pictures.stamp
    COMMENT "Packing ${city}"
    VERBATIM)

  set(target tunnex_city_${city})
  add_custom_target(${target} ALL DEPENDS ${module_file})
  set_property(GLOBAL APPEND PROPERTY TUNNEX_CITY_MODULES ${target})
endfunction()
