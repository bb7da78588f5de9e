// Draws the name analysis page of the main window or the name analysis
// window with a finished report, and saves the picture:
//   quillora-analysis-shot page|window OUT.png
// Both analyse 九万 + 珠宝 for 张三, a man born 1980-01-01 at 0:00.
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <cstdio>
#include <cstring>

#include "app/BirthInputGroup.h"
#include "app/Chrome.h"
#include "app/UntIndex.h"
#include "naming/gui/AnalysisPage.h"
#include "naming/gui/NameMain.h"

using namespace quillora;
using namespace quillora::gui;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 3 || (std::strcmp(argv[1], "page") != 0 && std::strcmp(argv[1], "window") != 0)) {
        std::fprintf(stderr, "usage: quillora-analysis-shot page|window OUT.png\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[2]);
    if (std::strcmp(argv[1], "window") == 0) {
        TFrmNamemain* w =
            NewNameAnalysisWindow(BirthEntries{"张三", "", "男", 0, "1980", "1", "1", "子 0", "0"},
                                  BrandName{"", "九万", "珠宝"});
        w->show();
        QApplication::processEvents();
        const bool saved = w->grab().save(out);
        w->close();
        return saved ? 0 : 1;
    }
    TFrmIndex window;
    window.show();
    QApplication::processEvents();
    if (auto* button = window.findChild<QAbstractButton*>(QStringLiteral("RzToolButton1")))
        button->click();
    AnalysisPage* page = AnalysisPageOf(window.TabSheet3);
    page->group->SetEntries(BirthEntries{"张三", "", "男", 0, "1980", "1", "1", "子 0", "0"});
    page->Namezhi13->setText(QStringLiteral("九万"));
    page->NameEnd3->setText(QStringLiteral("珠宝"));
    page->ButtonName->click();
    QApplication::processEvents();
    return window.grab().save(out) ? 0 : 1;
}
