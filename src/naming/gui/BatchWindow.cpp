#include "naming/gui/BatchWindow.h"

#include <QCloseEvent>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/BirthInputGroup.h"
#include "app/Chrome.h"
#include "app/CommandGuard.h"
#include "app/MemoFile.h"
#include "app/PageWidgets.h"
#include "app/ShowInfo.h"
#include "bazi/Chart.h"
#include "common/Text.h"
#include "common/TextFile.h"
#include "data/Database.h"
#include "naming/Registration.h"
#include "naming/ResultsGrid.h"
#include "naming/gui/NameMain.h"
#include "naming/gui/ResultActions.h"

namespace quillora::gui {

namespace {

// The window analyses names a few at a time until a turn's share of time is
// used, then answers its events (and shows the new rows) before it goes on.
constexpr std::size_t kNamesPerStep = 10;
constexpr qint64 kMillisecondsPerTurn = 30;

constexpr int kCaptionWidth = 78;

const char* const kNoNames = "请输入或打开要分析的名称，每行一个!";
const char* const kListHint =
    "每行一个名称，行业后缀放在Tab键之后（可从Excel两列复制粘贴），也可以打开文本文件。";

OpenFileChooser& Chooser() {
    static OpenFileChooser chooser;
    return chooser;
}

QString ChooseOpenFile(QWidget* parent, const QString& title, const QString& filter) {
    if (Chooser())
        return Chooser()(parent, title, filter);
    return QFileDialog::getOpenFileName(parent, title, QString(), filter);
}

// The pixel widths of the table's columns, in BatchColumn order.
const std::vector<int> kColumnWidths = {40, 120, 60, 76, 76, 58, 64, 100, 46, 240, 180, 110};

}  // namespace

void SetOpenFileChooser(OpenFileChooser chooser) {
    Chooser() = std::move(chooser);
}

BatchWindow::BatchWindow(const BirthEntries& person, QWidget* parent)
    : QDialog(parent),
      names_(DbConnectionString(kParvelloFile), kCharLookupTimeout),
      readings_(DbConnectionString(kSomnetteFile), kDefaultTimeout),
      table_(BatchTableHead()) {
    setObjectName(QStringLiteral("BatchWindow"));
    setWindowTitle(QStringLiteral("批量分析"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint);
    setFont(ProgramFont());
    UseDialogColours(this);
    resize(1120, 660);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->setSpacing(6);

    // The legal person and what the list box takes.
    QFrame* panel = MakePanel(this, QStringLiteral("PanelBatch"));
    auto* rows = new QGridLayout(panel);
    rows->setContentsMargins(6, 5, 6, 5);
    rows->setHorizontalSpacing(4);
    rows->setVerticalSpacing(5);
    BirthInputGroup::Options options;
    options.suffix = QStringLiteral("P");
    options.compact = true;
    group = new BirthInputGroup(options, panel);
    group->SetEntries(person);
    rows->addWidget(MakeCaption(panel, QStringLiteral("企业法人"), kCaptionWidth), 0, 0);
    rows->addWidget(group, 0, 1);
    rows->addWidget(MakeCaption(panel, QStringLiteral("名称列表"), kCaptionWidth), 1, 0);
    rows->addWidget(MakeHint(panel, QString::fromUtf8(kListHint)), 1, 1);
    rows->setColumnStretch(1, 1);
    layout->addWidget(panel);

    // The list at the left, the table beside it.
    auto* middle = new QHBoxLayout;
    middle->setSpacing(6);
    auto* listColumn = new QVBoxLayout;
    listColumn->setSpacing(4);
    MemoNames = new QPlainTextEdit(this);
    MemoNames->setObjectName(QStringLiteral("MemoNames"));
    MemoNames->setFixedWidth(180);
    MemoNames->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoNames->setPlaceholderText(QStringLiteral("例如：\n九万\t珠宝\n金玉满堂\t餐饮\n华瑞"));
    listColumn->addWidget(MemoNames, 1);
    BtnOpen =
        MakeButton(this, QStringLiteral("BtnOpen"), QStringLiteral("打开文件…"), QSize(180, 24));
    listColumn->addWidget(BtnOpen);
    middle->addLayout(listColumn);
    GridBatch = MakeResultTable(this, QStringLiteral("GridBatch"), table_.header, kColumnWidths);
    middle->addWidget(GridBatch, 1);
    layout->addLayout(middle, 1);

    // Progress, the counts, and the commands.
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(6);
    Progress = new QProgressBar(this);
    Progress->setObjectName(QStringLiteral("Progress"));
    Progress->setFixedWidth(180);
    Progress->setRange(0, 1);
    Progress->setValue(0);
    Progress->setFormat(QStringLiteral("%v / %m"));
    bottom->addWidget(Progress);
    LabelStatus = new QLabel(this);
    LabelStatus->setObjectName(QStringLiteral("LabelStatus"));
    bottom->addWidget(LabelStatus, 1);
    const QSize size(78, 24);
    BtnAnalyse = MakeButton(this, QStringLiteral("BtnAnalyse"), QStringLiteral("分析"), size);
    BtnExport = MakeButton(this, QStringLiteral("BtnExport"), QStringLiteral("导出"), size);
    BtnTrademark =
        MakeButton(this, QStringLiteral("BtnTrademark"), QStringLiteral("商标查询"), size);
    BtnClose = MakeButton(this, QStringLiteral("BtnClose"), QStringLiteral("关闭"), size);
    BtnAnalyse->setDefault(true);
    BtnExport->setToolTip(QStringLiteral("导出为Excel工作簿或CSV文件（按文件名后缀）"));
    BtnTrademark->setToolTip(
        QStringLiteral("在浏览器中打开国家知识产权局商标局的商标查询页，并复制所选名称"));
    for (QPushButton* b : {BtnAnalyse, BtnExport, BtnTrademark, BtnClose})
        bottom->addWidget(b);
    layout->addLayout(bottom);
    layout->addWidget(MakeHint(this, QString::fromUtf8(kRegistrationDisclaimer)));

    timer_ = new QTimer(this);
    timer_->setInterval(0);
    connect(timer_, &QTimer::timeout, this, &BatchWindow::NextPart);

    const std::pair<QPushButton*, void (BatchWindow::*)()> commands[] = {
        {BtnOpen, &BatchWindow::BtnOpenClick},
        {BtnAnalyse, &BatchWindow::BtnAnalyseClick},
        {BtnExport, &BatchWindow::BtnExportClick},
        {BtnTrademark, &BatchWindow::BtnTrademarkClick}};
    for (const auto& [button, command] : commands)
        connect(button, &QPushButton::clicked, this, CommandSlot(this, command));
    connect(BtnClose, &QPushButton::clicked, this, &QWidget::close);
    connect(GridBatch, &QTableWidget::cellDoubleClicked, this,
            CommandSlot(this, &BatchWindow::GridDoubleClick));
    connect(GridBatch->horizontalHeader(), &QHeaderView::sectionClicked, this,
            CommandSlot(this, &BatchWindow::SortByColumn));
    ShowCounts();
}

BatchWindow::~BatchWindow() = default;

void BatchWindow::BtnOpenClick() {
    const QString path = ChooseOpenFile(this, QStringLiteral("打开名称列表"),
                                        QStringLiteral("文本文件 (*.txt *.tsv);;所有文件 (*)"));
    if (path.isEmpty())
        return;
    std::string bytes;
    try {
        bytes = ReadFileBytes(path.toStdString());
    } catch (const std::runtime_error& e) {
        ShowInfo(QString::fromUtf8(e.what()));
        return;
    }
    // The box shows the list as it will be read: UTF-8, one name a line.
    QString text;
    for (const BatchName& name : ReadBatchNames(bytes)) {
        text += QString::fromStdString(name.mainName);
        if (!name.suffix.empty())
            text += QLatin1Char('\t') + QString::fromStdString(name.suffix);
        text += QLatin1Char('\n');
    }
    MemoNames->setPlainText(text);
}

void BatchWindow::BtnAnalyseClick() {
    if (Running()) {
        EndRun(QStringLiteral("已停止：分析了%1个名称，共%2个。")
                   .arg(table_.rows.size())
                   .arg(list_.size()));
        return;
    }
    const BirthReadResult read = ReadBirthRecord(group->Entries());
    if (!read) {
        ShowInfo(QString::fromStdString(read.issue.message));
        group->FocusOn(read.issue.focus);
        return;
    }
    const std::optional<FourPillarsChart> chart = BuildChartOf(*read.record);
    if (!chart) {
        ShowInfo(QString::fromUtf8(kChartDateMessage));
        return;
    }
    std::vector<BatchName> list = ReadBatchNames(MemoNames->toPlainText().toStdString());
    if (list.empty()) {
        ShowInfo(QString::fromUtf8(kNoNames));
        MemoNames->setFocus();
        return;
    }
    if (list.size() > static_cast<std::size_t>(kBatchWindowMaxNames)) {
        ShowInfo(QStringLiteral("一次最多分析%1个名称（列表中有%2个），请分批分析!")
                     .arg(kBatchWindowMaxNames)
                     .arg(list.size()));
        return;
    }

    list_ = list;
    table_ = BatchTableHead();
    analyser_ =
        std::make_unique<BatchAnalyser>(names_, readings_, ChartNeedsOf(*chart), std::move(list));
    GridBatch->setRowCount(0);
    sortColumn_ = -1;
    GridBatch->horizontalHeader()->setSortIndicatorShown(false);
    Progress->setRange(0, static_cast<int>(list_.size()));
    Progress->setValue(0);
    LabelStatus->setText(QStringLiteral("正在分析…"));
    BtnAnalyse->setText(QStringLiteral("停止"));
    for (QWidget* w : std::initializer_list<QWidget*>{BtnOpen, BtnExport, group})
        w->setEnabled(false);
    MemoNames->setReadOnly(true);
    timer_->start();
}

void BatchWindow::NextPart() {
    if (!analyser_) {
        timer_->stop();
        return;
    }
    const std::size_t from = table_.rows.size();
    bool more = true;
    // A database error ends the run; the rows analysed so far stay.
    const bool ran = RunCommand([&] {
        QElapsedTimer clock;
        clock.start();
        do {
            more = analyser_->Next(kNamesPerStep, table_.rows);
        } while (more && clock.elapsed() < kMillisecondsPerTurn);
    });
    AppendRows(from);
    Progress->setValue(static_cast<int>(table_.rows.size()));
    if (!ran) {
        EndRun(QStringLiteral("分析中断：已分析%1个名称。").arg(table_.rows.size()));
    } else if (!more) {
        EndRun({});
    }
}

void BatchWindow::EndRun(const QString& status) {
    timer_->stop();
    analyser_.reset();
    BtnAnalyse->setText(QStringLiteral("分析"));
    for (QWidget* w : std::initializer_list<QWidget*>{BtnOpen, BtnExport, group})
        w->setEnabled(true);
    MemoNames->setReadOnly(false);
    ShowCounts();
    if (!status.isEmpty())
        LabelStatus->setText(status + LabelStatus->text());
}

void BatchWindow::ShowCounts() {
    if (table_.rows.empty()) {
        LabelStatus->setText(QStringLiteral("双击一行可查看该名称的详细分析。"));
        return;
    }
    const auto warned = std::count_if(table_.rows.begin(), table_.rows.end(),
                                      [](const auto& r) { return !r[kBatchWarnings].empty(); });
    const auto refused = std::count_if(table_.rows.begin(), table_.rows.end(),
                                       [](const auto& r) { return r[kBatchMainGrid].empty(); });
    QString text = QStringLiteral("共%1个名称，%2个有注册提示").arg(table_.rows.size()).arg(warned);
    if (refused > 0)
        text += QStringLiteral("，%1个未通过名称检查").arg(refused);
    LabelStatus->setText(text + QStringLiteral("。双击一行可查看详细分析。"));
}

void BatchWindow::AppendRows(std::size_t from) {
    GridBatch->setRowCount(static_cast<int>(table_.rows.size()));
    for (std::size_t r = from; r < table_.rows.size(); ++r) {
        SetResultRow(GridBatch, static_cast<int>(r), table_.rows[r], table_.numeric,
                     {kBatchScore, kBatchVerse, kBatchWarnings});
    }
}

void BatchWindow::RenderRows() {
    AppendRows(0);
}

void BatchWindow::SortByColumn(int column) {
    if (Running() || column < 0 || column >= kBatchColumns)
        return;
    const bool scores = column == kBatchScore || column == kBatchAppeal;
    sortAscending_ = column == sortColumn_ ? !sortAscending_ : !scores;
    sortColumn_ = column;
    const bool numeric = table_.numeric[static_cast<std::size_t>(column)];
    const auto c = static_cast<std::size_t>(column);
    std::stable_sort(table_.rows.begin(), table_.rows.end(), [&](const auto& x, const auto& y) {
        return sortAscending_ ? CellBefore(x[c], y[c], numeric) : CellBefore(y[c], x[c], numeric);
    });
    QHeaderView* header = GridBatch->horizontalHeader();
    header->setSortIndicatorShown(true);
    header->setSortIndicator(column, sortAscending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
    RenderRows();
}

namespace {

// The list entry behind a row of the table (its 编号), or nullptr.
const BatchName* NameOfRow(const ExportTable& table, const std::vector<BatchName>& list, int row) {
    if (row < 0 || row >= static_cast<int>(table.rows.size()))
        return nullptr;
    const long long number =
        std::strtoll(table.rows[static_cast<std::size_t>(row)][kBatchNumber].c_str(), nullptr, 10);
    if (number < 1 || number > static_cast<long long>(list.size()))
        return nullptr;
    return &list[static_cast<std::size_t>(number - 1)];
}

}  // namespace

void BatchWindow::GridDoubleClick() {
    const BatchName* name = NameOfRow(table_, list_, GridBatch->currentRow());
    if (name == nullptr)
        return;
    ShowNameAnalysis(group->Entries(), TrimmedBrandName("", name->mainName, name->suffix), this);
}

void BatchWindow::BtnExportClick() {
    ExportTableFile(this, table_, "批量分析.xlsx");
}

void BatchWindow::BtnTrademarkClick() {
    const BatchName* name = NameOfRow(table_, list_, GridBatch->currentRow());
    OpenTrademarkSearch(GridBatch, name ? QString::fromStdString(Trim(name->mainName)) : QString());
}

void BatchWindow::closeEvent(QCloseEvent* event) {
    timer_->stop();
    analyser_.reset();
    QDialog::closeEvent(event);
}

void ShowBatchAnalysis(const BirthEntries& person, QWidget* parent) {
    auto* w = new BatchWindow(person, parent);
    w->setAttribute(Qt::WA_DeleteOnClose);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        w->move(PlacedTopLeft(screen->availableGeometry(), w->frameGeometry().size()));
    w->exec();
}

}  // namespace quillora::gui
