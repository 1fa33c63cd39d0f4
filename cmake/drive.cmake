# The demonstration drive that scripts/run replays into a pseudo-terminal: made by our own generator, so no recorded
# capture ever ships with the station.
set(DRIVE_FILE ${CMAKE_BINARY_DIR}/drive/drive.nmea)
add_custom_command(
  OUTPUT ${DRIVE_FILE}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/drive
  COMMAND makedrive ${DRIVE_FILE}
  DEPENDS makedrive
  COMMENT "Writing the demonstration drive")
add_custom_target(drive ALL DEPENDS ${DRIVE_FILE})
