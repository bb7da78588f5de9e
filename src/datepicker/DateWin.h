// The calendar date picker window TFRM_Date (unit DateWin): a small modal
// window with a white 331 x 285 client area, its title and a close box.
#pragma once

#include <QDialog>

namespace quillora::gui {

class TFRM_Date : public QDialog {
    Q_OBJECT
  public:
    explicit TFRM_Date(QWidget* parent = nullptr);
};

}  // namespace quillora::gui
