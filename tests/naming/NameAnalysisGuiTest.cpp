// The analysis page of the main window, the name analysis window and the
// batch analysis window, offscreen, on the built reference databases beside
// the test.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <memory>

#include "app/BirthInputGroup.h"
#include "app/MemoFile.h"
#include "app/ShowInfo.h"
#include "app/UntIndex.h"
#include "common/DateValue.h"
#include "common/Text.h"
#include "data/Database.h"
#include "naming/BatchAnalysis.h"
#include "naming/NameAnalysis.h"
#include "naming/gui/AnalysisPage.h"
#include "naming/gui/BatchWindow.h"
#include "naming/gui/NameMain.h"
#include "support/Files.h"
#include "support/GuiTestEnvironment.h"

using namespace quillora;
using namespace quillora::gui;
namespace fs = std::filesystem;

using quillora::test::Items;
using quillora::test::Lines;
using quillora::test::Messages;

namespace {

// The report the core writes for the same entries, for comparison with what
// a memo shows.
QStringList CoreReport(const BirthEntries& birth, const std::string& mainName,
                       const std::string& suffix) {
    QueryObject strokes(DbConnectionString(kParvelloFile), kCharLookupTimeout);
    QueryObject readings(DbConnectionString(kSomnetteFile), kDefaultTimeout);
    QStringList lines;
    BrandNameView v;
    v.birth = birth;
    v.mainName = mainName;
    v.suffix = suffix;
    v.appendLine = [&](const std::string& line) { lines << QString::fromStdString(line); };
    v.strokes = &strokes;
    v.readings = &readings;
    EXPECT_TRUE(AnalyseBrandName(v));
    return lines;
}

BirthEntries DefaultBirth(const char* name) {
    BirthEntries b;
    b.name = name;
    b.sex = "男";
    b.year = "1980";
    b.month = "1";
    b.day = "1";
    b.hour = "子 0";
    b.minute = "0";
    return b;
}

TFrmNamemain* OpenWindow(const std::string& mainName, const std::string& suffix,
                         const std::string& year = "1980", int calendarIndex = 0,
                         const std::string& sex = "男") {
    BirthEntries birth = DefaultBirth("张三");
    birth.year = year;
    birth.calendarIndex = calendarIndex;
    birth.sex = sex;
    return NewNameAnalysisWindow(birth, {.prefix = "", .mainName = mainName, .suffix = suffix});
}

class NameWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { Messages().clear(); }
    void TearDown() override {
        if (FrmNamemain != nullptr)
            FrmNamemain->close();
        QApplication::processEvents();
    }
};

}  // namespace

TEST_F(NameWindowTest, WindowAsDesigned) {
    QPointer<TFrmNamemain> w = OpenWindow("", "");
    EXPECT_EQ(w->windowTitle(), QStringLiteral("名称分析"));
    EXPECT_EQ(w->size(), QSize(753, 565));
    EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(w->RzButton1->text(), QStringLiteral("名称分析"));
    EXPECT_EQ(w->RzBitBtnprint->text(), QStringLiteral("打印"));
    EXPECT_EQ(w->BitBtnsave->text(), QStringLiteral("保存"));
    EXPECT_EQ(w->RzBitBtn4->text(), QStringLiteral("退出"));
    for (QComboBox* box : {w->CBsex, w->ComDate, w->Shour, w->SYear, w->CBFen})
        EXPECT_TRUE(box->isEditable()) << box->objectName().toStdString();
    EXPECT_FALSE(w->RzMemo1->isReadOnly());
    EXPECT_EQ(w->findChild<QLineEdit*>(QStringLiteral("Namezhi1")), w->Namezhi1);
    EXPECT_EQ(w->findChild<QComboBox*>(QStringLiteral("Shour")), w->Shour);

    // Showing it with no main name analyses nothing and says nothing.
    w->show();
    EXPECT_EQ(FrmNamemain, w.data());
    EXPECT_TRUE(w->RzMemo1->toPlainText().isEmpty());
    EXPECT_TRUE(Messages().empty());
    EXPECT_FALSE(w->NameBegin->isVisible());

    // The main name edit takes eight GBK bytes of characters GBK can write.
    int pos = 0;
    QString text = QStringLiteral("九万珠宝");
    EXPECT_EQ(w->Namezhi1->validator()->validate(text, pos), QValidator::Acceptable);
    text = QStringLiteral("九万珠宝A");
    EXPECT_EQ(w->Namezhi1->validator()->validate(text, pos), QValidator::Invalid);
    text = QStringLiteral("九😀");
    EXPECT_EQ(w->Namezhi1->validator()->validate(text, pos), QValidator::Invalid);

    w->RzBitBtn4->click();
    QApplication::processEvents();
    EXPECT_EQ(FrmNamemain, nullptr);
    EXPECT_TRUE(w.isNull());  // closing destroys it
}

TEST_F(NameWindowTest, OpeningWithAMainNameAnalysesAtOnce) {
    TFrmNamemain* w = OpenWindow(" 九万 ", "珠宝");
    EXPECT_TRUE(w->RzMemo1->toPlainText().isEmpty());
    w->show();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Lines(w->RzMemo1), CoreReport(DefaultBirth("张三"), "九万", "珠宝"));
    EXPECT_TRUE(Lines(w->RzMemo1).contains(QStringLiteral("【珠宝】数理31分析：")));
    EXPECT_TRUE(Lines(w->RzMemo1).contains(QStringLiteral("【九万珠宝】数理55分析：")));
    EXPECT_EQ(w->RzMemo1->textCursor().position(), 0);
    EXPECT_EQ(w->RzMemo1->verticalScrollBar()->value(), 0);
    EXPECT_EQ(w->ADOQname.Connection(), DbConnectionString(kParvelloFile));
    EXPECT_EQ(w->ADOteam.Connection(), DbConnectionString(kSomnetteFile));

    // A new main name and the button replace the whole report.
    w->Namezhi1->setText(QStringLiteral("天元金"));
    w->NameEnd->clear();
    w->RzButton1->click();
    const QStringList lines = Lines(w->RzMemo1);
    EXPECT_EQ(lines, CoreReport(DefaultBirth("张三"), "天元金", ""));
    EXPECT_EQ(lines.count(QStringLiteral("法人基本信息：")), 1);
    EXPECT_FALSE(w->RzMemo1->toPlainText().contains(QStringLiteral("九万")));

    // A failed check says so and leaves the report.
    w->Namezhi1->setText(QStringLiteral("天"));
    w->RzButton1->click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(Messages()[0].text, QStringLiteral("品牌商标名称为两个字以上!"));
    EXPECT_EQ(Lines(w->RzMemo1), lines);
}

TEST_F(NameWindowTest, FillingFollowsTheCallersEntries) {
    // A lunar calendar index converts the date: lunar 1980-1-1 is 16 Feb.
    TFrmNamemain* w = OpenWindow("九万", "", "1980", 1);
    EXPECT_EQ(w->ComDate->currentText(), QStringLiteral("农历"));
    w->show();
    EXPECT_TRUE(Lines(w->RzMemo1).contains(QStringLiteral("您出生公历：1980年02月16日0点0分")));
    w->close();

    // Only exactly "男" selects 男.
    for (const std::string sex : {"女", "男 ", ""}) {
        TFrmNamemain* other = OpenWindow("", "", "1980", 0, sex);
        EXPECT_EQ(other->CBsex->currentIndex(), 1) << sex;
        other->close();
    }

    // A check that fails while the window opens shows its message; the
    // window opens with an empty memo.
    w = OpenWindow("九万", "", " ");
    w->show();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, QStringLiteral("请选择出生年!"));
    EXPECT_TRUE(w->RzMemo1->toPlainText().isEmpty());
}

// A minute that is no number is refused with a message naming it; the memo
// keeps what it held.
TEST_F(NameWindowTest, AnUnreadableMinuteIsRefusedByName) {
    TFrmNamemain* w = OpenWindow("", "");
    w->show();
    w->Namezhi1->setText(QStringLiteral("九万"));
    w->CBFen->setCurrentText(QStringLiteral("x"));
    const QString before = w->RzMemo1->toPlainText();
    w->RzButton1Click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, QStringLiteral("出生分钟无效：“x”不是数字，请重新输入!"));
    EXPECT_EQ(w->RzMemo1->toPlainText(), before);
}

// Two openings, modal as the results grid opens them: what the user changed
// in the first never reaches the second.
TEST_F(NameWindowTest, TwoOpeningsShareNothing) {
    QStringList seen;
    QPointer<TFrmNamemain> first;
    QTimer::singleShot(0, [&] {
        first = FrmNamemain;
        ASSERT_NE(first, nullptr);
        seen << first->RzMemo1->toPlainText();
        first->Xing->setText(QStringLiteral("王五"));
        first->Namezhi1->setText(QStringLiteral("天元金"));
        first->NameEnd->setText(QStringLiteral("电器"));
        first->RzButton1->click();
        seen << first->RzMemo1->toPlainText();
        first->RzBitBtn4->click();
    });
    ShowNameAnalysis(DefaultBirth("张三"), {.prefix = "", .mainName = "九万", .suffix = "珠宝"});
    QApplication::processEvents();
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(FrmNamemain, nullptr);
    ASSERT_EQ(seen.size(), 2);
    EXPECT_TRUE(seen[0].contains(QStringLiteral("名称：九万珠宝")));
    EXPECT_TRUE(seen[1].contains(QStringLiteral("姓名：王五")));
    EXPECT_TRUE(seen[1].contains(QStringLiteral("名称：天元金电器")));

    QString second;
    QString secondName;
    QTimer::singleShot(0, [&] {
        ASSERT_NE(FrmNamemain, nullptr);
        EXPECT_NE(FrmNamemain, first.data());
        secondName = FrmNamemain->Xing->text() + FrmNamemain->Namezhi1->text() +
                     FrmNamemain->NameEnd->text();
        second = FrmNamemain->RzMemo1->toPlainText();
        FrmNamemain->close();
    });
    ShowNameAnalysis(DefaultBirth("张三"), {.prefix = "", .mainName = "九万", .suffix = "珠宝"});
    EXPECT_EQ(secondName, QStringLiteral("张三九万珠宝"));
    EXPECT_EQ(second, seen[0]);
}

// ---- The analysis page ------------------------------------------------------

namespace {

class AnalysisPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Messages().clear();
        window_ = std::make_unique<TFrmIndex>();
        page_ = AnalysisPageOf(window_->TabSheet3);
        ASSERT_NE(page_, nullptr);
    }
    void TearDown() override {
        SetSaveFileChooser({});
        window_.reset();
    }

    void Analyse(const char* mainName, const char* suffix) {
        page_->group->Xing->setText(QStringLiteral("张三"));
        // The user chooses 1980, the year the list shows at start.
        emit page_->group->SYear->activated(page_->group->SYear->currentIndex());
        page_->Namezhi13->setText(QString::fromUtf8(mainName));
        page_->NameEnd3->setText(QString::fromUtf8(suffix));
        page_->ButtonName->click();
    }

    std::unique_ptr<TFrmIndex> window_;
    AnalysisPage* page_ = nullptr;
};

}  // namespace

TEST_F(AnalysisPageTest, ThePageWritesTheReportAndKeepsItOnAFailedCheck) {
    EXPECT_EQ(page_->ButtonName->text(), QStringLiteral("分析"));
    EXPECT_EQ(page_->RzBitBtn6->text(), QStringLiteral("返回起名"));
    EXPECT_TRUE(page_->RzMemo1->isReadOnly());
    EXPECT_EQ(page_->RzMemo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(page_->group->Xing->objectName(), QStringLiteral("Xing3"));
    EXPECT_EQ(page_->group->CBFen->objectName(), QStringLiteral("CBFen3"));
    EXPECT_EQ(page_->NameBegin3->objectName(), QStringLiteral("NameBegin3"));
    EXPECT_FALSE(page_->group->CBsex->isEditable());

    // Before anybody entered the birth date the page asks for it (after the
    // main name's own checks) instead of analysing 1980-01-01.
    page_->Namezhi13->setText(QStringLiteral("九万"));
    page_->ButtonName->click();
    page_->Namezhi13->setText(QStringLiteral("九"));
    page_->ButtonName->click();
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[0].text, QString::fromUtf8(kBirthDateNotGiven));
    EXPECT_EQ(Messages()[1].text, QStringLiteral("品牌商标名称为两个字以上!"));
    EXPECT_TRUE(page_->RzMemo1->toPlainText().isEmpty());
    Messages().clear();

    Analyse("九万", "珠宝");
    EXPECT_TRUE(Messages().empty());
    const QStringList report = Lines(page_->RzMemo1);
    EXPECT_EQ(report, CoreReport(DefaultBirth("张三"), "九万", "珠宝"));
    EXPECT_EQ(page_->RzMemo1->textCursor().position(), 0);

    // Failed checks, in their order, each leaving the memo as it was.
    page_->group->SYear->setCurrentText(QString());
    for (const auto& [mainName, message] :
         {std::pair{"", "品牌商标名称不能为空!"}, std::pair{"九", "品牌商标名称为两个字以上!"},
          std::pair{"九万", "请选择出生年!"}}) {
        Messages().clear();
        page_->Namezhi13->setText(QString::fromUtf8(mainName));
        page_->ButtonName->click();
        ASSERT_EQ(Messages().size(), 1u) << mainName;
        EXPECT_EQ(Messages()[0].text, QString::fromUtf8(message));
        EXPECT_EQ(Lines(page_->RzMemo1), report);
    }

    page_->RzBitBtn6->click();
    EXPECT_EQ(window_->CurrentPage(), window_->TabSheet1);
}

TEST_F(AnalysisPageTest, SavingWritesGbkWithCrlfAndAFailureSaysSo) {
    const fs::path dir =
        fs::temp_directory_path() / ("quillora-analysis-" + std::to_string(getpid()));
    fs::create_directories(dir);
    Analyse("九万", "珠宝");
    QString proposed;
    const QString path = QString::fromStdString((dir / "报告.txt").string());
    SetSaveFileChooser([&](QWidget*, const QString&, const QString& proposal, const QString&) {
        proposed = proposal;
        return path;
    });
    page_->BitBtnsave->click();
    EXPECT_EQ(proposed, QStringLiteral("九万珠宝名称分析"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const std::string expected = Utf8ToGbk(ToCrlf(page_->RzMemo1->toPlainText().toStdString()));
    EXPECT_EQ(bytes.toStdString().substr(0, expected.size()), expected);
    EXPECT_NE(bytes.indexOf("\r\n"), -1);

    Messages().clear();
    SetSaveFileChooser([&](QWidget*, const QString&, const QString&, const QString&) {
        return QString::fromStdString((dir / "无此目录" / "报告.txt").string());
    });
    page_->BitBtnsave->click();
    EXPECT_EQ(Messages().size(), 1u);
    fs::remove_all(dir);
}

TEST_F(AnalysisPageTest, PrintingGoesToThePrinterTheDialogChose) {
    const fs::path pdf =
        fs::temp_directory_path() / ("quillora-analysis-" + std::to_string(getpid()) + ".pdf");
    Analyse("九万", "珠宝");
    SetPrintDialogRunner([&](QPrinter& printer, QWidget*) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        return true;
    });
    page_->RzBitBtnprint->click();
    SetPrintDialogRunner({});
    EXPECT_TRUE(fs::exists(pdf));
    EXPECT_GT(fs::file_size(pdf), 1000u);
    fs::remove(pdf);
}

// 批量分析 from the page: the window takes the page's legal person, reads a
// pasted list a part at a time into the same rows the core gives the whole
// list, sorts by a header (scores highest first), exports, and reads a GBK
// list file into its box.
TEST_F(AnalysisPageTest, BatchWindowAnalysesAPastedListLikeTheCore) {
    page_->group->Xing->setText(QStringLiteral("李四"));
    QString person;
    QTimer::singleShot(0, [&] {
        auto* opened = qobject_cast<BatchWindow*>(QApplication::activeModalWidget());
        ASSERT_NE(opened, nullptr);
        person = opened->group->Xing->text();
        opened->close();
    });
    page_->BtnBatch->click();
    EXPECT_EQ(person, QStringLiteral("李四"));

    BatchWindow w(DefaultBirth("张三"));
    Messages().clear();
    w.BtnAnalyse->click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, QStringLiteral("请输入或打开要分析的名称，每行一个!"));

    // More names than one part holds: 60 lines of five kinds.
    const char* kinds[] = {"九万\t珠宝", "中国最\t珠宝有限公司", "关雎", "九", "钻石\t珠宝"};
    QString pasted;
    std::vector<BatchName> list;
    for (int i = 0; i < 60; ++i) {
        pasted += QString::fromUtf8(kinds[i % 5]) + QStringLiteral("\n");
        const std::string line = kinds[i % 5];
        const std::size_t tab = line.find('\t');
        list.push_back({line.substr(0, tab), tab == std::string::npos ? "" : line.substr(tab + 1)});
    }
    w.MemoNames->setPlainText(pasted);
    w.BtnAnalyse->click();
    EXPECT_TRUE(w.Running());
    EXPECT_EQ(w.BtnAnalyse->text(), QStringLiteral("停止"));
    for (int turns = 0; w.Running() && turns < 10000; ++turns)
        QApplication::processEvents();
    ASSERT_FALSE(w.Running());

    QueryObject names(DbConnectionString(kParvelloFile), kCharLookupTimeout);
    QueryObject readings(DbConnectionString(kSomnetteFile), kDefaultTimeout);
    const BirthReadResult read = ReadBirthRecord(DefaultBirth("张三"));
    const ExportTable whole =
        AnalyseBatch(names, readings, ChartNeedsOf(*BuildChartOf(*read.record)), list);
    EXPECT_EQ(w.Table().rows, whole.rows);
    ASSERT_EQ(w.GridBatch->rowCount(), 60);
    EXPECT_EQ(w.GridBatch->item(59, kBatchNumber)->text(), QStringLiteral("60"));
    EXPECT_EQ(w.GridBatch->item(1, kBatchWarnings)->text(),
              QStringLiteral("中国（国名）；最（最高级）"));
    EXPECT_EQ(w.Progress->value(), 60);
    EXPECT_TRUE(w.LabelStatus->text().startsWith(
        QStringLiteral("共60个名称，24个有注册提示，12个未通过名称检查")))
        << w.LabelStatus->text().toStdString();

    // 总体评分 highest first on the first click (a refused name, scored by its
    // message, last), lowest first on the second.
    w.SortByColumn(kBatchScore);
    for (int r = 1; r < 48; ++r) {
        EXPECT_GE(w.GridBatch->item(r - 1, kBatchScore)->text().toInt(),
                  w.GridBatch->item(r, kBatchScore)->text().toInt());
    }
    EXPECT_EQ(w.GridBatch->item(59, kBatchBrandName)->text(), QStringLiteral("九"));
    w.SortByColumn(kBatchScore);
    EXPECT_EQ(w.GridBatch->item(0, kBatchBrandName)->text(), QStringLiteral("九"));

    const fs::path dir = fs::temp_directory_path() / ("quillora-batch-" + std::to_string(getpid()));
    fs::create_directories(dir);
    SetSaveFileChooser([&](QWidget*, const QString&, const QString& proposal, const QString&) {
        EXPECT_EQ(proposal, QStringLiteral("批量分析.xlsx"));
        return QString::fromStdString((dir / "名单.csv").string());
    });
    w.BtnExport->click();
    const std::string csv = test::ReadFileBytes(dir / "名单.csv");
    EXPECT_EQ(csv.rfind("\xEF\xBB\xBF编号,品牌商标名称,总体评分,", 0), 0u);
    EXPECT_NE(csv.find("\r\n" + w.Table().rows[0][0] + ",九,"), std::string::npos);

    // A list file in GBK with CRLF reaches the box as UTF-8 lines.
    const fs::path file = dir / "list.txt";
    {
        std::ofstream out(file, std::ios::binary);
        out << Utf8ToGbk("金玉\t餐饮\r\n\r\n华瑞\r\n");
    }
    SetOpenFileChooser([&](QWidget*, const QString&, const QString&) {
        return QString::fromStdString(file.string());
    });
    w.BtnOpen->click();
    SetOpenFileChooser({});
    EXPECT_EQ(w.MemoNames->toPlainText(), QStringLiteral("金玉\t餐饮\n华瑞\n"));
    fs::remove_all(dir);
}
