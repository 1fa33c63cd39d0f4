# The empty POI database of the program folder. Made only when the folder has none: a database that is there may
# hold the user's POIs and is never replaced.
set(POI_DATABASE ${STATION_DIR}/database/POI.mdb)
add_custom_target(poi_database ALL
  COMMAND sh -c "test -e \"$1\" || \"$2\" \"$1\"" poi_database ${POI_DATABASE} $<TARGET_FILE:makepoidb>
  COMMENT "Making the empty POI database when the program folder has none"
  VERBATIM)
# station_data makes the database folder first.
add_dependencies(poi_database makepoidb station_data)
