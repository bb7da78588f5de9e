#include "datepicker/DateWin.h"

#include "app/Chrome.h"

namespace quillora::gui {

TFRM_Date::TFRM_Date(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("FRM_Date"));
    setWindowTitle(QStringLiteral("万年历"));
    setFixedSize(331, 285);
    setFont(ProgramFont());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
}

}  // namespace quillora::gui
