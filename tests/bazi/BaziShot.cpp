// Draws the main window offscreen on the Four Pillars page after an analysis
// and saves the picture, for the documentation and for checking the look:
//   quillora-bazi-shot OUT.png [LINE]
//   quillora-bazi-shot OUT.pdf
// LINE scrolls the memo so that report line LINE (from 1) stands at the top.
// An OUT ending in .pdf prints the report there through the page's 打印, as
// the print dialog's 打印到文件 does.
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <cstdio>

#include "app/BirthInputGroup.h"
#include "app/MemoFile.h"
#include "app/UntIndex.h"
#include "bazi/gui/BaziPage.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quillora-bazi-shot OUT.png [LINE] | OUT.pdf\n");
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
    const QString out = QString::fromLocal8Bit(argv[1]);
    if (out.endsWith(QStringLiteral(".pdf"))) {
        quillora::gui::SetPrintDialogRunner([&](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(out);
            return true;
        });
        page->RzBitBtn7->click();
        return QFileInfo::exists(out) ? 0 : 1;
    }
    if (argc > 2)
        page->Memo1->verticalScrollBar()->setValue(QString::fromLocal8Bit(argv[2]).toInt() - 1);
    QApplication::processEvents();
    return window.grab().save(out) ? 0 : 1;
}
