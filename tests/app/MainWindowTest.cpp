// The main window: its layout and hints, page switching, the two ways of
// closing, the almanac start date, the secondary windows and the title strip.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTranslator>
#include <algorithm>
#include <memory>
#include <stdexcept>

#include "app/Application.h"
#include "app/BirthInputGroup.h"
#include "app/Chrome.h"
#include "app/CommandGuard.h"
#include "app/LegalPerson.h"
#include "app/ServersWin.h"
#include "app/ShowInfo.h"
#include "app/UntIndex.h"
#include "data/Database.h"
#include "datepicker/DateWin.h"
#include "support/GuiTestEnvironment.h"

using quillora::gui::ImageButton;
using quillora::gui::TFrmIndex;

using quillora::test::Items;
using quillora::test::Lines;
using quillora::test::Messages;

namespace {

ImageButton* Button(TFrmIndex& w, const char* name) {
    auto* button = w.findChild<ImageButton*>(QString::fromLatin1(name));
    EXPECT_NE(button, nullptr) << name;
    return button;
}

// Clicks a button that opens a window, notes the window that came up and
// whether it was modal, and closes it again so the click returns.
QDialog* OpenAndClose(QAbstractButton* button, bool& modal) {
    QPointer<QDialog> seen;
    modal = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<QDialog*>(top); dialog && dialog->isVisible()) {
                if (!seen) {
                    seen = dialog;
                    modal = dialog->isModal();
                }
                dialog->reject();
            }
        }
    });
    button->click();
    return seen;
}

}  // namespace

TEST(MainWindow, ChromeFollowsTheLayout) {
    TFrmIndex w;
    EXPECT_EQ(w.size(), QSize(801, 590));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_TRUE(w.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Quillora"));
    EXPECT_EQ(w.font().families().value(0), QStringLiteral("宋体"));

    const struct {
        const char* name;
        QRect rect;
        const char* hint;
    } buttons[] = {
        {"RzToolButton2", {6, 24, 75, 79}, "商标起名、品牌起名等都可以操作"},
        {"RzToolButton1", {88, 24, 75, 79}, "商标起名、品牌起名等名字详细分析及评分"},
        {"RzToolButton3", {170, 24, 75, 79}, "法人生辰八字详细分析"},
        {"RzToolButton5", {335, 24, 75, 79}, "本日黄历 也可以选其他日期查看"},
        {"RzToolButton7", {499, 24, 75, 79}, "各类吉日、数字吉祥等功能"},
        {"RzToolButton11", {741, 1, 29, 19}, "最小化"},
        {"RzToolButton12", {769, 1, 31, 19}, "关闭"},
        {"RzToolButton36", {535, 111, 71, 71}, nullptr},
        {"RzToolButton37", {109, 189, 71, 71}, nullptr},
    };
    for (const auto& b : buttons) {
        ImageButton* button = Button(w, b.name);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->geometry(), b.rect) << b.name;
        if (b.hint) {
            // The page buttons' hints end in their keys (checked below).
            EXPECT_TRUE(button->toolTip().startsWith(QString::fromUtf8(b.hint))) << b.name;
        }
    }
    EXPECT_EQ(Button(w, "RzToolButton36")->parentWidget(), w.TabSheet9);
    EXPECT_EQ(Button(w, "RzToolButton37")->parentWidget(), w.TabSheet9);
    EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("Image4"))->geometry(), QRect(2, 1, 711, 21));
    EXPECT_EQ(w.findChild<QWidget*>(QStringLiteral("RzPanel1"))->geometry(),
              QRect(2, 110, 798, 461));

    // Five different pictures, none of them blank.
    std::vector<QImage> faces;
    for (const char* name :
         {"RzToolButton2", "RzToolButton1", "RzToolButton3", "RzToolButton5", "RzToolButton7"}) {
        ImageButton* button = Button(w, name);
        button->SetCurrent(false);
        faces.push_back(button->grab().toImage());
    }
    for (std::size_t i = 0; i < faces.size(); ++i) {
        EXPECT_NE(faces[i].pixel(37, 30), faces[i].pixel(1, 1)) << i;
        for (std::size_t j = i + 1; j < faces.size(); ++j)
            EXPECT_NE(faces[i], faces[j]) << i << j;
    }
}

TEST(MainWindow, ToolbarSwitchesPagesAndKeepsTheirContents) {
    TFrmIndex w;
    w.show();
    ASSERT_EQ(w.CurrentPage(), w.TabSheet1);
    EXPECT_TRUE(Button(w, "RzToolButton2")->IsCurrent());

    auto* typed = new QLineEdit(w.TabSheet3);
    typed->setText(QStringLiteral("华美科技"));
    auto* look = w.TabSheet5->findChild<QAbstractButton*>(QStringLiteral("BtnHuangli"));
    if (!look) {
        look = new QPushButton(QStringLiteral("查看"), w.TabSheet5);
        look->setObjectName(QStringLiteral("BtnHuangli"));
    }
    int looks = 0;
    QObject::connect(look, &QAbstractButton::clicked, [&looks] { ++looks; });

    const struct {
        const char* button;
        QWidget* page;
    } steps[] = {{"RzToolButton1", w.TabSheet3}, {"RzToolButton3", w.TabSheet2},
                 {"RzToolButton5", w.TabSheet5}, {"RzToolButton7", w.TabSheet9},
                 {"RzToolButton2", w.TabSheet1}, {"RzToolButton1", w.TabSheet3}};
    const char* toolbar[] = {"RzToolButton2", "RzToolButton1", "RzToolButton3", "RzToolButton5",
                             "RzToolButton7"};
    for (const auto& step : steps) {
        Button(w, step.button)->click();
        QApplication::processEvents();
        EXPECT_EQ(w.CurrentPage(), step.page) << step.button;
        // No tab strip, whatever the page: the page fills the whole panel.
        EXPECT_FALSE(w.RzPageControl1->tabBar()->isVisible()) << step.button;
        EXPECT_EQ(step.page->mapTo(&w, QPoint(0, 0)), QPoint(2, 110)) << step.button;
        EXPECT_EQ(step.page->size(), QSize(798, 461)) << step.button;
        for (const char* name : toolbar)
            EXPECT_EQ(Button(w, name)->IsCurrent(), std::string(name) == step.button) << name;
    }
    EXPECT_EQ(typed->text(), QStringLiteral("华美科技"));
    EXPECT_EQ(looks, 1);

    // Pages switch each other through the same call, e.g. "返回起名".
    w.ShowPage(w.TabSheet1);
    EXPECT_EQ(w.CurrentPage(), w.TabSheet1);
    EXPECT_TRUE(Button(w, "RzToolButton2")->IsCurrent());
}

TEST(MainWindow, OnlyTheCloseButtonRemovesLockFiles) {
    const QString dir = QString::fromStdString(quillora::ExecutableDirectory());
    const QStringList names = {QStringLiteral("Parvello.ldb"), QStringLiteral("Somnette.ldb"),
                               QStringLiteral("Gantrel.ldb"), QStringLiteral("Natelwyn.ldb")};
    auto makeLocks = [&] {
        for (const QString& name : names) {
            QFile f(dir + name);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << name.toStdString();
            f.write("lock");
        }
    };
    auto countLocks = [&] {
        int n = 0;
        for (const QString& name : names)
            n += QFile::exists(dir + name) ? 1 : 0;
        return n;
    };

    makeLocks();
    TFrmIndex w;
    w.show();
    w.ADOQuery1.SetStatement("select 1");
    w.ADOQuery1.Open();
    ASSERT_TRUE(w.ADOQuery1.IsOpen());
    EXPECT_TRUE(w.close());
    EXPECT_FALSE(w.ADOQuery1.IsOpen());
    EXPECT_EQ(countLocks(), 4);

    // The close button ends the message loop itself.
    w.ADOComDS.SetStatement("select 1");
    w.ADOComDS.Open();
    QTimer::singleShot(0, [&w] { Button(w, "RzToolButton12")->click(); });
    QTimer stuck;
    stuck.setSingleShot(true);
    QObject::connect(&stuck, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    stuck.start(10000);
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_FALSE(w.ADOComDS.IsOpen());
    EXPECT_EQ(countLocks(), 0);
    for (const QString& name : names)
        QFile::remove(dir + name);
}

TEST(MainWindow, QueryObjectsGetTheirFilesWithoutConnecting) {
    TFrmIndex w;
    EXPECT_EQ(quillora::DbFileNameOf(w.ADOComDS.Connection()), "Parvello.dll");
    EXPECT_EQ(quillora::DbFileNameOf(w.ADOTem.Connection()), "Parvello.dll");
    EXPECT_EQ(quillora::DbFileNameOf(w.ADOteam.Connection()), "Somnette.dll");
    EXPECT_EQ(quillora::DbFileNameOf(w.ADOQuery1.Connection()), "Somnette.dll");
    EXPECT_EQ(w.ADOComDS.Timeout(), 120);
    EXPECT_EQ(w.ADOTem.Timeout(), 60);
    EXPECT_EQ(w.ADOteam.Timeout(), 30);
    EXPECT_EQ(w.ADOQuery1.Timeout(), 30);
    EXPECT_FALSE(w.ADOComDS.IsOpen());
}

TEST(MainWindow, AlmanacDateStartsAtToday) {
    TFrmIndex w;
    const QDate today = QDate::currentDate();
    EXPECT_EQ(w.startYear, today.toString(QStringLiteral("yyyy")));
    EXPECT_EQ(w.startMonth, today.toString(QStringLiteral("MM")));
    EXPECT_EQ(w.startDay, today.toString(QStringLiteral("dd")));

    // The selectors take today even when their lists hold other years.
    const char* names[] = {"SlYear", "SlMonth", "Slday"};
    QComboBox* boxes[3] = {};
    for (int i = 0; i < 3; ++i) {
        boxes[i] = w.TabSheet5->findChild<QComboBox*>(QString::fromLatin1(names[i]));
        if (!boxes[i]) {
            boxes[i] = new QComboBox(w.TabSheet5);
            boxes[i]->setObjectName(QString::fromLatin1(names[i]));
            boxes[i]->setEditable(true);
        }
    }
    boxes[0]->clear();
    for (int year = 2008; year <= 2019; ++year)
        boxes[0]->addItem(QString::number(year));
    w.FormCreate();
    EXPECT_EQ(boxes[0]->currentText(), today.toString(QStringLiteral("yyyy")));
    EXPECT_EQ(boxes[1]->currentText(), today.toString(QStringLiteral("MM")));
    EXPECT_EQ(boxes[2]->currentText(), today.toString(QStringLiteral("dd")));
    EXPECT_EQ(w.CurrentPage(), w.TabSheet1);
}

// A command's error stops at its guard: shown by the error report, never
// thrown on into Qt (here a plain QApplication, which would not catch it).
TEST(MainWindow, ShowStepsRunOnceAndACommandsErrorStopsAtItsGuard) {
    using quillora::gui::RunCommand;
    Messages().clear();
    TFrmIndex w;
    int shown = 0;
    w.AddShowStep([&shown] { ++shown; });
    w.AddShowStep([] { throw std::runtime_error("Somnette.dll: file is not a database"); });
    w.show();
    EXPECT_EQ(shown, 1);
    EXPECT_TRUE(w.isVisible());
    ASSERT_EQ(Messages().size(), 1u);
    EXPECT_EQ(Messages()[0].caption, QStringLiteral("错误"));
    EXPECT_EQ(Messages()[0].text, QStringLiteral("Somnette.dll: file is not a database"));

    EXPECT_FALSE(RunCommand([] { throw 7; }));
    ASSERT_EQ(Messages().size(), 2u);
    EXPECT_EQ(Messages()[1].text, QStringLiteral("未知错误"));
    EXPECT_TRUE(RunCommand([] {}));
    EXPECT_EQ(Messages().size(), 2u);
}

TEST(SecondaryWindows, EachOpeningReplacesTheEarlierWindow) {
    TFrmIndex w;
    w.show();
    w.ShowPage(w.TabSheet9);

    bool modal = false;
    QPointer<QDialog> first = OpenAndClose(Button(w, "RzToolButton36"), modal);
    ASSERT_NE(first, nullptr);
    EXPECT_NE(qobject_cast<quillora::gui::TFRM_Date*>(first.data()), nullptr);
    EXPECT_TRUE(modal);
    EXPECT_EQ(first->size(), QSize(331, 285));
    QPointer<QDialog> second = OpenAndClose(Button(w, "RzToolButton36"), modal);
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(w.findChildren<quillora::gui::TFRM_Date*>().size(), 1);

    QPointer<QDialog> service = OpenAndClose(Button(w, "RzToolButton37"), modal);
    ASSERT_NE(service, nullptr);
    EXPECT_NE(qobject_cast<quillora::gui::TFrm_servers*>(service.data()), nullptr);
    EXPECT_TRUE(modal);
    QPointer<QDialog> again = OpenAndClose(Button(w, "RzToolButton37"), modal);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(service.isNull());
    EXPECT_EQ(w.findChildren<quillora::gui::TFrm_servers*>().size(), 1);
    EXPECT_FALSE(second.isNull());
}

TEST(MainWindow, TitleStripDragsTheWindow) {
    TFrmIndex w;
    w.show();
    QApplication::processEvents();
    QWidget* strip = w.findChild<QWidget*>(QStringLiteral("Image4"));
    ASSERT_NE(strip, nullptr);
    const QPoint start = w.pos();
    const QPointF local(100, 10);
    const QPointF global = strip->mapToGlobal(local);
    const QPointF delta(40, 25);

    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::RightButton, Qt::RightButton,
                      Qt::NoModifier);
    QApplication::sendEvent(strip, &press);
    QMouseEvent move(QEvent::MouseMove, local + delta, global + delta, Qt::NoButton,
                     Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, local + delta, global + delta, Qt::RightButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(strip, &release);
    QApplication::processEvents();
    EXPECT_EQ(w.pos(), start + delta.toPoint());
}

// One legal person: typed on one page it fills the others, the next window
// starts with it, and forgetting it clears every page. Whether its birth
// date was entered goes along: a name alone leaves the date to be asked for.
TEST(MainWindow, OneLegalPersonRememberedBetweenSessions) {
    using quillora::gui::BirthInputGroup;
    auto window = std::make_unique<TFrmIndex>();
    const QList<BirthInputGroup*> groups = window->findChildren<BirthInputGroup*>();
    ASSERT_EQ(groups.size(), 3);
    BirthInputGroup* generation = window->TabSheet1->findChild<BirthInputGroup*>();
    BirthInputGroup* bazi = window->TabSheet2->findChild<BirthInputGroup*>();
    ASSERT_NE(bazi->NameB, nullptr);
    for (BirthInputGroup* g : groups) {
        // The number boxes take typed text as typed, on every page.
        for (QComboBox* box : {g->SYear, g->SMonth, g->Sday, g->CBFen})
            EXPECT_EQ(box->completer(), nullptr) << box->objectName().toStdString();
        EXPECT_FALSE(g->DateGiven());
    }
    generation->Xing->setText(QStringLiteral("李四"));
    emit generation->Xing->textEdited(generation->Xing->text());
    EXPECT_FALSE(bazi->DateGiven());
    EXPECT_FALSE(
        std::make_unique<TFrmIndex>()->TabSheet2->findChild<BirthInputGroup*>()->DateGiven());
    generation->SYear->setCurrentText(QStringLiteral("1975"));
    generation->Shour->setCurrentIndex(6);
    for (BirthInputGroup* g : groups) {
        EXPECT_EQ(g->Entries().name + g->Entries().givenName, "李四");
        EXPECT_EQ(g->Entries().year, "1975");
        EXPECT_EQ(g->Shour->currentIndex(), 6);
        EXPECT_TRUE(g->DateGiven());
    }
    EXPECT_EQ(bazi->Xing->text(), QStringLiteral("李"));
    EXPECT_EQ(bazi->NameB->text(), QStringLiteral("四"));

    window = std::make_unique<TFrmIndex>();
    for (BirthInputGroup* g : window->findChildren<BirthInputGroup*>()) {
        EXPECT_EQ(g->Entries().name + g->Entries().givenName, "李四");
        EXPECT_EQ(g->Entries().year, "1975");
        EXPECT_TRUE(g->DateGiven());
    }
    quillora::gui::ForgetLegalPerson(window.get());
    for (BirthInputGroup* g : window->findChildren<BirthInputGroup*>()) {
        EXPECT_TRUE(g->Xing->text().isEmpty());
        EXPECT_FALSE(g->DateGiven());
    }
    window = std::make_unique<TFrmIndex>();
    EXPECT_TRUE(window->TabSheet1->findChild<BirthInputGroup*>()->Xing->text().isEmpty());
}

// A confirmation (a name added, where a file went) is a label of the window:
// unlike a tool tip it stays when a menu or a dialog gives the focus back.
TEST(MainWindow, NoticeStaysWhenTheFocusMoves) {
    TFrmIndex window;
    window.show();
    QApplication::processEvents();
    quillora::gui::SetNoticeSink({});
    auto* anchor = window.TabSheet1->findChild<QLineEdit*>(QStringLiteral("Xing"));
    quillora::gui::ShowNotice(anchor, QStringLiteral("已保存到：/很长的路径/").repeated(6));
    window.TabSheet1->findChild<QComboBox*>(QStringLiteral("SYear"))->setFocus();
    QApplication::processEvents();
    quillora::gui::SetNoticeSink([](const QString& text) { quillora::test::Notices() << text; });
    const auto* tip = window.findChild<QLabel*>(QString::fromLatin1(quillora::gui::kNoticeName));
    ASSERT_NE(tip, nullptr);
    EXPECT_TRUE(tip->isVisible());
    EXPECT_TRUE(window.rect().contains(tip->geometry())) << tip->geometry().width();
}

// The window keeps its title strip and window buttons on a screen smaller
// than itself; the five pages have keys named in their hints; Qt's own texts
// read in Chinese when the translations are installed.
TEST(MainWindow, PlacementKeysAndQtTexts) {
    using quillora::gui::PlacedTopLeft;
    EXPECT_EQ(PlacedTopLeft(QRect(0, 0, 1280, 900), QSize(801, 590)), QPoint(239, 155));
    // 1280x900 at a scale factor of 2, a panel of 20 pixels at the top.
    EXPECT_EQ(PlacedTopLeft(QRect(0, 10, 640, 440), QSize(801, 590)), QPoint(-161, 10));

    TFrmIndex window;
    EXPECT_TRUE(Button(window, "RzToolButton3")->toolTip().endsWith(QStringLiteral("（Ctrl+3）")));
    const QList<QShortcut*> shortcuts = window.findChildren<QShortcut*>();
    const auto page3 = std::find_if(shortcuts.begin(), shortcuts.end(), [](QShortcut* s) {
        return s->key() == QKeySequence(QStringLiteral("Ctrl+3"));
    });
    ASSERT_NE(page3, shortcuts.end());
    emit(*page3)->activated();
    EXPECT_EQ(window.CurrentPage(), window.TabSheet2);

    QTranslator* chinese = quillora::gui::LoadQtChineseTexts(*qApp);
    if (chinese == nullptr)
        GTEST_SKIP() << "qt6-translations-l10n is not installed";
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("取消"));
    QCoreApplication::removeTranslator(chinese);
    delete chinese;
}
