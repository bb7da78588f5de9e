// Draws the batch analysis window, the window 择吉日 and the results grid's
// 出处 and 注册提示 offscreen (or on a display) and saves them as pictures,
// for the documentation:
//   quillora-feature-shot batch OUT.png LIST
//   quillora-feature-shot auspicious OUT.png YYYY-MM-DD YYYY-MM-DD
//   quillora-feature-shot grid OUT.png
// The legal person is born 1985-06-15 at 12:00. For a batch it prints how
// long the window took for the list, the longest time the window did not
// answer (one turn of its event loop) and the time of the core alone, and
// shows the names with registration warnings first.
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "almanac/gui/AuspiciousWindow.h"
#include "app/BirthInputGroup.h"
#include "app/UntIndex.h"
#include "data/Database.h"
#include "naming/gui/BatchWindow.h"
#include "naming/gui/GenerationPage.h"

using namespace quillora;
using namespace quillora::gui;

namespace {

BirthEntries Person() {
    BirthEntries p;
    p.name = "张三";
    p.sex = "男";
    p.year = "1985";
    p.month = "6";
    p.day = "15";
    p.hour = "午 12";
    p.minute = "0";
    return p;
}

int Batch(const char* out, const char* listFile) {
    std::ifstream in(listFile, std::ios::binary);
    std::stringstream list;
    list << in.rdbuf();
    BatchWindow w(Person());
    w.resize(1260, 720);
    w.show();
    w.MemoNames->setPlainText(QString::fromStdString(list.str()));
    QApplication::processEvents();
    QElapsedTimer clock;
    clock.start();
    w.BtnAnalyse->click();
    qint64 longest = 0;
    while (w.Running()) {
        QElapsedTimer turn;
        turn.start();
        QApplication::processEvents();
        longest = std::max(longest, turn.elapsed());
    }
    std::printf("%zu names in %lld ms; the window answered within %lld ms\n", w.Table().rows.size(),
                static_cast<long long>(clock.elapsed()), static_cast<long long>(longest));
    {
        // The same list without the window, for comparison.
        QueryObject names(DbConnectionString(kParvelloFile), kCharLookupTimeout);
        QueryObject readings(DbConnectionString(kSomnetteFile), kDefaultTimeout);
        const BirthReadResult read = ReadBirthRecord(Person());
        QElapsedTimer core;
        core.start();
        AnalyseBatch(names, readings, ChartNeedsOf(*BuildChartOf(*read.record)),
                     ReadBatchNames(list.str()));
        std::printf("the core alone: %lld ms\n", static_cast<long long>(core.elapsed()));
    }
    // The names with registration warnings first.
    w.SortByColumn(kBatchWarnings);
    w.SortByColumn(kBatchWarnings);
    w.GridBatch->selectRow(2);
    QApplication::processEvents();
    return w.grab().save(QString::fromLocal8Bit(out)) ? 0 : 1;
}

int Auspicious(const char* out, const char* from, const char* to) {
    AuspiciousWindow w(Person());
    w.show();
    w.DateFrom->setDate(QDate::fromString(QString::fromLatin1(from), Qt::ISODate));
    w.DateTo->setDate(QDate::fromString(QString::fromLatin1(to), Qt::ISODate));
    w.BtnFind->click();
    QApplication::processEvents();
    return w.grab().save(QString::fromLocal8Bit(out)) ? 0 : 1;
}

// The main window after a run of two-character names with the suffix 珠宝,
// the grid scrolled to 出处 and 注册提示, the names with warnings first, then
// those with a source.
int Grid(const char* out) {
    SeedRandom(3);
    TFrmIndex window;
    window.show();
    QApplication::processEvents();
    GenerationPage* page = GenerationPageOf(window.TabSheet1);
    page->group->SetEntries(Person());
    page->NameEnd->setText(QStringLiteral("珠宝"));
    page->RzBitBtn5Click();
    // Rows with warnings first, then those with a source (sorts are stable).
    for (const int column : {kColVerse, kColVerse, kColWarnings, kColWarnings})
        page->SortByColumn(column);
    page->RzStringGrid1->setCurrentCell(1, kColMainName);
    page->RzStringGrid1->horizontalScrollBar()->setValue(
        page->RzStringGrid1->horizontalScrollBar()->maximum());
    QApplication::processEvents();
    return window.grab().save(QString::fromLocal8Bit(out)) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString what = argc > 1 ? QString::fromLatin1(argv[1]) : QString();
    if (what == QStringLiteral("batch") && argc == 4)
        return Batch(argv[2], argv[3]);
    if (what == QStringLiteral("auspicious") && argc == 5)
        return Auspicious(argv[2], argv[3], argv[4]);
    if (what == QStringLiteral("grid") && argc == 3)
        return Grid(argv[2]);
    std::fprintf(stderr,
                 "usage: quillora-feature-shot batch OUT.png LIST\n"
                 "       quillora-feature-shot auspicious OUT.png YYYY-MM-DD YYYY-MM-DD\n"
                 "       quillora-feature-shot grid OUT.png\n");
    return 2;
}
