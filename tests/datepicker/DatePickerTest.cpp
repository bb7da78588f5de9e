// The calendar date picker, drawn offscreen and read back from its labels:
// the fixed elements, the lunar labels with their colours and override
// order, the zodiac and star sign, stepping, selecting, "今天", the range
// and closing when another window becomes active.
//
// Expected values come from the calendar's rules and published calendars
// (weekdays of the first of each month, lunar new-year dates, term dates),
// not from the window's code.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "app/ShowInfo.h"
#include "app/UntIndex.h"
#include "common/DateValue.h"
#include "datepicker/DateWin.h"
#include "datepicker/UpDown.h"
#include "support/GuiTestEnvironment.h"

using namespace quillora;
using namespace quillora::gui;

using quillora::test::Items;
using quillora::test::Lines;
using quillora::test::Messages;

namespace {

const QColor kDayGreen(0, 64, 0);
const QColor kMonthRed(255, 0, 0);
const QColor kOrange(255, 128, 0);
const QColor kTermBlue(83, 83, 255);

QColor TextColour(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

// The window with a month drawn and the cell arithmetic of that month: the
// weekday of the first (1 = Sunday) is given by the test from a calendar.
struct Drawn {
    TFRM_Date& w;
    int firstWeekday;
    int Cell(int day) const { return firstWeekday + day - 1; }
    QString Lunar(int day) const { return w.LunarLabel(Cell(day))->text(); }
    QColor LunarColour(int day) const { return TextColour(w.LunarLabel(Cell(day))); }
    QPoint Highlight() const { return w.Shape2->pos(); }
    QPoint HighlightOf(int day) const {
        const QLabel* l = w.DayLabel(Cell(day));
        return {l->x() - 1, l->y() + 1};
    }
};

void Press(QWidget* w, QEvent::Type type) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton,
                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void Click(QWidget* w) {
    Press(w, QEvent::MouseButtonPress);
    Press(w, QEvent::MouseButtonRelease);
}

}  // namespace

TEST(DatePicker, FixedElementsAtTheirPlaces) {
    TFRM_Date w;
    EXPECT_EQ(w.size(), QSize(331, 285));
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    EXPECT_TRUE(w.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(w.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

    const struct {
        QLabel* label;
        QRect rect;
        QColor colour;
        int pixels;
    } labels[] = {
        {w.Label1, {120, 0, 76, 41}, {0, 0, 255}, 29},
        {w.Label17, {10, 3, 36, 37}, {128, 128, 192}, 32},
        {w.Label20, {0, 56, 313, 72}, {255, 232, 221}, 64},
        {w.Label16, {16, 146, 313, 134}, {235, 235, 235}, 120},
        {w.Label21, {230, 212, 78, 35}, {221, 221, 255}, 35},
        {w.Label22, {152, 223, 69, 23}, {255, 128, 255}, 19},
    };
    for (const auto& l : labels) {
        EXPECT_EQ(l.label->geometry(), l.rect) << l.label->objectName().toStdString();
        EXPECT_EQ(TextColour(l.label), l.colour) << l.label->objectName().toStdString();
        EXPECT_EQ(l.label->font().pixelSize(), l.pixels) << l.label->objectName().toStdString();
    }
    EXPECT_EQ(w.UpDown1->geometry(), QRect(221, 10, 16, 24));
    EXPECT_EQ(w.UpDown2->geometry(), QRect(61, 10, 16, 24));
    EXPECT_EQ(w.BtnToday->geometry(), QRect(272, 17, 28, 16));
    EXPECT_EQ(w.Shape2->size(), QSize(38, 30));
    EXPECT_EQ(w.Label1->toolTip(), QStringLiteral("单击改变年份"));
    EXPECT_EQ(w.Label17->toolTip(), QStringLiteral("单击改变月份"));
    EXPECT_TRUE(w.UpDown1->isVisibleTo(&w));
    EXPECT_TRUE(w.UpDown2->isVisibleTo(&w));

    // The Chinese faces resolve to installed faces that hold the characters.
    for (const QLabel* l : {w.Label21, w.Label22, w.LunarLabel(1)}) {
        const QFontMetrics m(l->font());
        EXPECT_TRUE(m.inFontUcs4(U'鼠') && m.inFontUcs4(U'座'))
            << l->objectName().toStdString() << " draws in "
            << QFontInfo(l->font()).family().toStdString();
    }

    // The weekday names above and below the grid, Sunday and Saturday red.
    const QStringList names = {"星期日", "星期一", "星期二", "星期三",
                               "星期四", "星期五", "星期六"};
    for (int k = 0; k < 7; ++k) {
        for (const int top : {40, 253}) {
            const QLabel* found = nullptr;
            for (const QLabel* l : w.findChildren<QLabel*>())
                if (l->text() == names[k] && l->y() == top)
                    found = l;
            ASSERT_NE(found, nullptr) << k << " at " << top;
            EXPECT_EQ(found->x(), (top == 40 ? 19 : 20) + 40 * k);
            EXPECT_EQ(TextColour(found), (k == 0 || k == 6) ? QColor(255, 0, 0) : QColor(0, 0, 0));
        }
    }

    // 37 cells of two labels in rows of seven.
    for (int i = 1; i <= TFRM_Date::kCellCount; ++i) {
        const int row = (i - 1) / 7;
        const int column = (i - 1) % 7;
        EXPECT_EQ(w.DayLabel(i)->geometry(), QRect(14 + 42 * column, 56 + 32 * row, 36, 16)) << i;
        EXPECT_EQ(w.LunarLabel(i)->geometry(), QRect(13 + 42 * column, 73 + 32 * row, 36, 12)) << i;
    }
}

TEST(DatePicker, February2021AroundTheLunarNewYear) {
    TFRM_Date w;
    w.ShowDate(EncodeDate(2021, 2, 12));
    const Drawn m{w, 2};  // 1 February 2021 was a Monday
    EXPECT_EQ(w.Label1->text(), QStringLiteral("2021"));
    EXPECT_EQ(w.Label20->text(), QStringLiteral("2021"));
    EXPECT_EQ(w.Label17->text(), QStringLiteral("2"));
    EXPECT_EQ(w.Label16->text(), QStringLiteral("2"));

    const struct {
        int day;
        const char* text;
        QColor colour;
    } labels[] = {
        {1, "二十", kDayGreen},  {3, "立春", kTermBlue},  {4, "廿三", kDayGreen},
        {11, "除夕", kOrange},   {12, "春节", kOrange},   {13, "初二", kDayGreen},
        {14, "情人节", kOrange}, {18, "雨水", kTermBlue}, {26, "元宵节", kOrange},
        {28, "十七", kDayGreen},
    };
    for (const auto& l : labels) {
        EXPECT_EQ(m.Lunar(l.day), QString::fromUtf8(l.text)) << l.day;
        EXPECT_EQ(m.LunarColour(l.day), l.colour) << l.day;
        EXPECT_EQ(w.DayLabel(m.Cell(l.day))->text(), QString::number(l.day));
        EXPECT_EQ(TextColour(w.DayLabel(m.Cell(l.day))), QColor(0, 0, 0));
    }
    // Cells in use are exactly those of the 28 days.
    for (int i = 1; i <= TFRM_Date::kCellCount; ++i) {
        const bool used = i >= m.Cell(1) && i <= m.Cell(28);
        EXPECT_EQ(w.DayLabel(i)->isVisibleTo(&w), used) << i;
        EXPECT_EQ(w.LunarLabel(i)->isVisibleTo(&w), used) << i;
    }
    EXPECT_EQ(m.Highlight(), m.HighlightOf(12));
    EXPECT_EQ(w.Label21->text(), QStringLiteral("丑牛"));
    EXPECT_EQ(w.Label22->text(), QStringLiteral("水瓶座"));

    // The eve of the new year still belongs to the year of the rat.
    w.ShowDate(EncodeDate(2021, 2, 11));
    EXPECT_EQ(w.Label21->text(), QStringLiteral("子鼠"));
    EXPECT_EQ(m.Highlight(), m.HighlightOf(11));
}

TEST(DatePicker, LeapFourthMonthOf2020) {
    TFRM_Date w;
    w.ShowDate(EncodeDate(2020, 5, 1));
    const Drawn may{w, 6};  // 1 May 2020 was a Friday
    EXPECT_EQ(may.Lunar(22), QStringLiteral("三十"));
    EXPECT_EQ(may.Lunar(23), QStringLiteral("闰四"));
    EXPECT_EQ(may.LunarColour(23), kMonthRed);
    EXPECT_EQ(may.Lunar(1), QStringLiteral("劳动节"));
    EXPECT_EQ(may.Lunar(4), QStringLiteral("青年节"));
    EXPECT_EQ(may.Lunar(10), QStringLiteral("母亲节"));  // the second Sunday
    EXPECT_EQ(may.LunarColour(10), kOrange);
    EXPECT_EQ(may.Lunar(5), QStringLiteral("立夏"));
    EXPECT_EQ(w.DayLabel(36)->text(), QStringLiteral("31"));
    EXPECT_FALSE(w.DayLabel(37)->isVisibleTo(&w));

    w.ShowDate(EncodeDate(2020, 4, 1));
    const Drawn april{w, 4};  // 1 April 2020 was a Wednesday
    EXPECT_EQ(april.Lunar(23), QStringLiteral("四月"));
    EXPECT_EQ(april.LunarColour(23), kMonthRed);
    EXPECT_EQ(april.Lunar(1), QStringLiteral("愚人节"));
    EXPECT_FALSE(w.DayLabel(april.Cell(30) + 1)->isVisibleTo(&w));
}

TEST(DatePicker, LaterKindsOverrideEarlierOnes) {
    // Days on which two or three kinds meet, from published calendars.
    const struct {
        int y, m, d;
        const char* text;
        QColor colour;
    } cases[] = {
        {2020, 6, 21, "夏至", kTermBlue},   // 五月初一, 父亲节 (third Sunday) and 夏至
        {2019, 2, 19, "元宵节", kOrange},   // 元宵节 on the day of 雨水
        {2023, 11, 8, "立冬", kTermBlue},   // 记者日 on the day of 立冬
        {2023, 10, 1, "国庆节", kOrange},   // 国庆节 over 八月十七
        {2022, 10, 25, "十月", kMonthRed},  // first day of the tenth month
    };
    for (const auto& c : cases) {
        TFRM_Date w;
        w.ShowDate(EncodeDate(c.y, c.m, 1));
        const QLabel* lunar = nullptr;
        for (int i = 1; i <= TFRM_Date::kCellCount; ++i) {
            if (w.DayLabel(i)->isVisibleTo(&w) && w.DayLabel(i)->text() == QString::number(c.d))
                lunar = w.LunarLabel(i);
        }
        ASSERT_NE(lunar, nullptr) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(lunar->text(), QString::fromUtf8(c.text)) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(TextColour(lunar), c.colour) << c.y << "-" << c.m << "-" << c.d;
    }
}

TEST(DatePicker, MonthsOfSixAndOfFourRows) {
    TFRM_Date w;
    // 1 January 2022 was a Saturday: the 31st fills cell 37.
    w.ShowDate(EncodeDate(2022, 1, 5));
    EXPECT_EQ(w.DayLabel(7)->text(), QStringLiteral("1"));
    EXPECT_FALSE(w.DayLabel(6)->isVisibleTo(&w));
    EXPECT_EQ(w.DayLabel(37)->text(), QStringLiteral("31"));
    EXPECT_TRUE(w.DayLabel(37)->isVisibleTo(&w));
    EXPECT_TRUE(w.LunarLabel(37)->isVisibleTo(&w));
    EXPECT_EQ(w.LunarLabel(7)->text(), QStringLiteral("元旦节"));

    // February 2015 began on a Sunday and has 28 days: four rows exactly.
    w.ShowDate(EncodeDate(2015, 2, 1));
    for (int i = 1; i <= TFRM_Date::kCellCount; ++i) {
        EXPECT_EQ(w.DayLabel(i)->isVisibleTo(&w), i <= 28) << i;
        if (i <= 28) {
            EXPECT_EQ(w.DayLabel(i)->text(), QString::number(i));
        }
    }
    // The lunar new year of 2015 fell on 19 February.
    EXPECT_EQ(w.LunarLabel(19)->text(), QStringLiteral("春节"));
    EXPECT_EQ(w.LunarLabel(18)->text(), QStringLiteral("除夕"));
}

TEST(DatePicker, SteppingCutsTheDayButKeepsTheSelection) {
    TFRM_Date w;
    w.ShowDate(EncodeDate(2021, 1, 31));
    w.UpDown2->Step(1);
    const Drawn feb{w, 2};
    EXPECT_EQ(w.ShownMonth(), 2);
    EXPECT_EQ(w.Label17->text(), QStringLiteral("2"));
    EXPECT_EQ(feb.Highlight(), feb.HighlightOf(28));
    EXPECT_EQ(w.Label22->text(), QStringLiteral("双鱼座"));
    EXPECT_EQ(w.SelectedDay(), 31);
    w.UpDown2->UpButton()->click();  // the arrow itself
    const Drawn march{w, 2};         // 1 March 2021 was a Monday
    EXPECT_EQ(w.ShownMonth(), 3);
    EXPECT_EQ(march.Highlight(), march.HighlightOf(31));
    EXPECT_EQ(w.Label22->text(), QStringLiteral("白羊座"));

    // A leap February keeps its 29th.
    w.ShowDate(EncodeDate(2020, 1, 31));
    w.UpDown2->Step(1);
    EXPECT_EQ(w.Shape2->pos(), (Drawn{w, 7}.HighlightOf(29)));  // 1 February 2020: Saturday

    // From the 31st of May to April and back.
    w.ShowDate(EncodeDate(2020, 5, 31));
    w.UpDown2->DownButton()->click();
    EXPECT_EQ(w.Shape2->pos(), (Drawn{w, 4}.HighlightOf(30)));
    w.UpDown2->Step(1);
    EXPECT_EQ(w.Shape2->pos(), (Drawn{w, 6}.HighlightOf(31)));

    // The year stepper keeps the month and draws the new year's month: 23
    // August 2021 as the selected day names the star sign of that day.
    w.ShowDate(EncodeDate(2020, 8, 23));
    w.UpDown1->Step(1);
    EXPECT_EQ(w.ShownYear(), 2021);
    EXPECT_EQ(w.ShownMonth(), 8);
    EXPECT_EQ(w.Label1->text(), QStringLiteral("2021"));
    EXPECT_EQ(w.Label22->text(), QStringLiteral("处女座"));
    EXPECT_EQ(w.Label21->text(), QStringLiteral("丑牛"));
}

TEST(DatePicker, SteppersStopAtTheirBounds) {
    TFRM_Date w;
    w.ShowDate(EncodeDate(2050, 12, 31));
    w.UpDown1->UpButton()->click();
    w.UpDown2->UpButton()->click();
    EXPECT_EQ(w.ShownYear(), 2050);
    EXPECT_EQ(w.ShownMonth(), 12);
    EXPECT_EQ(w.UpDown1->Position(), 2050);
    EXPECT_EQ(w.UpDown2->Position(), 12);
    EXPECT_EQ(w.Label17->text(), QStringLiteral("12"));

    w.ShowDate(EncodeDate(1901, 1, 1));
    w.UpDown1->DownButton()->click();
    w.UpDown2->DownButton()->click();
    EXPECT_EQ(w.ShownYear(), 1901);
    EXPECT_EQ(w.ShownMonth(), 1);
    // 1 January 1901 was a Tuesday and the 11th day of the eleventh month.
    EXPECT_EQ(w.DayLabel(3)->text(), QStringLiteral("1"));
    EXPECT_EQ(w.LunarLabel(3)->text(), QStringLiteral("元旦节"));
    EXPECT_EQ(w.LunarLabel(4)->text(), QStringLiteral("十二"));
}

TEST(DatePicker, TodayOutsideTheRangeShowsTheNearestMonth) {
    TFRM_Date w;
    w.ShowDate(EncodeDate(2051, 3, 15));
    EXPECT_EQ(w.ShownYear(), 2050);
    EXPECT_EQ(w.ShownMonth(), 12);
    EXPECT_EQ(w.SelectedDay(), 15);
    EXPECT_EQ(w.UpDown1->Position(), 2050);
    // 1 December 2050 is a Thursday.
    EXPECT_EQ(w.Shape2->pos(), (Drawn{w, 5}.HighlightOf(15)));
    EXPECT_FALSE(w.LunarLabel(Drawn{w, 5}.Cell(15))->text().isEmpty());

    w.ShowDate(EncodeDate(1899, 7, 4));
    EXPECT_EQ(w.ShownYear(), 1901);
    EXPECT_EQ(w.ShownMonth(), 1);
    EXPECT_EQ(w.SelectedDay(), 4);

    // "今天" shows today's month (inside the range while the range lasts).
    w.BtnToday->click();
    const DateParts today = DecodeDate(Today());
    EXPECT_EQ(w.ShownYear(), std::clamp(today.year, 1901, 2050));
    if (today.year >= 1901 && today.year <= 2050) {
        EXPECT_EQ(w.ShownMonth(), today.month);
        EXPECT_EQ(w.SelectedDay(), today.day);
    }
}

TEST(DatePicker, ClickingSelectsWithoutRedrawing) {
    TFRM_Date w;
    w.ShowDate(EncodeDate(2021, 2, 12));
    const Drawn m{w, 2};

    // Mouse down on a lunar label moves the highlight behind its cell; the
    // click selects the day; zodiac and star sign stay as drawn.
    Press(w.LunarLabel(m.Cell(20)), QEvent::MouseButtonPress);
    EXPECT_EQ(m.Highlight(), m.HighlightOf(20));
    EXPECT_EQ(w.SelectedDay(), 12);
    Press(w.LunarLabel(m.Cell(20)), QEvent::MouseButtonRelease);
    EXPECT_EQ(w.SelectedDay(), 20);
    EXPECT_EQ(w.Label22->text(), QStringLiteral("水瓶座"));

    Click(w.DayLabel(m.Cell(5)));
    EXPECT_EQ(m.Highlight(), m.HighlightOf(5));
    EXPECT_EQ(w.SelectedDay(), 5);
    EXPECT_EQ(w.Label21->text(), QStringLiteral("丑牛"));
    EXPECT_EQ(w.Label22->text(), QStringLiteral("水瓶座"));

    // The selection carries into the next drawing.
    w.UpDown2->Step(-1);
    EXPECT_EQ(w.Label21->text(), QStringLiteral("子鼠"));  // 5 January 2021
    EXPECT_EQ(w.Label22->text(), QStringLiteral("摩羯座"));

    // The year and month labels bring up their own stepper.
    Click(w.Label1);
    EXPECT_TRUE(w.UpDown1->isVisibleTo(&w));
    EXPECT_FALSE(w.UpDown2->isVisibleTo(&w));
    Click(w.Label17);
    EXPECT_TRUE(w.UpDown2->isVisibleTo(&w));
    EXPECT_FALSE(w.UpDown1->isVisibleTo(&w));
}

TEST(DatePicker, ClosesWhenAnotherWindowBecomesActive) {
    QWidget other;
    other.resize(200, 100);
    other.show();
    QApplication::processEvents();
    TFRM_Date w;
    w.show();
    QApplication::setActiveWindow(&w);
    QApplication::processEvents();
    ASSERT_TRUE(w.isActiveWindow());
    ASSERT_TRUE(w.isVisible());
    QApplication::setActiveWindow(&other);
    QApplication::processEvents();
    EXPECT_FALSE(w.isVisible());
}

TEST(DatePicker, ToolsPageKeepsOnePickerAndOpensOnToday) {
    TFrmIndex window;
    window.show();
    auto* open = window.findChild<QAbstractButton*>(QStringLiteral("RzToolButton36"));
    ASSERT_NE(open, nullptr);
    for (int round = 0; round < 2; ++round) {
        QPointer<TFRM_Date> seen;
        QTimer::singleShot(0, [&] {
            for (QWidget* top : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<TFRM_Date*>(top); d && d->isVisible())
                    seen = d;
            if (seen) {
                const DateParts today = DecodeDate(Today());
                EXPECT_EQ(seen->ShownYear(), std::clamp(today.year, 1901, 2050));
                EXPECT_TRUE(seen->isModal());
                seen->close();
            }
        });
        open->click();
        ASSERT_TRUE(seen) << round;
        EXPECT_EQ(window.findChildren<TFRM_Date*>().size(), 1) << round;
    }
}
