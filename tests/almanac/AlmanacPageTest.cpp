// The almanac page on the main window: its boxes and memos, the lookup from
// the boxes (checks, messages, the memo left alone on failure), printing and
// a missing or unreadable database. The day entries come from the built
// "Somnette.dll" beside the test.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <filesystem>
#include <memory>
#include <vector>

#include "almanac/AlmanacGlossary.h"
#include "almanac/AlmanacLookup.h"
#include "almanac/gui/AlmanacPage.h"
#include "app/Chrome.h"
#include "app/MemoFile.h"
#include "app/ShowInfo.h"
#include "app/UntIndex.h"
#include "common/DateValue.h"
#include "data/Database.h"
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
