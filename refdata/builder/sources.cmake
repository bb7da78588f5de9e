# Further source files of quillora-refdata, one target_sources per table group.
target_sources(quillora-refdata PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/Almanac.cpp
  ${CMAKE_CURRENT_LIST_DIR}/JieInstants.cpp
)
# Scored stroke patterns (gz).
target_sources(quillora-refdata PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/StrokePatterns.cpp
)
# The element list in refdata/ is MIT-licensed data: its notice travels with
# the databases that carry it.
configure_file(${CMAKE_CURRENT_LIST_DIR}/../char-elements.LICENSE
  ${QUILLORA_BIN_DIR}/char-elements.LICENSE COPYONLY)
install(FILES ${CMAKE_CURRENT_LIST_DIR}/../char-elements.LICENSE DESTINATION share/doc/quillora)
