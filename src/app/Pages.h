// The contents of the main window's pages. TFrmIndex creates the empty page
// widgets (TabSheet1, TabSheet3, TabSheet2, TabSheet5) and calls each
// builder once from its constructor; every subsystem fills its own page.
#pragma once

class QWidget;

namespace quillora::gui {

class TFrmIndex;

void BuildGenerationPage(TFrmIndex& window, QWidget* page);  // src/naming/GenerationPage.cpp
void BuildAnalysisPage(TFrmIndex& window, QWidget* page);    // src/naming/AnalysisPage.cpp
void BuildBaziPage(TFrmIndex& window, QWidget* page);        // src/bazi/BaziPage.cpp
void BuildAlmanacPage(TFrmIndex& window, QWidget* page);     // src/almanac/AlmanacPage.cpp

}  // namespace quillora::gui
