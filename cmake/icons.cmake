# The map icons, drawn by tools/makeicons.cpp into the program folder: carimage/C-rv, C-Rv and POI (car000.gif to
# car315.gif each) and carimage/House (House1.gif to House5.gif). Redrawn when the tool changes or the folder lacks
# them.
set(ICONS_SAMPLE ${STATION_DIR}/carimage/House/House5.gif)
add_custom_command(
  OUTPUT ${ICONS_SAMPLE}
  COMMAND makeicons ${STATION_DIR}/carimage
  DEPENDS makeicons
  COMMENT "Drawing the map icons")
add_custom_target(station_icons ALL DEPENDS ${ICONS_SAMPLE})
add_dependencies(station_icons station_data)
add_dependencies(tervane station_icons)
