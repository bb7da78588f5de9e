// Writes the program icon, as the main window paints it, into PNG files for
// the desktop entry: quillora-render-icon OUT_DIR writes
// OUT_DIR/NxN/quillora.png for every size the icon is painted at.
#include <QDir>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <cstdio>

#include "app/Artwork.h"

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quillora-render-icon OUT_DIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    const QIcon icon = quillora::gui::art::ProgramIcon();
    for (const QSize& size : icon.availableSizes()) {
        const QString dir =
            QStringLiteral("%1/%2x%3").arg(out).arg(size.width()).arg(size.height());
        if (!QDir().mkpath(dir) || !icon.pixmap(size).save(dir + QStringLiteral("/quillora.png"))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
