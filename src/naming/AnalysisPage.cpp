#include "app/Pages.h"

namespace quillora::gui {

// The page stays empty until its controls are built here.
void BuildAnalysisPage(TFrmIndex& /*window*/, QWidget* /*page*/) {}

}  // namespace quillora::gui
