# The map library of the map page: Leaflet from the npm registry at a pinned version, installed once into the build
# folder and copied into the program folder as carimage/leaflet/. Nothing of it is kept in the sources.
set(LEAFLET_VERSION 1.9.4)
set(LEAFLET_NPM_DIR ${CMAKE_BINARY_DIR}/npm)
set(LEAFLET_STAMP ${LEAFLET_NPM_DIR}/leaflet-${LEAFLET_VERSION}.stamp)
find_program(NPM_PROGRAM npm REQUIRED)

add_custom_command(
  OUTPUT ${LEAFLET_STAMP}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${LEAFLET_NPM_DIR}
  COMMAND ${NPM_PROGRAM} install --prefix ${LEAFLET_NPM_DIR} --prefer-offline --no-audit --no-fund
          --loglevel=error leaflet@${LEAFLET_VERSION}
  COMMAND ${CMAKE_COMMAND} -E touch ${LEAFLET_STAMP}
  COMMENT "Installing Leaflet ${LEAFLET_VERSION} from the npm registry")

# Copied whenever the program folder lacks it, so a fresh station folder gets it back without a new download.
add_custom_command(
  OUTPUT ${STATION_DIR}/carimage/leaflet/leaflet.js
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${LEAFLET_NPM_DIR}/node_modules/leaflet/dist ${STATION_DIR}/carimage/leaflet
  DEPENDS ${LEAFLET_STAMP}
  COMMENT "Copying Leaflet into the program folder")
add_custom_target(station_leaflet ALL DEPENDS ${STATION_DIR}/carimage/leaflet/leaflet.js)
add_dependencies(station_leaflet station_data)
add_dependencies(tervane station_leaflet)
