#include "app/BirthInputGroup.h"
#include "app/Pages.h"

namespace quillora::gui {

// The legal person's input group (Xing, CBsex, ComDate, SYear, SMonth, Sday,
// Shour, CBFen) stands at the top of the page in a panel captioned
// "企业法人"; the generation's own entries, buttons and results grid go
// below it.
void BuildGenerationPage(TFrmIndex& /*window*/, QWidget* page) {
    BirthInputGroup::Options options;
    options.panelCaption = QStringLiteral("企业法人");
    auto* group = new BirthInputGroup(options, page);
    group->setGeometry(8, 6, 782, group->sizeHint().height());
}

}  // namespace quillora::gui
