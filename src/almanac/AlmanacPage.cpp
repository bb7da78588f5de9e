#include "app/Pages.h"

namespace quillora::gui {

// The page stays empty until its controls are built here.
void BuildAlmanacPage(TFrmIndex& /*window*/, QWidget* /*page*/) {}

}  // namespace quillora::gui
