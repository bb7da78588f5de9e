#include "datepicker/DateWin.h"

#include <QEvent>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

#include "app/Chrome.h"
#include "app/CommandGuard.h"
#include "calendar/CnCalendar.h"
#include "datepicker/UpDown.h"

namespace quillora::gui {

namespace {

// Colours of the window.
const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kRed(255, 0, 0);
const QColor kMonthColour(128, 128, 192);
const QColor kTodayBack(206, 242, 208);
const QColor kYearBack(255, 232, 221);
const QColor kMonthBack(235, 235, 235);
const QColor kHighlight(126, 226, 129);
const QColor kZodiacColour(221, 221, 255);
const QColor kStarSignColour(255, 128, 255);
const QColor kRuleColour(160, 160, 160);

// Colours of the lunar label by kind.
const QColor kDayTextColour(0, 64, 0);
const QColor kMonthTextColour(255, 0, 0);
const QColor kFestivalColour(255, 128, 0);
const QColor kTermColour(83, 83, 255);

// The faces the window is drawn in, each followed by the installed faces
// that stand in for it where it is missing.
const QStringList kArialBlack = {"Arial Black", "DejaVu Sans", "Noto Sans CJK SC"};
const QStringList kArial = {"Arial", "Liberation Sans", "DejaVu Sans", "Noto Sans CJK SC"};
const QStringList kLishu = {"隶书", "LiSu", "Noto Serif CJK SC", "Noto Sans CJK SC"};
const QStringList kHei = {"黑体", "SimHei", "Noto Sans CJK SC"};

QFont Face(const QStringList& families, int pixelSize, QFont::Weight weight = QFont::Normal) {
    QFont f;
    f.setFamilies(families);
    f.setPixelSize(pixelSize);
    f.setWeight(weight);
    return f;
}

QFont Bold(QFont f, int pixelSize) {
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

// Points at the screen resolution the window is designed for (96 dpi).
int PointsToPixels(int points) {
    return (points * 96 + 36) / 72;
}

// Sets a label's text and, where a stand-in face is wider than the face the
// label was laid out for, narrows the face until the text fits its width.
void SetFittedText(QLabel* label, const QString& text) {
    QFont f = label->font();
    f.setStretch(QFont::Unstretched);
    const int advance = QFontMetrics(f).horizontalAdvance(text);
    if (advance > label->width())
        f.setStretch(std::max(50, 100 * label->width() / advance));
    label->setFont(f);
    label->setText(text);
}

void SetTextColour(QWidget* w, const QColor& colour) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, colour);
    w->setPalette(p);
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int left, int top, int width, int height,
                  const QFont& font, const QColor& colour,
                  Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(left, top, width, height);
    l->setFont(font);
    l->setAlignment(align);
    SetTextColour(l, colour);
    return l;
}

const char* const kWeekdays[7] = {"星期日", "星期一", "星期二", "星期三",
                                  "星期四", "星期五", "星期六"};

constexpr char kDayProperty[] = "quilloraDay";
constexpr char kLunarProperty[] = "quilloraLunar";

QColor LabelColour(DayLabelKind kind) {
    switch (kind) {
        case DayLabelKind::Day:
            return kDayTextColour;
        case DayLabelKind::Month:
            return kMonthTextColour;
        case DayLabelKind::SolarFestival:
        case DayLabelKind::LunarFestival:
            return kFestivalColour;
        case DayLabelKind::Term:
            return kTermColour;
    }
    return kDayTextColour;
}

int DayOf(const QObject* label) {
    return label->property(kDayProperty).toInt();
}

}  // namespace

TFRM_Date::TFRM_Date(QWidget* parent) : QDialog(parent) {
    setObjectName("FRM_Date");
    setWindowTitle("万年历");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint);
    setFixedSize(331, 285);
    setFont(ProgramFont());
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setAutoFillBackground(true);

    BuildFixedElements();
    BuildCells();
    // The labels in front of the grid: the zodiac and the star sign.
    Label21->raise();
    Label22->raise();
    ShowToday();
}

void TFRM_Date::BuildFixedElements() {
    // Behind everything: the year and month in large pale figures, and the
    // highlight of the selected day.
    Label20 = MakeLabel(this, QString(), 0, 56, 313, 72, Face(kArialBlack, 64, QFont::Black),
                        kYearBack, Qt::AlignCenter);
    Label20->setObjectName("Label20");
    Label16 = MakeLabel(this, QString(), 16, 146, 313, 134, Face(kArialBlack, 120, QFont::Black),
                        kMonthBack, Qt::AlignCenter);
    Label16->setObjectName("Label16");
    Shape2 = new QWidget(this);
    Shape2->setObjectName("Shape2");
    Shape2->setGeometry(0, 0, 38, 30);
    Shape2->setAutoFillBackground(true);
    QPalette hp = Shape2->palette();
    hp.setColor(QPalette::Window, kHighlight);
    Shape2->setPalette(hp);

    Label1 = MakeLabel(this, QString(), 120, 0, 76, 41, Face(kArialBlack, 29, QFont::Black), kBlue,
                       Qt::AlignCenter);
    Label1->setObjectName("Label1");
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->setToolTip("单击改变年份");
    Label1->installEventFilter(this);
    auto* yearUnit = MakeLabel(this, "年", 205, 17, 16, 16, Bold(ProgramFont(), 14), kBlack);
    yearUnit->adjustSize();
    UpDown1 = new UpDown(this);
    UpDown1->setObjectName("UpDown1");
    UpDown1->setGeometry(221, 10, 16, 24);
    UpDown1->SetRange(kFirstYear, kLastYear);
    connect(UpDown1, &UpDown::Stepped, this, CommandSlot(this, &TFRM_Date::UpDown1Click));

    Label17 = MakeLabel(this, QString(), 10, 3, 36, 37, Face(kArial, 32, QFont::Bold), kMonthColour,
                        Qt::AlignRight | Qt::AlignVCenter);
    Label17->setObjectName("Label17");
    Label17->setCursor(Qt::PointingHandCursor);
    Label17->setToolTip("单击改变月份");
    Label17->installEventFilter(this);
    auto* monthUnit = MakeLabel(this, "月", 45, 17, 16, 16, Bold(ProgramFont(), 14), kBlack);
    monthUnit->adjustSize();
    UpDown2 = new UpDown(this);
    UpDown2->setObjectName("UpDown2");
    UpDown2->setGeometry(61, 10, 16, 24);
    UpDown2->SetRange(1, 12);
    connect(UpDown2, &UpDown::Stepped, this, CommandSlot(this, &TFRM_Date::UpDown2Click));

    BtnToday = new QPushButton("今天", this);
    BtnToday->setObjectName("BtnToday");
    BtnToday->setGeometry(272, 17, 28, 16);
    BtnToday->setCursor(Qt::PointingHandCursor);
    BtnToday->setFocusPolicy(Qt::NoFocus);
    BtnToday->setStyleSheet(
        QString("QPushButton { background: %1; border: 1px solid #6f9f72; padding: 0; }"
                "QPushButton:pressed { background: #a9dcac; }")
            .arg(kTodayBack.name()));
    connect(BtnToday, &QPushButton::clicked, this, CommandSlot(this, &TFRM_Date::ShowToday));

    // The weekday names above and below the grid; the rules run behind them.
    for (int k = 0; k < 7; ++k) {
        const QColor colour = (k == 0 || k == 6) ? kRed : kBlack;
        for (const int top : {40, 253}) {
            QLabel* l = MakeLabel(this, kWeekdays[k], (top == 40 ? 19 : 20) + 40 * k, top, 36, 12,
                                  font(), colour, Qt::AlignCenter);
            l->setAutoFillBackground(true);
        }
    }

    Label21 =
        MakeLabel(this, QString(), 230, 212, 78, 35, Face(kLishu, 35, QFont::Bold), kZodiacColour);
    Label21->setObjectName("Label21");
    Label22 =
        MakeLabel(this, QString(), 152, 223, 69, 23, Face(kHei, 19, QFont::Bold), kStarSignColour);
    Label22->setObjectName("Label22");
}

void TFRM_Date::BuildCells() {
    const QFont dayFont = Face(kArialBlack, PointsToPixels(11), QFont::Black);
    for (int i = 0; i < kCellCount; ++i) {
        const int row = i / 7;
        const int column = i % 7;
        QLabel* day = MakeLabel(this, QString(), 14 + 42 * column, 56 + 32 * row, 36, 16, dayFont,
                                kBlack, Qt::AlignCenter);
        day->setObjectName(QString("DayLabel%1").arg(i + 1));
        QLabel* lunar = MakeLabel(this, QString(), 13 + 42 * column, 73 + 32 * row, 36, 12, font(),
                                  kBlack, Qt::AlignCenter);
        lunar->setObjectName(QString("LunarLabel%1").arg(i + 1));
        lunar->setProperty(kLunarProperty, true);
        for (QLabel* l : {day, lunar}) {
            l->setCursor(Qt::PointingHandCursor);
            l->installEventFilter(this);
            l->hide();
        }
        dayLabels_[i] = day;
        lunarLabels_[i] = lunar;
    }
}

void TFRM_Date::ShowDate(DateValue date) {
    DateParts p = DecodeDate(date);
    // Outside the range the calendar covers, the nearest month inside it.
    if (p.year < kFirstYear) {
        p.year = kFirstYear;
        p.month = 1;
    } else if (p.year > kLastYear) {
        p.year = kLastYear;
        p.month = 12;
    }
    shownYear_ = p.year;
    shownMonth_ = p.month;
    selectedDay_ = p.day;
    UpDown1->SetPosition(shownYear_);
    UpDown2->SetPosition(shownMonth_);
    DrawShownMonth();
}

void TFRM_Date::ShowToday() {
    ShowDate(Today());
}

void TFRM_Date::DrawShownMonth() {
    const int day = std::min(selectedDay_, DaysInMonth(shownYear_, shownMonth_));
    DrawMonth(EncodeDate(shownYear_, shownMonth_, day));
}

void TFRM_Date::DrawMonth(DateValue x) {
    const DateParts p = DecodeDate(x);
    SetFittedText(Label1, QString::number(p.year));
    Label20->setText(QString::number(p.year));
    SetFittedText(Label17, QString::number(p.month));
    Label16->setText(QString::number(p.month));
    Label21->setText(QString::fromStdString(CnZodiac(x)));

    for (int i = 0; i < kCellCount; ++i) {
        dayLabels_[i]->hide();
        lunarLabels_[i]->hide();
        SetTextColour(dayLabels_[i], kBlack);
        SetTextColour(lunarLabels_[i], kBlack);
    }

    // Day d goes into cell first + d - 1, so that day 1 stands under its
    // weekday in the first row.
    const int first = DayOfWeek(EncodeDate(p.year, p.month, 1));
    for (const PickerDayLabel& label : PickerMonthLabels(p.year, p.month)) {
        const int d = label.day;
        QLabel* dayLabel = dayLabels_[first + d - 2];
        QLabel* lunarLabel = lunarLabels_[first + d - 2];
        dayLabel->setText(QString::number(d));
        dayLabel->setProperty(kDayProperty, d);
        lunarLabel->setProperty(kDayProperty, d);
        // The label that wins by the override order (lunar festival, solar
        // term, Gregorian festival, lunar month, lunar day) in its colour.
        lunarLabel->setText(QString::fromStdString(label.text));
        SetTextColour(lunarLabel, LabelColour(label.kind));
        if (d == p.day) {
            Shape2->move(dayLabel->x() - 1, dayLabel->y() + 1);
            Label22->setText(QString::fromStdString(StarSignOfDay(d, x)));
        }
        dayLabel->show();
        lunarLabel->show();
    }
}

void TFRM_Date::Label1Click() {
    UpDown1->show();
    UpDown2->hide();
}

void TFRM_Date::Label17Click() {
    UpDown2->show();
    UpDown1->hide();
}

void TFRM_Date::UpDown1Click(int position) {
    shownYear_ = position;
    DrawShownMonth();
}

void TFRM_Date::UpDown2Click(int position) {
    shownMonth_ = position;
    DrawShownMonth();
}

void TFRM_Date::DayLabelMouseDown(QLabel* label) {
    Shape2->move(label->x() - 1, label->y() + 1);
}

void TFRM_Date::LunarLabelMouseDown(QLabel* label) {
    Shape2->move(label->x(), label->y() - 16);
}

void TFRM_Date::CellClick(QLabel* label) {
    selectedDay_ = DayOf(label);
}

bool TFRM_Date::eventFilter(QObject* watched, QEvent* event) {
    auto* label = qobject_cast<QLabel*>(watched);
    if (label == nullptr)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::MouseButtonPress) {
        if (label != Label1 && label != Label17) {
            RunCommand([&] {
                if (label->property(kLunarProperty).toBool()) {
                    LunarLabelMouseDown(label);
                } else {
                    DayLabelMouseDown(label);
                }
            });
        }
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        // A click: the button is released over the label it went down on.
        const auto* me = static_cast<QMouseEvent*>(event);
        if (!label->rect().contains(me->position().toPoint()))
            return true;
        RunCommand([&] {
            if (label == Label1) {
                Label1Click();
            } else if (label == Label17) {
                Label17Click();
            } else {
                CellClick(label);
            }
        });
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFRM_Date::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (event->spontaneous())
        return;
    // Every showing opens on today's month, centred on the desktop.
    if (const QScreen* screen = this->screen())
        move(PlacedTopLeft(screen->availableGeometry(), size()));
    RunCommand([this] { ShowToday(); });
}

void TFRM_Date::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange)
        return;
    // Another window became active: the picker closes.
    if (isActiveWindow()) {
        wasActive_ = true;
    } else if (wasActive_ && isVisible()) {
        close();
    }
}

void TFRM_Date::paintEvent(QPaintEvent* event) {
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setPen(kRuleColour);
    painter.drawLine(9, 46, 9 + 297, 46);
    painter.drawLine(9, 240, 9 + 297, 240);
    painter.setPen(QColor(128, 128, 128));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace quillora::gui
