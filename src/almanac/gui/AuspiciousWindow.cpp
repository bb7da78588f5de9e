#include "almanac/gui/AuspiciousWindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDateEdit>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/Chrome.h"
#include "app/CommandGuard.h"
#include "app/PageWidgets.h"
#include "app/ShowInfo.h"
#include "bazi/Chart.h"
#include "calendar/LunarCalendar.h"
#include "data/Database.h"
#include "naming/Export.h"
#include "naming/gui/ResultActions.h"

namespace quillora::gui {

namespace {

constexpr int kCaptionWidth = 70;
const std::vector<int> kColumnWidths = {84, 290, 150, 44, 120, 90};
// The column that names the person's clash.
constexpr int kPersonColumn = 5;

QDateEdit* MakeDateBox(QWidget* parent, const QString& name, const QDate& date) {
    auto* box = new QDateEdit(date, parent);
    box->setObjectName(name);
    box->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    box->setCalendarPopup(true);
    // The almanac's years.
    box->setDateRange(QDate(1901, 1, 1), QDate(2100, 12, 31));
    box->setFixedSize(110, 22);
    return box;
}

// "法人张三，年柱乙丑，属牛" for the person whose chart the entries give.
QString PersonLine(const BirthEntries& person, const FourPillarsChart& chart) {
    const auto b = static_cast<std::size_t>(chart.yearPillar.branch);
    QString line = QStringLiteral("法人");
    const std::string name = person.name + person.givenName;
    if (!name.empty())
        line += QString::fromStdString(name);
    return line + QStringLiteral("，年柱%1，属%2")
                      .arg(QString::fromStdString(chart.yearPillar.Text()))
                      .arg(QString::fromUtf8(AnimalNames[b].data(),
                                             static_cast<int>(AnimalNames[b].size())));
}

}  // namespace

AuspiciousWindow::AuspiciousWindow(const BirthEntries& person, QWidget* parent)
    : QDialog(parent), almanac_(DbConnectionString(kSomnetteFile), kDefaultTimeout) {
    setObjectName(QStringLiteral("AuspiciousWindow"));
    setWindowTitle(QStringLiteral("择吉日"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setFont(ProgramFont());
    UseDialogColours(this);
    resize(860, 560);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);

    QFrame* panel = MakePanel(this, QStringLiteral("PanelAuspicious"));
    auto* rows = new QGridLayout(panel);
    rows->setContentsMargins(6, 5, 6, 5);
    rows->setHorizontalSpacing(6);
    rows->setVerticalSpacing(5);

    // Row 1: the activity and what it means.
    auto* activityRow = new QHBoxLayout;
    activityRow->setSpacing(8);
    CBActivity = new QComboBox(panel);
    CBActivity->setObjectName(QStringLiteral("CBActivity"));
    for (const AuspiciousActivity& a : AuspiciousActivities())
        CBActivity->addItem(QString::fromUtf8(a.term), QString::fromUtf8(a.term));
    CBActivity->setFixedSize(90, 22);
    activityRow->addWidget(CBActivity);
    LabelMeaning = MakeHint(panel, QString());
    LabelMeaning->setObjectName(QStringLiteral("LabelMeaning"));
    activityRow->addWidget(LabelMeaning, 1);
    rows->addWidget(MakeCaption(panel, QStringLiteral("办理事项"), kCaptionWidth), 0, 0);
    rows->addLayout(activityRow, 0, 1);

    // Row 2: the range, three months from today to begin with.
    auto* rangeRow = new QHBoxLayout;
    rangeRow->setSpacing(6);
    const QDate today = QDate::currentDate();
    DateFrom = MakeDateBox(panel, QStringLiteral("DateFrom"), today);
    DateTo = MakeDateBox(panel, QStringLiteral("DateTo"), today.addMonths(3).addDays(-1));
    rangeRow->addWidget(DateFrom);
    rangeRow->addWidget(new QLabel(QStringLiteral("至"), panel));
    rangeRow->addWidget(DateTo);
    rangeRow->addWidget(MakeHint(panel, QStringLiteral("（最长一年）")));
    rangeRow->addStretch(1);
    rows->addWidget(MakeCaption(panel, QStringLiteral("日期范围"), kCaptionWidth), 1, 0);
    rows->addLayout(rangeRow, 1, 1);

    // Row 3: the legal person's zodiac clash.
    ChkPerson = new QCheckBox(panel);
    ChkPerson->setObjectName(QStringLiteral("ChkPerson"));
    const BirthReadResult read = ReadBirthRecord(person);
    const std::optional<FourPillarsChart> chart = read ? BuildChartOf(*read.record) : std::nullopt;
    if (chart) {
        personBranch_ = chart->yearPillar.branch;
        ChkPerson->setText(QStringLiteral("标出冲法人生肖的日子（") + PersonLine(person, *chart) +
                           QStringLiteral("）"));
        ChkPerson->setChecked(true);
    } else {
        ChkPerson->setText(
            QStringLiteral("标出冲法人生肖的日子（请先在起名或分析页填写法人生辰）"));
        ChkPerson->setEnabled(false);
    }
    rows->addWidget(MakeCaption(panel, QStringLiteral("企业法人"), kCaptionWidth), 2, 0);
    rows->addWidget(ChkPerson, 2, 1);

    auto* column = new QVBoxLayout;
    column->setSpacing(3);
    const QSize size(78, 22);
    BtnFind = MakeButton(panel, QStringLiteral("BtnFind"), QStringLiteral("查找吉日"), size);
    BtnExport = MakeButton(panel, QStringLiteral("BtnExport"), QStringLiteral("导出"), size);
    BtnClose = MakeButton(panel, QStringLiteral("BtnClose"), QStringLiteral("关闭"), size);
    BtnFind->setDefault(true);
    BtnExport->setToolTip(QStringLiteral("导出为Excel工作簿或CSV文件（按文件名后缀）"));
    for (QPushButton* b : {BtnFind, BtnExport, BtnClose})
        column->addWidget(b);
    rows->addLayout(column, 0, 2, 3, 1, Qt::AlignRight | Qt::AlignVCenter);
    rows->setColumnStretch(1, 1);
    layout->addWidget(panel);

    GridDays =
        MakeResultTable(this, QStringLiteral("GridDays"), AuspiciousHeaders(), kColumnWidths);
    layout->addWidget(GridDays, 1);
    LabelSummary = new QLabel(this);
    LabelSummary->setObjectName(QStringLiteral("LabelSummary"));
    LabelSummary->setText(
        QStringLiteral("按黄历：当日宜该事项、且不忌该事项（也非诸事不宜）的日子。"));
    layout->addWidget(LabelSummary);

    connect(CBActivity, &QComboBox::currentIndexChanged, this,
            CommandSlot(this, &AuspiciousWindow::CBActivityChange));
    connect(BtnFind, &QPushButton::clicked, this,
            CommandSlot(this, &AuspiciousWindow::BtnFindClick));
    connect(BtnExport, &QPushButton::clicked, this,
            CommandSlot(this, &AuspiciousWindow::BtnExportClick));
    connect(BtnClose, &QPushButton::clicked, this, &QWidget::close);
    CBActivityChange();
}

void AuspiciousWindow::CBActivityChange() {
    const int i = CBActivity->currentIndex();
    const auto& activities = AuspiciousActivities();
    LabelMeaning->setText(
        i >= 0 && i < static_cast<int>(activities.size())
            ? QString::fromUtf8(activities[static_cast<std::size_t>(i)].explanation)
            : QString());
}

void AuspiciousWindow::BtnFindClick() {
    const QString format = QStringLiteral("yyyy-MM-dd");
    const AuspiciousCheck check =
        CheckAuspiciousInput({CBActivity->currentData().toString().toStdString(),
                              DateFrom->date().toString(format).toStdString(),
                              DateTo->date().toString(format).toStdString()});
    if (!check.ok) {
        ShowInfo(QString::fromStdString(check.message));
        QWidget* boxes[] = {CBActivity, DateFrom, DateTo};
        boxes[static_cast<int>(check.box)]->setFocus();
        return;
    }
    shownBranch_ = ChkPerson->isChecked() ? personBranch_ : std::nullopt;
    days_ = FindAuspiciousDays(almanac_, check.activity, check.from, check.to, shownBranch_);

    GridDays->setRowCount(static_cast<int>(days_.size()));
    const std::vector<bool> numeric(AuspiciousHeaders().size(), false);
    const QColor red(176, 28, 28);
    for (std::size_t r = 0; r < days_.size(); ++r) {
        const int row = static_cast<int>(r);
        SetResultRow(GridDays, row, AuspiciousCells(days_[r], shownBranch_), numeric, {1});
        for (int c = 0; c < GridDays->columnCount(); ++c) {
            QTableWidgetItem* item = GridDays->item(row, c);
            item->setForeground(days_[r].clashesPerson ? QBrush(red) : QBrush());
            QFont font = item->font();
            font.setBold(days_[r].clashesPerson && c == kPersonColumn);
            item->setFont(font);
        }
    }
    GridDays->scrollToTop();
    LabelSummary->setText(QString::fromStdString(AuspiciousSummary(check, days_, shownBranch_)));
}

void AuspiciousWindow::BtnExportClick() {
    ExportTable table;
    table.sheet = "择吉日";
    table.header = AuspiciousHeaders();
    table.widths = {12, 44, 22, 6, 16, 14};
    table.numeric.assign(table.header.size(), false);
    for (const AuspiciousDay& day : days_)
        table.rows.push_back(AuspiciousCells(day, shownBranch_));
    ExportTableFile(this, table, "择吉日.xlsx");
}

void ShowAuspiciousDays(const BirthEntries& person, QWidget* parent) {
    auto* w = new AuspiciousWindow(person, parent);
    w->setAttribute(Qt::WA_DeleteOnClose);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        w->move(PlacedTopLeft(screen->availableGeometry(), w->frameGeometry().size()));
    w->exec();
}

}  // namespace quillora::gui
