target_sources(quillora_gui PRIVATE
  ${CMAKE_SOURCE_DIR}/src/naming/GenerationPage.cpp
  ${CMAKE_SOURCE_DIR}/src/naming/AnalysisPage.cpp
  ${CMAKE_SOURCE_DIR}/src/naming/BrandInputPanel.cpp
  ${CMAKE_SOURCE_DIR}/src/naming/NameMain.cpp
)
