// The windows with damaged database files and with targets they cannot
// write, offscreen, in the program's own application object.
//
// Each page's command is pressed the way a click arrives (an event through
// QuilloraApplication::notify to the command's slot, whose guard stops the
// error before it reaches Qt). With a database file missing, empty,
// truncated, garbage, scrambled, with renamed columns or beside a journal,
// the error that names the file reaches the error report, the window keeps
// running and its command works again once the file is back. Saves and
// exports into a missing folder, a read-only folder or a full disk say so in
// a message naming the file; a folder, a device or a database file at the
// chosen name is never replaced.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "DamagedFiles.h"
#include "WriteFaults.h"
#include "almanac/gui/AlmanacPage.h"
#include "app/Application.h"
#include "app/BirthInputGroup.h"
#include "app/MemoFile.h"
#include "app/ShowInfo.h"
#include "app/UntIndex.h"
#include "bazi/gui/BaziPage.h"
#include "data/Database.h"
#include "naming/gui/AnalysisPage.h"
#include "naming/gui/GenerationPage.h"
#include "naming/gui/NameMain.h"
#include "support/CliProcess.h"
#include "support/ScratchData.h"

namespace fs = std::filesystem;
using namespace quillora;
using namespace quillora::gui;
using namespace quillora::robustness;
using namespace quillora::test;

namespace {

std::vector<InfoMessage>& Messages() {
    static std::vector<InfoMessage> messages;
    return messages;
}

// The program's application object, so that exceptions take the program's
// road to the error report.
class ProgramEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
        static int argc = 1;
        static char name[] = "page_fault_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QuilloraApplication>(argc, argv);
        SetInfoSink([](const InfoMessage& m) { Messages().push_back(m); });
    }
    void TearDown() override {
        SetInfoSink({});
        SetSaveFileChooser({});
        app_.reset();
    }

  private:
    std::unique_ptr<QuilloraApplication> app_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new ProgramEnvironment);

// Clicks a button (or triggers an action) through the event loop, as a
// user's click arrives, and lets every event it causes run.
void Press(QObject* control) {
    QMetaObject::invokeMethod(
        control,
        [control] {
            if (auto* b = qobject_cast<QAbstractButton*>(control))
                b->click();
            else if (auto* a = qobject_cast<QAction*>(control))
                a->trigger();
        },
        Qt::QueuedConnection);
    QApplication::processEvents();
    QApplication::processEvents();
}

std::string Joined(const std::vector<InfoMessage>& messages) {
    std::string out;
    for (const InfoMessage& m : messages)
        out += "[" + m.caption.toStdString() + "] " + m.text.toStdString() + "\n";
    return out;
}

void FillBirth(BirthInputGroup* g, bool splitName) {
    g->Xing->setText(splitName ? QStringLiteral("张") : QStringLiteral("张三"));
    if (splitName)
        g->NameB->setText(QStringLiteral("三"));
    g->SYear->setCurrentText(QStringLiteral("1971"));
    g->SMonth->setCurrentText(QStringLiteral("12"));
    g->Sday->setCurrentText(QStringLiteral("13"));
    g->Shour->setCurrentIndex(0);
    g->CBFen->setCurrentText(QStringLiteral("30"));
}

// The name analysis window for the person FillBirth enters and the brand
// name 金源珠宝, not yet shown.
TFrmNamemain* NewNameWindow(QWidget* parent) {
    return NewNameAnalysisWindow(
        BirthEntries{"张三", "", "男", 0, "1971", "12", "13", "子 0", "30"},
        BrandName{"", "金源", "珠宝"}, parent);
}

// One command of a page: how to fill the page, the control to press, whether
// a result stands, and the database files the command reads.
struct PageCommand {
    const char* name;
    std::set<std::string> reads;
    std::function<void(TFrmIndex&)> fill;
    std::function<QObject*(TFrmIndex&)> control;
    std::function<bool(TFrmIndex&)> hasResult;
};

const std::vector<PageCommand>& PageCommands() {
    static const std::vector<PageCommand> commands = {
        {"生成 马上起名",
         {"Parvello.dll", "Gantrel.dll"},
         [](TFrmIndex& w) {
             GenerationPage* p = GenerationPageOf(w.TabSheet1);
             FillBirth(p->group, false);
             p->NameEnd->setText(QStringLiteral("珠宝"));
         },
         [](TFrmIndex& w) -> QObject* { return GenerationPageOf(w.TabSheet1)->RzBitBtn5; },
         [](TFrmIndex& w) {
             const QTableWidgetItem* cell =
                 GenerationPageOf(w.TabSheet1)->RzStringGrid1->item(0, 1);
             return cell != nullptr && !cell->text().isEmpty();
         }},
        {"名称分析 分析",
         {"Parvello.dll", "Somnette.dll", "Gantrel.dll"},
         [](TFrmIndex& w) {
             AnalysisPage* p = AnalysisPageOf(w.TabSheet3);
             FillBirth(p->group, false);
             p->Namezhi13->setText(QStringLiteral("金源"));
             p->NameEnd3->setText(QStringLiteral("珠宝"));
         },
         [](TFrmIndex& w) -> QObject* { return AnalysisPageOf(w.TabSheet3)->ButtonName; },
         [](TFrmIndex& w) {
             return AnalysisPageOf(w.TabSheet3)
                 ->RzMemo1->toPlainText()
                 .contains(QStringLiteral("总体评分"));
         }},
        {"八字 分析",
         {"Somnette.dll", "Gantrel.dll"},
         [](TFrmIndex& w) { FillBirth(BaziPageOf(w.TabSheet2)->group, true); },
         [](TFrmIndex& w) -> QObject* { return BaziPageOf(w.TabSheet2)->RzButton2; },
         [](TFrmIndex& w) { return !BaziPageOf(w.TabSheet2)->Memo1->toPlainText().isEmpty(); }},
        {"黄历 查看",
         {"Somnette.dll"},
         [](TFrmIndex& w) {
             AlmanacPage* p = AlmanacPageOf(w.TabSheet5);
             p->SlYear->setCurrentText(QStringLiteral("2010"));
             p->SlMonth->setCurrentText(QStringLiteral("05"));
             p->Slday->setCurrentText(QStringLiteral("07"));
         },
         [](TFrmIndex& w) -> QObject* { return AlmanacPageOf(w.TabSheet5)->BtnHuangli; },
         [](TFrmIndex& w) {
             return !AlmanacPageOf(w.TabSheet5)->MemoHuangli->toPlainText().isEmpty();
         }},
    };
    return commands;
}

class PageFaults : public ::testing::Test {
  protected:
    void SetUp() override { Messages().clear(); }
    void TearDown() override {
        SetDatabaseDirectory("");
        SetSaveFileChooser({});
    }
};

// A new main window reading its databases from folder (as the program does
// from its own folder), shown.
std::unique_ptr<TFrmIndex> OpenWindow(const fs::path& folder) {
    SetDatabaseDirectory(folder.string());
    auto window = std::make_unique<TFrmIndex>();
    window->show();
    QApplication::processEvents();
    return window;
}

}  // namespace

TEST_F(PageFaults, EveryPageReportsADamagedFileByNameAndKeepsRunning) {
    for (const char* file : kDatabaseFileNames) {
        for (const Damage damage : AllDamages()) {
            for (const PageCommand& c : PageCommands()) {
                const DamagedFolder folder(file, damage, "pages");
                const std::string where =
                    std::string(c.name) + ", " + file + " " + DamageName(damage);
                Messages().clear();
                auto window = OpenWindow(folder.Path());
                c.fill(*window);
                QObject* control = c.control(*window);
                Press(control);
                const std::string shown = Joined(Messages());

                if (c.reads.count(file) == 0) {
                    EXPECT_TRUE(Messages().empty()) << where << "\n" << shown;
                    EXPECT_TRUE(c.hasResult(*window)) << where;
                    continue;
                }
                if (damage == Damage::Scrambled && Messages().empty() && c.hasResult(*window))
                    continue;  // damage the command does not read
                ASSERT_EQ(Messages().size(), 1u) << where << "\n" << shown;
                EXPECT_EQ(Messages()[0].caption, QStringLiteral("错误")) << where;
                EXPECT_TRUE(Messages()[0].text.contains(QString::fromUtf8(file))) << where << "\n"
                                                                                  << shown;
                // The window keeps running: the command is ready again and
                // no busy cursor is left behind.
                EXPECT_TRUE(window->isVisible()) << where;
                EXPECT_TRUE(qobject_cast<QPushButton*>(control)->isEnabled()) << where;
                EXPECT_EQ(QApplication::overrideCursor(), nullptr) << where;

                // Once the sound file is back, the same window's command
                // works: no connection to the damaged file is kept.
                folder.Repair();
                Messages().clear();
                Press(control);
                EXPECT_TRUE(Messages().empty()) << where << "\n" << Joined(Messages());
                EXPECT_TRUE(c.hasResult(*window)) << where << ": no result once repaired";
            }
        }
    }
}

TEST_F(PageFaults, NameAnalysisWindowReportsADamagedFileByName) {
    for (const char* file : kDatabaseFileNames) {
        for (const Damage damage : {Damage::Missing, Damage::Empty, Damage::Garbage}) {
            const std::string where = std::string(file) + " " + DamageName(damage);
            const DamagedFolder folder(file, damage, "namemain");
            auto window = OpenWindow(folder.Path());
            Messages().clear();
            // Showing the window with a main name runs the analysis at once.
            TFrmNamemain* w = NewNameWindow(window.get());
            w->show();
            QApplication::processEvents();
            ASSERT_EQ(Messages().size(), 1u) << where << "\n" << Joined(Messages());
            EXPECT_EQ(Messages()[0].caption, QStringLiteral("错误"));
            EXPECT_TRUE(Messages()[0].text.contains(QString::fromUtf8(file))) << where << "\n"
                                                                              << Joined(Messages());
            EXPECT_TRUE(w->isVisible()) << where;

            Messages().clear();
            Press(w->RzButton1);
            ASSERT_EQ(Messages().size(), 1u) << where << "\n" << Joined(Messages());
            EXPECT_TRUE(Messages()[0].text.contains(QString::fromUtf8(file))) << where;
            EXPECT_TRUE(w->isVisible()) << where;
            w->close();
            QApplication::processEvents();
        }
    }
}

TEST_F(PageFaults, EverySaveAndExportReportsATargetItCannotWrite) {
    auto window = OpenWindow(BinDirectory());
    // Results to save: a report on each page, a grid of candidates and a
    // shortlist.
    for (const PageCommand& c : PageCommands()) {
        c.fill(*window);
        Press(c.control(*window));
        ASSERT_TRUE(c.hasResult(*window)) << c.name << "\n" << Joined(Messages());
    }
    GenerationPage* generation = GenerationPageOf(window->TabSheet1);
    generation->MemoDaixuan->setPlainText(QStringLiteral("金源珠宝\n"));
    TFrmNamemain* nameWindow = NewNameWindow(window.get());
    nameWindow->show();
    QApplication::processEvents();
    ASSERT_FALSE(nameWindow->RzMemo1->toPlainText().isEmpty());
    ASSERT_TRUE(Messages().empty()) << Joined(Messages());

    struct Save {
        const char* name;
        QObject* control;
        const char* file;  // the name the save dialog answers
    };
    const Save saves[] = {
        {"八字 保存", BaziPageOf(window->TabSheet2)->RzBitBtn8, "八字分析.txt"},
        {"名称分析 保存", AnalysisPageOf(window->TabSheet3)->BitBtnsave, "名称分析.txt"},
        {"名称分析窗口 保存", nameWindow->BitBtnsave, "名称分析窗口.txt"},
        {"已选名字 保存", generation->BtnSave, "待选名字"},
        {"导出EXCEL", generation->BtnExcel, "起名结果.xlsx"},
        {"文本方式导出", generation->N6, "起名结果.txt"},
    };
    for (const WriteFault fault : AllWriteFaults()) {
        for (const Save& s : saves) {
            const std::string where = std::string(s.name) + ", " + WriteFaultName(fault);
            WriteFaultScope scope(fault, "pages");
            ASSERT_TRUE(scope.Armed()) << where;
            const QString path = QString::fromStdString(scope.PathFor(s.file));
            SetSaveFileChooser(
                [path](QWidget*, const QString&, const QString&, const QString&) { return path; });
            Messages().clear();
            Press(s.control);
            scope.Disarm();
            ASSERT_EQ(Messages().size(), 1u) << where << "\n" << Joined(Messages());
            EXPECT_TRUE(Messages()[0].text.contains(QString::fromUtf8(s.file)))
                << where << "\n"
                << Joined(Messages());
            EXPECT_TRUE(window->isVisible());
        }
    }
    // A folder, a device or a database file where the file would go: written
    // to (/dev/null) or refused with a message, never replaced.
    const DamagedFolder databases(kDatabaseFileNames[0], Damage::None, "pages-save");
    SetDatabaseDirectory(databases.Path().string());
    for (const Occupant occupant : AllOccupants()) {
        for (const Save& s : saves) {
            const std::string where = std::string(s.name) + ", " + OccupantName(occupant);
            const ScratchFolder scratch("pages-occupant");
            const std::string answer = (scratch.Path() / s.file).string();
            // The shortlist's save adds ".txt" to the name chosen.
            const fs::path written = fs::path(answer).has_extension() ? answer : answer + ".txt";
            PlaceOccupant(occupant, written, databases.Path() / kDatabaseFileNames[0]);
            SetSaveFileChooser([answer](QWidget*, const QString&, const QString&, const QString&) {
                return QString::fromStdString(answer);
            });
            Messages().clear();
            Press(s.control);
            if (occupant == Occupant::NullDevice) {
                EXPECT_TRUE(Messages().empty()) << where << "\n" << Joined(Messages());
            } else {
                ASSERT_EQ(Messages().size(), 1u) << where << "\n" << Joined(Messages());
                EXPECT_TRUE(Messages()[0].text.contains(QString::fromUtf8(s.file))) << where;
            }
            EXPECT_TRUE(OccupantIntact(occupant, written)) << where;
        }
    }
    nameWindow->close();
    QApplication::processEvents();
}
