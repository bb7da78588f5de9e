// Program entry: the application object, its title, icon and tooltip colours,
// the main window, the message loop.
#pragma once

#include <QApplication>

namespace quillora::gui {

// A QApplication whose notify() is the last resort for errors: commands stop
// theirs at the slot (app/CommandGuard.h), and an exception that escapes any
// other event handler is shown through the same error report here; the
// window keeps running.
class QuilloraApplication : public QApplication {
  public:
    QuilloraApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

int RunApplication(int argc, char** argv);

}  // namespace quillora::gui
