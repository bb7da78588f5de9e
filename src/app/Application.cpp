#include "app/Application.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QToolTip>
#include <QTranslator>

#include "app/Artwork.h"
#include "app/Chrome.h"
#include "app/CommandGuard.h"
#include "app/UntIndex.h"

namespace quillora::gui {

QuilloraApplication::QuilloraApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool QuilloraApplication::notify(QObject* receiver, QEvent* event) {
    bool handled = false;
    RunCommand([&] { handled = QApplication::notify(receiver, event); });
    return handled;
}

QTranslator* LoadQtChineseTexts(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), QStringLiteral("qtbase"),
                          QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

int RunApplication(int argc, char** argv) {
    QuilloraApplication app(argc, argv);
    LoadQtChineseTexts(app);
    QApplication::setApplicationName(QStringLiteral("Quillora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quillora"));
    QApplication::setWindowIcon(art::ProgramIcon());
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, QColor(255, 248, 228));
    tips.setColor(QPalette::ToolTipText, QColor(110, 14, 18));
    QToolTip::setPalette(tips);
    QToolTip::setFont(ProgramFont());
    TFrmIndex window;
    window.show();
    return app.exec();
}

}  // namespace quillora::gui
