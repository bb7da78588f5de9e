// The contents of the main window's pages. TFrmIndex creates the empty page
// widgets (TabSheet1, TabSheet3, TabSheet2, TabSheet5) and calls each
// builder once from its constructor; every subsystem fills its own page.
#pragma once

class QWidget;

namespace quillora::gui {

class TFrmIndex;

void BuildGenerationPage(TFrmIndex& window, QWidget* page);  // src/naming/gui/GenerationPage.cpp
void BuildAnalysisPage(TFrmIndex& window, QWidget* page);    // src/naming/gui/AnalysisPage.cpp
void BuildBaziPage(TFrmIndex& window, QWidget* page);        // src/bazi/gui/BaziPage.cpp
void BuildAlmanacPage(TFrmIndex& window, QWidget* page);     // src/almanac/gui/AlmanacPage.cpp

}  // namespace quillora::gui
