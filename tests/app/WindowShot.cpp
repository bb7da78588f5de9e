// Draws the main window offscreen and saves it as a picture, for the
// documentation and for checking the look after a change:
//   quillora-window-shot OUT.png [PAGE [BUTTON]]
// PAGE is the object name of the page to show (TabSheet1 when left out), or
// Frm_servers for the naming-service window, Frm_help for the help window;
// BUTTON names an image button to
// draw in its mouse-over state. Prints the time from start to the finished
// first drawing of the main window.
#include <QApplication>
#include <QElapsedTimer>
#include <QEnterEvent>
#include <QTabWidget>
#include <cstdio>

#include "app/Chrome.h"
#include "app/HelpWin.h"
#include "app/ServersWin.h"
#include "app/UntIndex.h"

int main(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quillora-window-shot OUT.png [PAGE [BUTTON]]\n");
        return 2;
    }
    quillora::gui::TFrmIndex window;
    window.show();
    QApplication::processEvents();
    const QPixmap first = window.grab();
    const qint64 firstPaint = clock.elapsed();

    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("Frm_servers")) {
        quillora::gui::TFrm_servers servers(&window);
        servers.show();
        QApplication::processEvents();
        return servers.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    }
    if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("Frm_help")) {
        quillora::gui::THelpWin help(&window);
        help.show();
        QApplication::processEvents();
        return help.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
    }
    if (argc > 2) {
        if (auto* page = window.findChild<QWidget*>(QString::fromLocal8Bit(argv[2])))
            window.ShowPage(page);
    }
    if (argc > 3) {
        if (auto* button =
                window.findChild<quillora::gui::ImageButton*>(QString::fromLocal8Bit(argv[3]))) {
            QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
            QApplication::sendEvent(button, &enter);
        }
    }
    const bool saved = (argc > 2 ? window.grab() : first).save(QString::fromLocal8Bit(argv[1]));
    std::printf("first drawing after %lld ms\n", static_cast<long long>(firstPaint));
    return saved ? 0 : 1;
}
