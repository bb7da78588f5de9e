#include "app/Application.h"

#include <QMainWindow>
#include <exception>

#include "app/ShowInfo.h"

namespace quillora::gui {

QuilloraApplication::QuilloraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool QuilloraApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        ReportError(QString::fromUtf8(e.what()));
    } catch (...) {
        ReportError(QStringLiteral("未知错误"));
    }
    return false;
}

int RunApplication(int argc, char** argv) {
    QuilloraApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillora"));
    QMainWindow w;
    w.show();
    return app.exec();
}

}  // namespace quillora::gui
