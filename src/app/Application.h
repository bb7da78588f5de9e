// Program entry steps: the application object, its title, the program's own
// date and time formats, the main window, the message loop.
#pragma once

#include <QApplication>

namespace quillora::gui {

// A QApplication whose notify() catches every exception that escapes an
// event handler and shows it through ReportError; the window keeps running.
class QuilloraApplication : public QApplication {
  public:
    QuilloraApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
};

int RunApplication(int argc, char** argv);

}  // namespace quillora::gui
