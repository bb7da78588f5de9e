target_sources(quillora_gui PRIVATE
  ${CMAKE_SOURCE_DIR}/src/bazi/BaziPage.h
  ${CMAKE_SOURCE_DIR}/src/bazi/BaziPage.cpp
)
