// The almanac page on the main window: its boxes and memos, the lookup from
// the boxes (checks, messages, the memo left alone on failure), printing and
// a missing or unreadable database; and the window 择吉日. The day entries
// come from the built "Somnette.dll" beside the test.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <vector>

#include "almanac/AlmanacGlossary.h"
#include "almanac/AlmanacLookup.h"
#include "almanac/gui/AlmanacPage.h"
#include "almanac/gui/AuspiciousWindow.h"
#include "app/Chrome.h"
#include "app/MemoFile.h"
#include "app/ShowInfo.h"
#include "app/UntIndex.h"
#include "common/DateValue.h"
#include "data/Database.h"
#include "support/CliProcess.h"
#include "support/Files.h"
#include "support/GuiTestEnvironment.h"
#include "support/ScratchData.h"

using namespace quillora;
using namespace quillora::gui;
namespace fs = std::filesystem;

using quillora::test::Items;
using quillora::test::Lines;
using quillora::test::Messages;

namespace {

class AlmanacPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Messages().clear();
        window_ = std::make_unique<TFrmIndex>();
        page_ = AlmanacPageOf(window_->TabSheet5);
        ASSERT_NE(page_, nullptr);
    }
    void TearDown() override { window_.reset(); }

    void Type(const char* y, const char* m, const char* d) {
        page_->SlYear->setCurrentText(QString::fromUtf8(y));
        page_->SlMonth->setCurrentText(QString::fromUtf8(m));
        page_->Slday->setCurrentText(QString::fromUtf8(d));
    }
    QString Memo() const { return page_->MemoHuangli->toPlainText(); }
    QStringList MemoLines() const { return Memo().split(QLatin1Char('\n')); }

    std::unique_ptr<TFrmIndex> window_;
    AlmanacPage* page_ = nullptr;
};

}  // namespace

TEST_F(AlmanacPageTest, BoxesMemosAndGlossaryAsDesigned) {
    QStringList years, months, days;
    for (int y = 1901; y <= 2100; ++y)
        years << QString::number(y);
    for (int m = 1; m <= 12; ++m)
        months << QString::asprintf("%02d", m);
    for (int d = 1; d <= 31; ++d)
        days << QString::asprintf("%02d", d);
    EXPECT_EQ(Items(page_->SlYear), years);
    EXPECT_EQ(Items(page_->SlMonth), months);
    EXPECT_EQ(Items(page_->Slday), days);
    for (QComboBox* box : {page_->SlYear, page_->SlMonth, page_->Slday})
        EXPECT_TRUE(box->isEditable()) << box->objectName().toStdString();

    // The boxes start on today, the year's item selected in the list.
    const DateParts today = DecodeDate(Today());
    EXPECT_EQ(page_->SlYear->currentText(), QString::number(today.year));
    EXPECT_EQ(page_->SlYear->currentIndex(), today.year - 1901);
    EXPECT_EQ(page_->SlMonth->currentText(), QString::asprintf("%02d", today.month));
    EXPECT_EQ(page_->Slday->currentText(), QString::asprintf("%02d", today.day));

    EXPECT_EQ(page_->BtnHuangli->text(), QStringLiteral("查看"));
    EXPECT_EQ(page_->BtnPrint->text(), QStringLiteral("打印"));
    EXPECT_TRUE(page_->MemoHuangli->isReadOnly());
    EXPECT_TRUE(page_->Memo3->isReadOnly());
    EXPECT_EQ(page_->MemoHuangli->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(Memo().isEmpty());

    QStringList captions;
    for (const QGroupBox* g : window_->TabSheet5->findChildren<QGroupBox*>())
        captions << g->title();
    EXPECT_TRUE(captions.contains(QStringLiteral("测算结果：")));
    EXPECT_TRUE(captions.contains(QStringLiteral("黄历名词解释：")));

    const QStringList glossary = page_->Memo3->toPlainText().split(QLatin1Char('\n'));
    ASSERT_EQ(glossary.size(), 34);
    for (int i = 0; i < glossary.size(); ++i)
        EXPECT_EQ(glossary[i].toStdString(), AlmanacGlossaryLines()[i]);
    // The memo is drawn in the program's font, whose Chinese faces exist.
    EXPECT_EQ(page_->Memo3->font().families(), ProgramFont().families());
}

TEST_F(AlmanacPageTest, AlmanacButtonOpensOnTodaysEntry) {
    window_->show();
    auto* button = window_->findChild<QAbstractButton*>(QStringLiteral("RzToolButton5"));
    ASSERT_NE(button, nullptr);
    button->click();
    EXPECT_EQ(window_->CurrentPage(), window_->TabSheet5);
    EXPECT_TRUE(Messages().empty());
    const QStringList lines = MemoLines();
    ASSERT_EQ(lines.size(), 19) << Memo().toStdString();
    const QString key = QString::fromStdString(FormatDate(Today()));
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("当日统览:") + key + QStringLiteral("  农历")))
        << lines[0].toStdString();
    const char* labels[] = {"岁次:",     "每日胎神占方:", "五行:",     "冲:", "彭祖百忌:",
                            "吉神宜趋:", "宜:",           "凶神宜忌:", "忌:"};
    for (int i = 0; i < 9; ++i) {
        EXPECT_TRUE(lines[2 * i + 1].isEmpty());
        EXPECT_TRUE(lines[2 * i + 2].startsWith(QString::fromUtf8(labels[i])))
            << lines[2 * i + 2].toStdString();
        // Every entry of the table carries a value.
        EXPECT_GT(lines[2 * i + 2].size(), QString::fromUtf8(labels[i]).size());
    }
}

// Typing into the boxes key by key: the values stay as typed, the list does
// not complete them ("1" is January, not October; "2" the 2nd, not the 20th).
TEST_F(AlmanacPageTest, TypedValuesAreTakenAsTyped) {
    window_->show();
    const std::pair<QComboBox*, QString> typed[] = {{page_->SlYear, QStringLiteral("2012")},
                                                    {page_->SlMonth, QStringLiteral("1")},
                                                    {page_->Slday, QStringLiteral("2")}};
    for (const auto& [box, text] : typed) {
        test::TypeDigits(box, text);
        EXPECT_EQ(box->currentText(), text);
    }
    page_->BtnHuangliClick();
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Memo().startsWith(QStringLiteral("当日统览:2012-01-02  "))) << Memo().toStdString();
}

// The check order itself is covered by the core tests; here the page shows
// the messages in the information box and leaves the memo alone, as it does
// for days the table lacks.
TEST_F(AlmanacPageTest, FailuresLeaveTheMemoAlone) {
    Type("2012", "02", "29");
    page_->BtnHuangliClick();
    ASSERT_TRUE(Messages().empty());
    const QString before = Memo();
    ASSERT_TRUE(before.startsWith(QStringLiteral("当日统览:2012-02-29  ")));
    // The year 2012 was a 壬辰 year; 29 February 2012 fell in the 寅 month.
    EXPECT_TRUE(before.contains(QStringLiteral("岁次:壬辰年 壬寅月 ")));

    const struct {
        const char *y, *m, *d, *message;
    } cases[] = {
        {"", "05", "07", "请选择年!"},
        {"2009", "02", "30", "请选择有效的日期!"},
        {"2101", "05", "07", quillora::kAlmanacOutOfRange},  // beyond the table
        {"1900", "12", "31", quillora::kAlmanacOutOfRange},
        {"0210", "5", "07", quillora::kAlmanacOutOfRange},
    };
    for (const auto& c : cases) {
        Messages().clear();
        Type(c.y, c.m, c.d);
        page_->BtnHuangliClick();
        EXPECT_EQ(Memo(), before) << c.y;
        if (!c.message) {
            EXPECT_TRUE(Messages().empty()) << c.y;
            continue;
        }
        ASSERT_EQ(Messages().size(), 1u) << c.message;
        EXPECT_EQ(Messages()[0].caption, QStringLiteral("提示"));
        EXPECT_EQ(Messages()[0].text, QString::fromUtf8(c.message));
    }
}

TEST_F(AlmanacPageTest, PrintingNeedsTextAndWritesAPdf) {
    int dialogs = 0;
    const QString pdf = QString::fromStdString(
        (fs::temp_directory_path() / ("quillora_almanac_" + std::to_string(::getpid()) + ".pdf"))
            .string());
    SetPrintDialogRunner([&](QPrinter& printer, QWidget*) {
        ++dialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    page_->MemoHuangli->setPlainText(QStringLiteral(" \n\t"));
    page_->BtnPrint->click();
    EXPECT_EQ(dialogs, 0);

    Type("2012", "02", "29");
    page_->BtnHuangliClick();
    page_->BtnPrint->click();
    EXPECT_EQ(dialogs, 1);
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF"));
    EXPECT_GT(file.size(), 1000);
    file.close();
    QFile::remove(pdf);
    SetPrintDialogRunner({});
}

TEST(AlmanacPageDatabase, MissingOrUnreadableFileIsReportedAndTheMemoKept) {
    const test::ScratchData dir;
    for (const bool garbage : {false, true}) {
        if (garbage) {
            QFile f(QString::fromStdString((dir / kSomnetteFile).string()));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(4096, 'x'));
        }
        Messages().clear();
        TFrmIndex window;
        AlmanacPage* page = AlmanacPageOf(window.TabSheet5);
        page->MemoHuangli->setPlainText(QStringLiteral("上一次的结果"));
        page->SlYear->setCurrentText(QStringLiteral("2012"));
        page->BtnHuangli->click();
        ASSERT_EQ(Messages().size(), 1u) << garbage;
        EXPECT_TRUE(Messages()[0].text.contains(QString::fromLatin1(kSomnetteFile)))
            << Messages()[0].text.toStdString();
        EXPECT_EQ(page->MemoHuangli->toPlainText(), QStringLiteral("上一次的结果"));
    }
}

// 择吉日 from the tools page lists for one month the days quillora-cli
// auspicious lists, marks the days that clash with the legal person's year
// in the program's red, and refuses a range that ends before it starts.
TEST(AuspiciousWindowTest, ListsTheDaysOfTheCommandLineAndMarksThePersonsClash) {
    TFrmIndex window;
    QString title;
    QTimer::singleShot(0, [&] {
        QWidget* opened = QApplication::activeModalWidget();
        ASSERT_NE(opened, nullptr);
        title = opened->windowTitle();
        opened->close();
    });
    window.findChild<QAbstractButton*>(QStringLiteral("BtnAuspicious"))->click();
    EXPECT_EQ(title, QStringLiteral("择吉日"));

    BirthEntries person;
    person.name = "张三";
    person.sex = "男";
    person.year = "1990";
    person.month = "5";
    person.day = "1";
    person.hour = "10";
    person.minute = "0";
    AuspiciousWindow w(person);
    EXPECT_EQ(w.PersonBranch(), 6);  // 庚午: the horse
    EXPECT_TRUE(w.ChkPerson->isChecked());
    w.CBActivity->setCurrentIndex(w.CBActivity->findData(QStringLiteral("开市")));
    w.DateFrom->setDate(QDate(2024, 3, 1));
    w.DateTo->setDate(QDate(2024, 3, 31));
    w.BtnFind->click();

    const test::CliResult cli = test::RunCli(
        test::Words("auspicious --activity 开市 --from 2024-03-01 --to 2024-03-31 --year 1990 "
                    "--month 5 --day 1 --hour 10"));
    ASSERT_EQ(cli.status, 0) << cli.err;
    const std::vector<std::string> lines = test::SplitLines(cli.out);
    ASSERT_EQ(w.GridDays->rowCount() + 2, static_cast<int>(lines.size()));
    for (int r = 0; r < w.GridDays->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < w.GridDays->columnCount(); ++c)
            cells << w.GridDays->item(r, c)->text();
        EXPECT_EQ(cells.join(QLatin1Char('\t')).toStdString(), lines[r + 1]);
        const bool clash = cells.last().startsWith(QStringLiteral("冲马"));
        EXPECT_EQ(w.GridDays->item(r, 0)->foreground().color() == QColor(176, 28, 28), clash);
    }
    EXPECT_EQ(w.LabelSummary->text().toStdString(), lines.back());

    Messages().clear();
    w.DateTo->setDate(QDate(2024, 2, 1));
    w.BtnFind->click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, QStringLiteral("结束日期不能早于开始日期!"));
}
