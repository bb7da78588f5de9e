// TFrm_servers: the modal window that describes the paid naming consultation
// service, opened from the tools page. Static text only.
#pragma once

#include <QDialog>

namespace quillora::gui {

class TFrm_servers : public QDialog {
    Q_OBJECT
  public:
    explicit TFrm_servers(QWidget* parent = nullptr);
};

}  // namespace quillora::gui
