target_sources(quillora_gui PRIVATE
  ${CMAKE_SOURCE_DIR}/src/almanac/AlmanacPage.cpp
)
