// The Four Pillars page on the main window, offscreen: the input group's
// controls, items, initial values and byte limits; a failed check leaves the
// memo alone; a second run replaces the first report; saving and printing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/BirthInputGroup.h"
#include "app/MemoFile.h"
#include "app/ShowInfo.h"
#include "app/UntIndex.h"
#include "bazi/BaziReport.h"
#include "bazi/gui/BaziPage.h"
#include "common/Text.h"
#include "support/Files.h"
#include "support/GuiTestEnvironment.h"

using namespace quillora;
using namespace quillora::gui;
namespace fs = std::filesystem;

using quillora::test::Items;
using quillora::test::Lines;
using quillora::test::Messages;

namespace {

QStringList Memo1Lines(const QPlainTextEdit* memo) {
    return memo->toPlainText().split(QLatin1Char('\n'));
}

// A text as the tests compare printed text: without blanks, in NFKC (the
// PDF's character map names some ideographs by their Kangxi radicals, 八 as
// ⼋, which NFKC folds back).
QString WithoutBlanks(QString text) {
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    return text.normalized(QString::NormalizationForm_KC);
}

// A pattern for a line in such a text: an ideograph may also read as a
// character of the CJK radicals supplement (巳 as ⺒), which NFKC keeps.
QRegularExpression PrintedLinePattern(const QString& line) {
    QString pattern;
    for (const QChar c : WithoutBlanks(line)) {
        const QString one = QRegularExpression::escape(QString(c));
        pattern +=
            c.unicode() >= 0x3400 ? QStringLiteral("(?:%1|[\\x{2E80}-\\x{2EFF}])").arg(one) : one;
    }
    return QRegularExpression(pattern);
}

// Checks a printed PDF: every word between 9 and 16 points high (a line of
// 10.5-point text), the title on every page, pages numbered 第 n 页，共 m 页
// with at least minPages of them, and each non-blank line of the text found
// in order in the pages' bodies (between header and footer, 60 points in).
void ExpectPrintedReport(const fs::path& pdf, const QString& title, const QStringList& lines,
                         int minPages) {
    const std::vector<test::PdfWord> words = test::ReadPdfWords(pdf);
    ASSERT_FALSE(words.empty());
    const int pages = words.back().page;
    EXPECT_GE(pages, minPages);
    QString all;
    QString body;
    for (const test::PdfWord& word : words) {
        EXPECT_GT(word.bottom - word.top, 9.0) << word.text;
        EXPECT_LT(word.bottom - word.top, 16.0) << word.text;
        all += WithoutBlanks(QString::fromStdString(word.text));
        if (word.top > 60 && word.bottom < word.pageHeight - 60)
            body += WithoutBlanks(QString::fromStdString(word.text));
    }
    for (int page = 1; page <= pages; ++page) {
        EXPECT_TRUE(
            all.contains(PrintedLinePattern(QStringLiteral("第%1页，共%2页").arg(page).arg(pages))))
            << "page " << page;
    }
    int titles = 0;
    for (auto it = PrintedLinePattern(title).globalMatch(all); it.hasNext(); it.next())
        ++titles;
    EXPECT_EQ(titles, pages);
    qsizetype from = 0;
    for (const QString& line : lines) {
        if (WithoutBlanks(line).isEmpty())
            continue;
        const QRegularExpressionMatch found = PrintedLinePattern(line).match(body, from);
        ASSERT_TRUE(found.hasMatch()) << "not printed: " << line.toStdString()
                                      << "\nin: " << body.mid(from, 120).toStdString();
        from = found.capturedEnd();
    }
}

QStringList Numbers(int from, int to) {
    QStringList items;
    for (int i = from; i <= to; ++i)
        items << QString::number(i);
    return items;
}

class BaziPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Messages().clear();
        window_ = std::make_unique<TFrmIndex>();
        page_ = BaziPageOf(window_->TabSheet2);
        ASSERT_NE(page_, nullptr);
    }
    void TearDown() override { window_.reset(); }

    template <typename T>
    T* Control(const char* name) const {
        return window_->TabSheet2->findChild<T*>(QString::fromLatin1(name));
    }

    void Enter(const char* surname, const char* given, const char* sex, int calendar, const char* y,
               const char* m, const char* d, const char* hour, const char* minute) {
        BirthInputGroup* g = page_->group;
        g->Xing->setText(QString::fromUtf8(surname));
        g->NameB->setText(QString::fromUtf8(given));
        g->CBsex->setCurrentText(QString::fromUtf8(sex));
        g->ComDate->setCurrentIndex(calendar);
        g->SYear->setCurrentText(QString::fromUtf8(y));
        g->SMonth->setCurrentText(QString::fromUtf8(m));
        g->Sday->setCurrentText(QString::fromUtf8(d));
        g->Shour->setCurrentText(QString::fromUtf8(hour));
        g->CBFen->setCurrentText(QString::fromUtf8(minute));
    }

    // The report the core writes for the page's current entries.
    QString ExpectedReport() const {
        const BirthReadResult read = ReadBirthRecord(page_->group->Entries());
        EXPECT_TRUE(read.record.has_value()) << read.issue.message;
        if (!read)
            return QString();
        const std::optional<std::vector<std::string>> report = BaziReportLines(*read.record);
        EXPECT_TRUE(report.has_value());
        QStringList lines;
        for (const std::string& l : report.value_or(std::vector<std::string>{})) {
            lines << QString::fromStdString(l);
        }
        return lines.join(QLatin1Char('\n'));
    }

    std::unique_ptr<TFrmIndex> window_;
    BaziPage* page_ = nullptr;
};

}  // namespace

TEST_F(BaziPageTest, InputGroupControlsItemsAndInitialValues) {
    for (const char* name : {"Xing2", "NameB2"}) {
        auto* edit = Control<QLineEdit>(name);
        ASSERT_NE(edit, nullptr) << name;
        EXPECT_TRUE(edit->text().isEmpty());
    }
    struct Box {
        const char* name;
        QStringList items;
        QString initial;
        bool editable;
        int rows;
    };
    QStringList hours;
    for (const char* item : HourItems)
        hours << QString::fromUtf8(item);
    const Box boxes[] = {
        {"CBsex2", {QStringLiteral("男"), QStringLiteral("女")}, QStringLiteral("男"), false, 10},
        {"ComDate2",
         {QStringLiteral("公历"), QStringLiteral("农历")},
         QStringLiteral("公历"),
         false,
         10},
        {"SYear2", Numbers(1900, 2019), QStringLiteral("1980"), true, 30},
        {"SMonth2", Numbers(1, 12), QStringLiteral("1"), true, 12},
        {"Sday2", Numbers(1, 31), QStringLiteral("1"), true, 31},
        {"Shour2", hours, QStringLiteral("子 0"), false, 24},
        {"CBFen2", Numbers(0, 59), QStringLiteral("0"), true, 30},
    };
    for (const Box& b : boxes) {
        auto* box = Control<QComboBox>(b.name);
        ASSERT_NE(box, nullptr) << b.name;
        EXPECT_EQ(Items(box), b.items) << b.name;
        EXPECT_EQ(box->currentText(), b.initial) << b.name;
        EXPECT_EQ(box->isEditable(), b.editable) << b.name;
        EXPECT_EQ(box->maxVisibleItems(), b.rows) << b.name;
    }
    EXPECT_EQ(hours.size(), 24);
    EXPECT_EQ(hours.last(), QStringLiteral("子 23"));
    EXPECT_EQ(Control<QPushButton>("RzButton2")->text(), QStringLiteral("分析"));
    EXPECT_EQ(Control<QPushButton>("RzBitBtn7")->text(), QStringLiteral("打印"));
    EXPECT_EQ(Control<QPushButton>("RzBitBtn8")->text(), QStringLiteral("保存"));
    auto* memo = Control<QPlainTextEdit>("Memo1");
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

TEST_F(BaziPageTest, NameEditsHoldTwentyGbkBytes) {
    const auto* validator =
        qobject_cast<const GbkByteLimitValidator*>(page_->group->Xing->validator());
    ASSERT_NE(validator, nullptr);
    EXPECT_EQ(validator->MaxBytes(), 20);
    ASSERT_NE(page_->group->NameB->validator(), nullptr);
    const auto check = [&](const QString& text) {
        QString t = text;
        int pos = 0;
        return validator->validate(t, pos);
    };
    EXPECT_EQ(check(QString(10, QChar(0x5F20))), QValidator::Acceptable);  // 10 × 张
    EXPECT_EQ(check(QString(11, QChar(0x5F20))), QValidator::Invalid);
    EXPECT_EQ(check(QString(20, QLatin1Char('a'))), QValidator::Acceptable);
    EXPECT_EQ(check(QString(21, QLatin1Char('a'))), QValidator::Invalid);
    EXPECT_EQ(check(QStringLiteral("张a") + QString(17, QLatin1Char('b'))), QValidator::Acceptable);
    EXPECT_EQ(check(QStringLiteral("张😀")), QValidator::Invalid);    // GBK cannot write it
    EXPECT_EQ(check(QStringLiteral("鑫")), QValidator::Acceptable);  // GBK, not GB2312
}

TEST_F(BaziPageTest, FailedCheckLeavesTheMemoAlone) {
    page_->Memo1->setPlainText(QStringLiteral("前一份报告"));
    // A birth date nobody entered is asked for, never reported as 1980-01-01.
    page_->group->Xing->setText(QStringLiteral("张"));
    page_->RzButton2->click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, QString::fromUtf8(kBirthDateNotGiven));
    EXPECT_EQ(page_->Memo1->toPlainText(), QStringLiteral("前一份报告"));
    // Choosing the item the year list already shows enters the date.
    emit page_->group->SYear->activated(page_->group->SYear->currentIndex());
    EXPECT_TRUE(page_->group->DateGiven());

    Messages().clear();
    page_->group->SYear->setCurrentText(QStringLiteral("  "));
    page_->RzButton2->click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(Messages()[0].text, QStringLiteral("请选择出生年!"));
    EXPECT_EQ(page_->Memo1->toPlainText(), QStringLiteral("前一份报告"));

    // An invalid lunar entry, a date out of range and a minute that cannot
    // be read stop the same way, each with a message naming the entry.
    Messages().clear();
    Enter("", "", "男", 1, "2020", "1", "30", "子 0", "0");
    page_->RzButton2->click();
    Enter("", "", "男", 0, "1900", "1", "15", "子 0", "0");
    page_->RzButton2->click();
    Enter("", "", "男", 0, "1980", "1", "1", "子 0", "x");
    page_->RzButton2->click();
    ASSERT_EQ(Messages().size(), 3u);
    EXPECT_EQ(Messages()[0].text,
              QStringLiteral("农历日期无效：农历2020年一月只有29天，请重新选择!"));
    EXPECT_EQ(Messages()[1].text,
              QStringLiteral("出生日期超出范围(1900年1月31日至2100年12月31日)!"));
    EXPECT_EQ(Messages()[2].text, QStringLiteral("出生分钟无效：“x”不是数字，请重新输入!"));
    EXPECT_EQ(page_->Memo1->toPlainText(), QStringLiteral("前一份报告"));
}

// Typed key by key, the year, month, day and minute are what was typed: the
// lists never complete them ("201" stays 201, not 2010; "1" is January).
TEST_F(BaziPageTest, BirthBoxesTakeTypedValuesAsTyped) {
    window_->show();
    BirthInputGroup* g = page_->group;
    const std::pair<QComboBox*, QString> typed[] = {{g->SYear, QStringLiteral("201")},
                                                    {g->SMonth, QStringLiteral("1")},
                                                    {g->Sday, QStringLiteral("2")},
                                                    {g->CBFen, QStringLiteral("5")},
                                                    {g->SYear, QStringLiteral("1986")}};
    for (const auto& [box, text] : typed) {
        test::TypeDigits(box, text);
        EXPECT_EQ(box->currentText().toStdString(), text.toStdString())
            << box->objectName().toStdString();
    }
    page_->RzButton2->click();
    EXPECT_TRUE(Messages().empty());
    EXPECT_EQ(Memo1Lines(page_->Memo1).value(2),
              QStringLiteral("您出生公历：1986年01月02日0点5分"));
}

// 闰 (the leap month) can be ticked only for a lunar year whose leap month has the entered
// number; anything else clears it.
TEST_F(BaziPageTest, LeapMonthBoxOnlyForTheLeapMonthOfALunarYear) {
    auto* leap = Control<QCheckBox>("ChkLeap2");
    ASSERT_NE(leap, nullptr);
    EXPECT_EQ(leap->text(), QStringLiteral("闰"));
    EXPECT_FALSE(leap->isEnabled());
    Enter("", "", "女", 1, "2023", "2", "15", "子 0", "0");
    ASSERT_TRUE(leap->isEnabled());
    leap->setChecked(true);
    page_->RzButton2->click();
    EXPECT_TRUE(Messages().empty());
    const QStringList lines = page_->Memo1->toPlainText().split(QLatin1Char('\n'));
    ASSERT_GT(lines.size(), 3);
    EXPECT_EQ(lines[2], QStringLiteral("您出生公历：2023年04月05日0点0分"));
    EXPECT_EQ(lines[3], QStringLiteral("农历：癸卯(兔年)闰二月十五"));

    page_->group->SMonth->setCurrentText(QStringLiteral("3"));
    EXPECT_FALSE(leap->isEnabled());
    EXPECT_FALSE(leap->isChecked());
    page_->group->SMonth->setCurrentText(QStringLiteral("2"));
    leap->setChecked(true);
    page_->group->ComDate->setCurrentIndex(0);
    EXPECT_FALSE(leap->isEnabled());
    EXPECT_FALSE(page_->group->Entries().leapMonth);
    page_->group->ComDate->setCurrentIndex(1);
    page_->group->SYear->setCurrentText(QStringLiteral("2024"));
    EXPECT_FALSE(leap->isEnabled());
}

TEST_F(BaziPageTest, SecondRunLeavesOnlyTheSecondReport) {
    Enter("张", "三", "男", 0, "1986", "6", "5", "巳 10", "30");
    page_->RzButton2->click();
    const QString first = page_->Memo1->toPlainText();
    EXPECT_EQ(first, ExpectedReport());

    Enter(" 李 ", "梅", "女", 1, "1980", "1", "1", "子 23", "5");
    page_->RzButton2->click();
    EXPECT_TRUE(Messages().empty());
    const QString second = page_->Memo1->toPlainText();
    EXPECT_EQ(second, ExpectedReport());
    EXPECT_NE(second, first);
    const QStringList lines = second.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 63);
    EXPECT_EQ(lines[0], QStringLiteral("姓名：李梅"));
    EXPECT_EQ(lines[2], QStringLiteral("您出生公历：1980年02月16日23点5分"));
    EXPECT_FALSE(second.contains(QStringLiteral("张三")));
    // The memo shows its first line.
    EXPECT_EQ(page_->Memo1->textCursor().position(), 0);
    EXPECT_EQ(page_->Memo1->verticalScrollBar()->value(), 0);
}

TEST_F(BaziPageTest, SaveWritesGbkWithCrlfAndReportsAFailedWrite) {
    Enter("张", "三", "男", 0, "1986", "6", "5", "巳 10", "30");
    page_->RzButton2->click();
    const fs::path dir = fs::temp_directory_path() / "quillora-bazi-save";
    fs::remove_all(dir);
    fs::create_directories(dir);
    QString proposed;
    QString chosen = QString::fromStdString((dir / "报告").string());
    SetSaveFileChooser(
        [&](QWidget*, const QString& title, const QString& proposal, const QString& filter) {
            EXPECT_EQ(title, QStringLiteral("保存"));
            EXPECT_EQ(filter, QStringLiteral("文本文件 (*.txt)"));
            proposed = proposal;
            return chosen;
        });
    page_->RzBitBtn8->click();
    EXPECT_EQ(proposed, QStringLiteral("张三八字分析"));
    QFile file(chosen + QStringLiteral(".txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const std::string expected = Utf8ToGbk(ToCrlf(page_->Memo1->toPlainText().toStdString()));
    EXPECT_EQ(bytes.toStdString(), expected);
    EXPECT_TRUE(bytes.startsWith(
        QByteArray("\xD0\xD5\xC3\xFB\xA3\xBA\xD5\xC5\xC8\xFD\r\n")));  // 姓名：张三
    EXPECT_TRUE(Messages().empty());

    // A folder that does not exist: the message names the file.
    chosen = QString::fromStdString((dir / "missing" / "x.txt").string());
    page_->RzBitBtn8->click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(Messages()[0].text.contains(chosen)) << Messages()[0].text.toStdString();
    EXPECT_TRUE(Messages()[0].text.contains(QStringLiteral("无法保存")));

    // Cancelling writes nothing and says nothing.
    chosen.clear();
    page_->RzBitBtn8->click();
    EXPECT_EQ(Messages().size(), 1u);
    fs::remove_all(dir);
}

TEST_F(BaziPageTest, PrintWritesThroughThePrintDialog) {
    const fs::path pdf = fs::temp_directory_path() / "quillora-bazi-print.pdf";
    fs::remove(pdf);
    int dialogs = 0;
    SetPrintDialogRunner([&](QPrinter& printer, QWidget*) {
        ++dialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        return true;
    });
    // Nothing to print yet: no dialog.
    page_->RzBitBtn7->click();
    EXPECT_EQ(dialogs, 0);
    Enter("张", "三", "男", 0, "1986", "6", "5", "巳 10", "30");
    page_->RzButton2->click();
    page_->RzBitBtn7->click();
    EXPECT_EQ(dialogs, 1);
    QFile file(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));
    EXPECT_GT(file.size(), 1000);
    file.close();
    if (!test::PdfToolsPresent())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    // The report at a reading size, under its header, every line on a page.
    ExpectPrintedReport(pdf, QStringLiteral("张三八字分析"), Memo1Lines(page_->Memo1), 1);

    // A long report runs over several pages, each numbered, none cut off.
    QStringList longText;
    for (int i = 1; i <= 150; ++i)
        longText << QStringLiteral("%1 %2")
                        .arg(i, 3, 10, QLatin1Char('0'))
                        .arg(QStringLiteral("甲子 乙丑 丙寅 丁卯").repeated(1 + i % 9));
    ASSERT_TRUE(PrintMemoText(nullptr, QStringLiteral("长篇"), longText.join(QLatin1Char('\n')),
                              page_->Memo1->font()));
    ExpectPrintedReport(pdf, QStringLiteral("长篇"), longText, 3);
    fs::remove(pdf);
}
