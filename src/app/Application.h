// Program entry: the application object, its title, icon and tooltip colours,
// the main window, the message loop.
#pragma once

#include <QApplication>

class QTranslator;

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

// Installs Qt's own Chinese texts (the buttons of message boxes, the file and
// print dialogs, the context menus of the edits) from Qt's translations
// folder. Returns the installed translator (owned by app), or nullptr when
// the translations are not installed: Qt's English texts then stay.
QTranslator* LoadQtChineseTexts(QCoreApplication& app);

int RunApplication(int argc, char** argv);

}  // namespace quillora::gui
