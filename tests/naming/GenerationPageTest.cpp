// The generation page offscreen: its controls, a run that fills the grid,
// "继续显示", the fixed-character message, the run guard after a failed
// statement, the analysis window opened from a row, sorting, the shortlist
// box, the web search and the exports.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTableWidget>
#include <QTimer>
#include <filesystem>
#include <memory>
#include <vector>

#include "app/BirthInputGroup.h"
#include "app/MemoFile.h"
#include "app/ShowInfo.h"
#include "app/UntIndex.h"
#include "common/Text.h"
#include "data/Database.h"
#include "naming/Shortlist.h"
#include "naming/gui/GenerationPage.h"
#include "naming/gui/NameMain.h"
#include "support/Files.h"
#include "support/GuiTestEnvironment.h"
#include "support/ScratchData.h"

using namespace quillora;
using namespace quillora::gui;
namespace fs = std::filesystem;

using quillora::test::Items;
using quillora::test::Lines;
using quillora::test::Messages;
using quillora::test::ReadFileBytes;

namespace {

class GenerationPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Messages().clear();
        SeedRandom(11);
        window_ = std::make_unique<TFrmIndex>();
        window_->show();
        QApplication::processEvents();
        page_ = GenerationPageOf(window_->TabSheet1);
        ASSERT_NE(page_, nullptr);
    }
    void TearDown() override {
        SetSaveFileChooser({});
        SetUrlOpener({});
        SetDatabaseDirectory("");
        window_.reset();
    }

    // A legal person born 1985-06-15 at 午 12, whose chart holds all five
    // elements, and a two-character name with the suffix 珠宝.
    void FillEntries() {
        page_->group->Xing->setText(QStringLiteral("张三"));
        page_->group->SYear->setCurrentText(QStringLiteral("1985"));
        page_->group->SMonth->setCurrentText(QStringLiteral("6"));
        page_->group->Sday->setCurrentText(QStringLiteral("15"));
        page_->group->Shour->setCurrentIndex(12);
        page_->NameEnd->setText(QStringLiteral("珠宝"));
    }

    QString Cell(int row, int col) const { return page_->RzStringGrid1->item(row, col)->text(); }

    std::unique_ptr<TFrmIndex> window_;
    GenerationPage* page_ = nullptr;
    const quillora::test::ScratchFolder dir_;
};

}  // namespace

TEST_F(GenerationPageTest, ControlsStartAsDesigned) {
    QTableWidget* grid = page_->RzStringGrid1;
    EXPECT_EQ(window_->TabSheet1->findChild<QTableWidget*>(QStringLiteral("RzStringGrid1")), grid);
    EXPECT_EQ(grid->columnCount(), 14);
    EXPECT_EQ(grid->rowCount(), 200);  // + the header row
    const char* headers[] = {"编号",     "品牌商标名称", "繁体字",   "总体笔画", "主体名称",
                             "主体五行", "主体笔画",     "后缀笔画", "总体评分", "拼音",
                             "雅名分",   "寓意说明",     "出处",     "注册提示"};
    const int widths[] = {43, 183, 194, 57, 57, 58, 55, 56, 62, 130, 50, 260, 360, 220};
    for (int c = 0; c < 14; ++c) {
        EXPECT_EQ(grid->horizontalHeaderItem(c)->text(), QString::fromUtf8(headers[c]));
        EXPECT_EQ(grid->columnWidth(c), widths[c]);
    }
    EXPECT_EQ(grid->rowHeight(0), 18);
    EXPECT_EQ(page_->RzBitBtn5->text(), QStringLiteral("马上起名"));
    EXPECT_EQ(page_->RzBitBtn2->text(), QStringLiteral("继续显示"));
    EXPECT_EQ(page_->RzBitBtn4->text(), QStringLiteral("查看详细"));
    EXPECT_EQ(page_->BtnExcel->text(), QStringLiteral("导出EXCEL"));
    EXPECT_FALSE(page_->RzBitBtn2->isEnabled());
    EXPECT_FALSE(page_->RzGroupBox10->isVisible());
    EXPECT_EQ(page_->RzGroupBox10->title(), QStringLiteral("已选名字(退出请点关闭)"));
    EXPECT_FALSE(page_->NameBegin->isVisible());
    EXPECT_EQ(page_->NameEnd->validator() != nullptr, true);

    // The name length decides which fixed fields are open; text stays.
    EXPECT_EQ(page_->CBZS->count(), 3);
    EXPECT_EQ(page_->CBZS->currentText(), QStringLiteral("二字名"));
    EXPECT_TRUE(page_->Namezhi1->isEnabled());
    EXPECT_TRUE(page_->Namezhi2->isEnabled());
    EXPECT_FALSE(page_->Namezhi3->isEnabled());
    EXPECT_FALSE(page_->Namezhi4->isEnabled());
    page_->CBZS->setCurrentIndex(2);
    EXPECT_TRUE(page_->Namezhi3->isEnabled());
    EXPECT_TRUE(page_->Namezhi4->isEnabled());
    page_->Namezhi3->setText(QStringLiteral("通"));
    page_->CBZS->setCurrentIndex(1);
    EXPECT_TRUE(page_->Namezhi3->isEnabled());
    EXPECT_FALSE(page_->Namezhi4->isEnabled());
    page_->CBZS->setCurrentIndex(0);
    EXPECT_FALSE(page_->Namezhi3->isEnabled());
    EXPECT_EQ(page_->Namezhi3->text(), QStringLiteral("通"));

    // The context menu's entries in order.
    QStringList entries;
    for (QAction* a : page_->PopupMenu1->actions()) {
        entries << (a->isSeparator() ? QStringLiteral("-") : a->text());
    }
    EXPECT_EQ(
        entries.join(QLatin1Char('|')),
        QStringLiteral("查看详细分析|-|添加到已选名字|查看已选名字|保存已选名字|清空已选名字|-|"
                       "百度查看是否有重名|商标查询|-|EXCEL方式导出|文本方式导出"));
}

TEST_F(GenerationPageTest, ARunFillsTheGridAndContinueRedraws) {
    // A birth date nobody entered is asked for before any name is drawn.
    page_->group->Xing->setText(QStringLiteral("张三"));
    page_->RzBitBtn5->click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].text, QString::fromUtf8(kBirthDateNotGiven));
    EXPECT_TRUE(Cell(0, 4).isEmpty());
    Messages().clear();

    FillEntries();
    page_->Namezhi3->setText(QStringLiteral("通"));  // disabled, ignored by a two-character run
    page_->RzBitBtn5->click();
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(page_->RzBitBtn5->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(page_->RzBitBtn2->isEnabled());
    EXPECT_EQ(Cell(0, 0), QStringLiteral("1"));
    EXPECT_EQ(Cell(199, 0), QStringLiteral("200"));
    for (int r = 0; r < 200; ++r) {
        const QString main = Cell(r, 4);
        ASSERT_EQ(main.size(), 2);
        EXPECT_EQ(Cell(r, 1), main + QStringLiteral("珠宝"));
        EXPECT_TRUE(Cell(r, 2).endsWith(QStringLiteral("珠寶")));
        EXPECT_EQ(Cell(r, 7), QStringLiteral("31"));
        EXPECT_EQ(Cell(r, 3).toInt(), Cell(r, 6).toInt() + 31);
    }
    QStringList first;
    for (int r = 0; r < 200; ++r)
        first << Cell(r, 4);

    page_->RzBitBtn2->click();
    int same = 0;
    for (int r = 0; r < 200; ++r)
        same += Cell(r, 4) == first[r];
    EXPECT_LT(same, 20);

    // Sorting by the score column puts the rows highest first on the first
    // click, lowest first on the second; the shown rows keep their cells.
    page_->RzStringGrid1->horizontalHeader()->sectionClicked(8);
    for (int r = 1; r < 200; ++r)
        EXPECT_GE(Cell(r - 1, 8).toInt(), Cell(r, 8).toInt());
    page_->RzStringGrid1->horizontalHeader()->sectionClicked(8);
    EXPECT_LE(Cell(0, 8).toInt(), Cell(199, 8).toInt());
    page_->RzStringGrid1->horizontalHeader()->sectionClicked(8);
    EXPECT_EQ(Cell(0, 1), Cell(0, 4) + QStringLiteral("珠宝"));

    // All fixed fields of the length filled: the message, grid unchanged.
    const QString before = Cell(0, 1);
    page_->Namezhi1->setText(QStringLiteral("九"));
    page_->Namezhi2->setText(QStringLiteral("万"));
    page_->RzBitBtn5->click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].caption, QStringLiteral("信息提示"));
    EXPECT_EQ(Messages()[0].text, QStringLiteral("二字名不能同时固定两个字！"));
    EXPECT_EQ(Cell(0, 1), before);

    // A fixed character that word lacks: empty grid, "继续显示" off, and one
    // message saying why.
    Messages().clear();
    page_->Namezhi2->setText(QStringLiteral("x"));
    page_->Namezhi1->clear();
    page_->RzBitBtn5->click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(Messages()[0].text.startsWith(QStringLiteral("固定字“x”不在字库中")))
        << Messages()[0].text.toStdString();
    EXPECT_EQ(Cell(0, 0), QString());
    EXPECT_FALSE(page_->RzBitBtn2->isEnabled());

    // An empty name stops with its message.
    Messages().clear();
    page_->group->Xing->clear();
    page_->RzBitBtn5->click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].caption, QStringLiteral("提示"));
    EXPECT_EQ(Messages()[0].text, QStringLiteral("姓名不能为空!"));
}

// A statement that cannot run ends the command with the error, and still
// "马上起名" comes back and the busy cursor goes.
TEST_F(GenerationPageTest, AFailedStatementReenablesTheCommand) {
    FillEntries();
    SetDatabaseDirectory((dir_ / "missing").string());
    EXPECT_THROW(page_->RzBitBtn5Click(), DbError);
    EXPECT_TRUE(page_->RzBitBtn5->isEnabled());
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(window_->ADOComDS.IsOpen());
}

TEST_F(GenerationPageTest, ARowOpensTheAnalysisWindowWithThePagesEntries) {
    FillEntries();
    page_->RzBitBtn5->click();
    ASSERT_FALSE(Cell(2, 4).isEmpty());
    page_->RzStringGrid1->setCurrentCell(2, 1);
    // The window takes the entries as they stand when it opens.
    page_->group->ComDate->setCurrentIndex(1);
    const QString main = Cell(2, 4);

    struct Seen {
        bool opened = false;
        QString xing, year, hour, main, suffix;
        int calendar = -1;
    } seen;
    QTimer::singleShot(0, [&seen] {
        TFrmNamemain* w = FrmNamemain;
        if (w == nullptr)
            return;
        seen.opened = true;
        seen.xing = w->Xing->text();
        seen.year = w->SYear->currentText();
        seen.hour = w->Shour->currentText();
        seen.main = w->Namezhi1->text();
        seen.suffix = w->NameEnd->text();
        seen.calendar = w->ComDate->currentIndex();
        w->close();
    });
    page_->RzBitBtn4->click();
    ASSERT_TRUE(seen.opened);
    EXPECT_EQ(seen.xing, QStringLiteral("张三"));
    EXPECT_EQ(seen.year, QStringLiteral("1985"));
    EXPECT_EQ(seen.hour, QStringLiteral("午 12"));
    EXPECT_EQ(seen.main, main);
    EXPECT_EQ(seen.suffix, QStringLiteral("珠宝"));
    EXPECT_EQ(seen.calendar, 1);

    // A blank row below the candidates opens nothing.
    page_->NameEnd->setText(QStringLiteral("x"));
    page_->Namezhi1->setText(QStringLiteral("x"));
    page_->RzBitBtn5->click();
    page_->RzStringGrid1->setCurrentCell(5, 1);
    bool opened = false;
    QTimer::singleShot(0, [&opened] {
        if (FrmNamemain != nullptr) {
            opened = true;
            FrmNamemain->close();
        }
    });
    page_->RzBitBtn4Click();
    QApplication::processEvents();
    EXPECT_FALSE(opened);
}

TEST_F(GenerationPageTest, ShortlistBoxAndItsFile) {
    FillEntries();
    page_->RzBitBtn5->click();
    page_->RzStringGrid1->setCurrentCell(0, 3);
    const QString name = Cell(0, 1);
    page_->N1->trigger();
    page_->N1->trigger();
    page_->RzStringGrid1->setCurrentCell(1, 0);
    page_->N1->trigger();
    EXPECT_FALSE(page_->RzGroupBox10->isVisible());
    const QString list = name + "\n" + Cell(1, 1) + "\n";
    EXPECT_EQ(page_->MemoDaixuan->toPlainText(), Cell(0, 1) == Cell(1, 1) ? name + "\n" : list);
    page_->N9->trigger();
    EXPECT_TRUE(page_->RzGroupBox10->isVisible());
    page_->BtnClose->click();
    EXPECT_FALSE(page_->RzGroupBox10->isVisible());
    EXPECT_FALSE(page_->MemoDaixuan->toPlainText().isEmpty());

    page_->BtnCopy->click();
    EXPECT_EQ(QApplication::clipboard()->text(), page_->MemoDaixuan->toPlainText());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].caption, QStringLiteral("复制信息"));
    EXPECT_EQ(Messages()[0].text, QStringLiteral("复制成功，可以粘贴到任何文本处！"));

    // Save: the dialog proposes the legal person's name + 起名结果待选名字表;
    // a chosen name ending in .txt is written as chosen, not as .txt.txt.
    QString proposal, filter;
    const fs::path target = dir_ / "list.txt";
    SetSaveFileChooser([&](QWidget*, const QString&, const QString& p, const QString& f) {
        proposal = p;
        filter = f;
        return QString::fromStdString(target.string());
    });
    page_->BtnSave->click();
    EXPECT_EQ(proposal, QStringLiteral("张三起名结果待选名字表"));
    EXPECT_TRUE(filter.contains(QStringLiteral("*.txt")));
    EXPECT_FALSE(fs::exists(dir_ / "list.txt.txt"));
    const std::string bytes = ReadFileBytes(dir_ / "list.txt");
    EXPECT_EQ(QString::fromStdString(GbkToUtf8(bytes)).replace("\r\n", "\n"),
              page_->MemoDaixuan->toPlainText());
    EXPECT_NE(bytes.find("\r\n"), std::string::npos);
    page_->group->Xing->setText(QStringLiteral("张/三"));
    page_->SAC->trigger();
    EXPECT_EQ(proposal, QStringLiteral("*.txt"));

    // A file that cannot be written is reported.
    Messages().clear();
    SetSaveFileChooser([&](QWidget*, const QString&, const QString&, const QString&) {
        return QString::fromStdString((dir_ / "no" / "list").string());
    });
    page_->BtnSave->click();
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_TRUE(Messages()[0].text.contains(QStringLiteral("无法保存")));

    // Clear, also on an empty memo, says so.
    Messages().clear();
    page_->N2->trigger();
    page_->BtnClear->click();
    EXPECT_TRUE(page_->MemoDaixuan->toPlainText().isEmpty());
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1].caption, QStringLiteral("信息提示"));
    EXPECT_EQ(Messages()[1].text, QStringLiteral("清空成功！"));
    // Saving an empty memo opens no dialog.
    bool asked = false;
    SetSaveFileChooser([&](QWidget*, const QString&, const QString&, const QString&) {
        asked = true;
        return QString();
    });
    page_->SAC->trigger();
    EXPECT_FALSE(asked);
}

// The shortlist outlives the window: each name with its score, elements and
// legal person in the user's data folder; clearing asks first.
TEST_F(GenerationPageTest, ShortlistIsKeptBetweenSessions) {
    FillEntries();
    page_->RzBitBtn5->click();
    page_->RzStringGrid1->setCurrentCell(0, 0);
    page_->N1->trigger();
    ASSERT_EQ(test::Notices().size(), 1u);
    EXPECT_EQ(test::Notices()[0], QStringLiteral("已加入已选名字：") + Cell(0, 1));
    const std::vector<KeptName> kept = ParseKeptNames(ReadFileBytes(KeptShortlistFile()));
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(QString::fromStdString(kept[0].name), Cell(0, 1));
    EXPECT_EQ(QString::fromStdString(kept[0].score), Cell(0, 8));
    EXPECT_EQ(QString::fromStdString(kept[0].elements), Cell(0, 5));
    EXPECT_TRUE(QString::fromStdString(kept[0].person)
                    .startsWith(QStringLiteral("张三 男 公历1985年6月15日")))
        << kept[0].person;

    // The next session shows it again; clearing it is asked and can be refused.
    window_.reset();
    window_ = std::make_unique<TFrmIndex>();
    page_ = GenerationPageOf(window_->TabSheet1);
    EXPECT_EQ(page_->MemoDaixuan->toPlainText(), QString::fromStdString(kept[0].name) + "\n");
    test::QuestionAnswer() = false;
    page_->BtnClear->click();
    ASSERT_EQ(test::Questions().size(), 1u);
    EXPECT_FALSE(page_->MemoDaixuan->toPlainText().isEmpty());
    test::QuestionAnswer() = true;
    page_->BtnClear->click();
    EXPECT_TRUE(page_->MemoDaixuan->toPlainText().isEmpty());
    EXPECT_TRUE(ParseKeptNames(ReadFileBytes(KeptShortlistFile())).empty());
}

// The characters never to use and to prefer: applied to the run, kept as
// settings lines, shown again in the next session.
TEST_F(GenerationPageTest, OwnCharactersAreAppliedAndKeptBetweenSessions) {
    FillEntries();
    page_->ExcludeChars->setText(QStringLiteral("佳'%"));
    page_->PreferChars->setText(QStringLiteral("明"));
    emit page_->PreferChars->editingFinished();
    page_->RzBitBtn5->click();
    EXPECT_TRUE(Messages().empty());
    EXPECT_TRUE(Cell(0, 4).contains(QStringLiteral("明"))) << Cell(0, 4).toStdString();
    for (int r = 0; r < 200; ++r)
        EXPECT_FALSE(Cell(r, 4).contains(QStringLiteral("佳"))) << Cell(r, 4).toStdString();
    const CharacterChoice kept = ParseCharacterChoice(ReadFileBytes(CharacterChoiceFile()));
    EXPECT_EQ(kept.exclude, "佳'%");
    EXPECT_EQ(kept.prefer, "明");

    window_.reset();
    window_ = std::make_unique<TFrmIndex>();
    page_ = GenerationPageOf(window_->TabSheet1);
    EXPECT_EQ(page_->ExcludeChars->text(), QStringLiteral("佳'%"));
    EXPECT_EQ(page_->PreferChars->text(), QStringLiteral("明"));
    page_->ExcludeChars->clear();
    page_->PreferChars->clear();
    emit page_->ExcludeChars->editingFinished();
}

// Tab leaves the grid; Enter on the page runs 马上起名 and leaves the
// keyboard in the grid.
TEST_F(GenerationPageTest, GridKeys) {
    EXPECT_FALSE(page_->RzStringGrid1->tabKeyNavigation());
    FillEntries();
    int enters = 0;
    for (QShortcut* shortcut : window_->TabSheet1->findChildren<QShortcut*>()) {
        if (shortcut->key() == QKeySequence(Qt::Key_Return)) {
            ++enters;
            emit shortcut->activated();
        }
    }
    EXPECT_EQ(enters, 1);
    EXPECT_FALSE(Cell(0, 1).isEmpty());
    EXPECT_EQ(QApplication::focusWidget(), page_->RzStringGrid1);
    // Tab goes on to the page's first entry (nothing hidden swallows it).
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
    QApplication::sendEvent(page_->RzStringGrid1, &tab);
    EXPECT_EQ(QApplication::focusWidget(), page_->group->Xing);
}

TEST_F(GenerationPageTest, WebSearchTrademarkSearchAndExports) {
    FillEntries();
    page_->RzBitBtn5->click();
    page_->RzStringGrid1->setCurrentCell(0, 0);
    QUrl opened;
    SetUrlOpener([&](const QUrl& url) { opened = url; });
    page_->N4->trigger();
    const std::string gbk = Utf8ToGbk(Cell(0, 1).toStdString());
    EXPECT_EQ(opened.toEncoded().toStdString(), "https://www.baidu.com/s?wd=" + PercentEncode(gbk));
    // 商标查询 opens the trademark office's search with the row's mark to paste.
    page_->N10->trigger();
    EXPECT_EQ(opened, QUrl(QStringLiteral("https://sbj.cnipa.gov.cn/sbj/sbcx/")));
    EXPECT_EQ(QApplication::clipboard()->text(), Cell(0, kColMainName));

    SetSaveFileChooser([&](QWidget*, const QString&, const QString& p, const QString&) {
        return QString::fromStdString((dir_ / "rows").string()) +
               (p.endsWith(QStringLiteral(".xlsx")) ? QString() : QStringLiteral(".txt"));
    });
    page_->BtnExcel->click();
    ASSERT_TRUE(fs::exists(dir_ / "rows.xlsx"));
    EXPECT_EQ(ReadFileBytes(dir_ / "rows.xlsx").substr(0, 2), "PK");
    page_->N6->trigger();
    const std::string text = GbkToUtf8(ReadFileBytes(dir_ / "rows.txt"));
    EXPECT_EQ(text.rfind("编号\t品牌商标名称\t繁体字\t", 0), 0u);
    EXPECT_NE(text.find("\r\n1\t" + Cell(0, 1).toStdString() + "\t"), std::string::npos);
    std::size_t lines = 0;
    for (const char ch : text)
        lines += ch == '\n';
    EXPECT_EQ(lines, 201u);
}
