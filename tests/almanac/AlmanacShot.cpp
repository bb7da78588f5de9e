// Draws the main window on its almanac page, opened the way the toolbar
// button opens it (today's entry looked up), and saves the picture:
//   quillora-almanac-shot OUT.png [YYYY-MM-DD]
// A date puts that day into the boxes and looks it up instead of today.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <cstdio>

#include "almanac/gui/AlmanacPage.h"
#include "app/UntIndex.h"
#include "common/DateValue.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quillora-almanac-shot OUT.png [YYYY-MM-DD]\n");
        return 2;
    }
    quillora::gui::TFrmIndex window;
    window.show();
    QApplication::processEvents();
    if (auto* button = window.findChild<QAbstractButton*>(QStringLiteral("RzToolButton5")))
        button->click();
    if (argc > 2) {
        const quillora::DateParts p = quillora::DecodeDate(quillora::ParseDate(argv[2]));
        quillora::gui::AlmanacPage* page = quillora::gui::AlmanacPageOf(window.TabSheet5);
        page->SlYear->setCurrentText(QString::number(p.year));
        page->SlMonth->setCurrentText(QString::asprintf("%02d", p.month));
        page->Slday->setCurrentText(QString::asprintf("%02d", p.day));
        page->BtnHuangliClick();
    }
    QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
