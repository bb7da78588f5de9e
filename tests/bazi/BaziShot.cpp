// Draws the main window offscreen on the Four Pillars page after an analysis
// and saves the picture, for the documentation and for checking the look:
//   quillora-bazi-shot OUT.png [LINE]
// LINE scrolls the memo so that report line LINE (from 1) stands at the top.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <cstdio>

#include "app/BirthInputGroup.h"
#include "app/UntIndex.h"
#include "bazi/gui/BaziPage.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quillora-bazi-shot OUT.png\n");
        return 2;
    }
    quillora::gui::TFrmIndex window;
    window.show();
    window.ShowPage(window.TabSheet2);
    quillora::gui::BaziPage* page = quillora::gui::BaziPageOf(window.TabSheet2);
    page->group->Xing->setText(QStringLiteral("张"));
    page->group->NameB->setText(QStringLiteral("三"));
    page->group->SYear->setCurrentText(QStringLiteral("1986"));
    page->group->SMonth->setCurrentText(QStringLiteral("6"));
    page->group->Sday->setCurrentText(QStringLiteral("5"));
    page->group->Shour->setCurrentIndex(10);
    page->group->CBFen->setCurrentText(QStringLiteral("30"));
    page->RzButton2->click();
    QApplication::processEvents();
    if (argc > 2)
        page->Memo1->verticalScrollBar()->setValue(QString::fromLocal8Bit(argv[2]).toInt() - 1);
    QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
