// Draws the main window with the generation page after a run, for the
// documentation and for checking the look after a change:
//   quillora-generation-shot OUT.png [--no-shortlist]
// The page is filled with a legal person born 1971-12-13 at 子 0 (a chart
// lacking 木, 火 and 土), a three-character name with 九 fixed in first place
// and the suffix 珠宝; five names go to the shortlist, whose box is shown.
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTableWidget>
#include <cstdio>

#include "app/BirthInputGroup.h"
#include "app/ShowInfo.h"
#include "app/UntIndex.h"
#include "data/Database.h"
#include "naming/gui/GenerationPage.h"

using namespace quillora::gui;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quillora-generation-shot OUT.png [--no-shortlist]\n");
        return 2;
    }
    const bool shortlist = !(argc > 2 && QString::fromLocal8Bit(argv[2]) == "--no-shortlist");
    SetInfoSink([](const InfoMessage& m) {
        std::fprintf(stderr, "%s: %s\n", m.caption.toUtf8().constData(),
                     m.text.toUtf8().constData());
    });
    quillora::SeedRandom(8);
    TFrmIndex window;
    window.show();
    QApplication::processEvents();

    GenerationPage* page = GenerationPageOf(window.TabSheet1);
    page->group->Xing->setText(QStringLiteral("张三"));
    page->group->SYear->setCurrentText(QStringLiteral("1971"));
    page->group->SMonth->setCurrentText(QStringLiteral("12"));
    page->group->Sday->setCurrentText(QStringLiteral("13"));
    page->CBZS->setCurrentIndex(1);
    page->Namezhi1->setText(QStringLiteral("九"));
    page->NameEnd->setText(QStringLiteral("珠宝"));
    page->RzBitBtn5Click();
    if (shortlist) {
        for (int row : {0, 2, 3, 6, 8}) {
            page->RzStringGrid1->setCurrentCell(row, 1);
            page->AddToShortlist();
        }
        page->ShowShortlist();
    }
    page->RzStringGrid1->setCurrentCell(4, 1);
    QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
