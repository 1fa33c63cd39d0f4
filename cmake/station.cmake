# Assembles the program folder from data/: Language.ini, carimage/ and the empty folders the station expects.
file(GLOB_RECURSE STATION_DATA CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)
add_custom_command(
  OUTPUT ${CMAKE_BINARY_DIR}/station-data.stamp
  COMMAND ${CMAKE_COMMAND} -E make_directory ${STATION_DIR}/database ${STATION_DIR}/image ${STATION_DIR}/ports
          ${STATION_DIR}/carimage
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data ${STATION_DIR}
  COMMAND ${CMAKE_COMMAND} -E touch ${CMAKE_BINARY_DIR}/station-data.stamp
  DEPENDS ${STATION_DATA}
  COMMENT "Assembling the program folder")
add_custom_target(station_data ALL DEPENDS ${CMAKE_BINARY_DIR}/station-data.stamp)
add_dependencies(tervane station_data)
