#include "naming/GenerationPage.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextCursor>
#include <QVBoxLayout>
#include <algorithm>

#include "app/BirthInputGroup.h"
#include "app/MemoFile.h"
#include "app/Pages.h"
#include "app/ShowInfo.h"
#include "app/UntIndex.h"
#include "common/Text.h"
#include "naming/Export.h"
#include "naming/NameMain.h"
#include "naming/Shortlist.h"

namespace quillora::gui {

namespace {

UrlOpener& Opener() {
    static UrlOpener opener;
    return opener;
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
std::string S(const QString& text) {
    return text.toStdString();
}

// A caption at the left of a row, drawn as a small sunken panel like the
// analysis page's.
QLabel* MakeCaption(QWidget* parent, const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedSize(84, 22);
    return label;
}

QLabel* MakeHint(QWidget* parent, const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setStyleSheet(QStringLiteral("color: #7a1f1f;"));
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, int maxBytes, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setValidator(new GbkByteLimitValidator(maxBytes, edit));
    edit->setFixedSize(width, 22);
    return edit;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption, QSize size) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedSize(size);
    return button;
}

QAction* MakeAction(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// While a run reads and shows its candidates "马上起名" is disabled and the
// cursor shows that the program is busy; both come back however the run ends, also when
// the statement fails and the error travels on to the error report.
class RunGuard {
  public:
    explicit RunGuard(QPushButton* button) : button_(button) {
        button_->setEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~RunGuard() {
        QApplication::restoreOverrideCursor();
        button_->setEnabled(true);
    }
    RunGuard(const RunGuard&) = delete;
    RunGuard& operator=(const RunGuard&) = delete;

  private:
    QPushButton* button_;
};

// Keeps the shortlist box over the right part of the grid when the grid
// changes its size.
class FloatOverRight : public QObject {
  public:
    FloatOverRight(QWidget* grid, QWidget* box) : QObject(box), grid_(grid), box_(box) {
        grid->installEventFilter(this);
        Place();
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == grid_ && (event->type() == QEvent::Resize || event->type() == QEvent::Show))
            Place();
        return false;
    }

  private:
    void Place() {
        const int width = 246;
        const int height = std::min(268, std::max(160, grid_->height() - 30));
        box_->setGeometry(grid_->width() - width - 22, 24, width, height);
    }
    QWidget* grid_;
    QWidget* box_;
};

}  // namespace

void SetUrlOpener(UrlOpener opener) {
    Opener() = std::move(opener);
}

GenerationPage::GenerationPage(TFrmIndex& window, QWidget* page) : QObject(page), window_(window) {
    setObjectName(QStringLiteral("GenerationPage"));

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(6);

    auto* panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("RzPanel3"));
    panel->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 5, 6, 5);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(5);

    // Row 1: the legal person.
    group = new BirthInputGroup(BirthInputGroup::Options{}, panel);
    group->Xing->setFixedWidth(76);
    group->CBsex->setFixedWidth(46);
    group->ComDate->setFixedWidth(58);
    group->SYear->setFixedWidth(58);
    group->SMonth->setFixedWidth(42);
    group->Sday->setFixedWidth(42);
    group->Shour->setFixedWidth(64);
    group->CBFen->setFixedWidth(42);
    grid->addWidget(MakeCaption(panel, "企业法人"), 0, 0);
    grid->addWidget(group, 0, 1);

    // Row 2: fixed characters, one character each, and the name length.
    auto* fixedRow = new QHBoxLayout;
    fixedRow->setSpacing(4);
    Namezhi1 = MakeEdit(panel, "Namezhi1", 2, 36);
    Namezhi2 = MakeEdit(panel, "Namezhi2", 2, 36);
    Namezhi3 = MakeEdit(panel, "Namezhi3", 2, 36);
    Namezhi4 = MakeEdit(panel, "Namezhi4", 2, 36);
    for (QLineEdit* e : {Namezhi1, Namezhi2, Namezhi3, Namezhi4}) {
        e->setAlignment(Qt::AlignCenter);
        fixedRow->addWidget(e);
    }
    CBZS = new QComboBox(panel);
    CBZS->setObjectName(QStringLiteral("CBZS"));
    for (const char* item : NameLengthItems)
        CBZS->addItem(QString::fromUtf8(item));
    CBZS->setFixedSize(74, 22);
    fixedRow->addSpacing(4);
    fixedRow->addWidget(CBZS);
    fixedRow->addSpacing(4);
    fixedRow->addWidget(MakeHint(panel, "需固定字说明：如主体名【九万】可以固定为【九】或【万】"));
    fixedRow->addStretch(1);
    grid->addWidget(MakeCaption(panel, "字词限定"), 1, 0);
    grid->addLayout(fixedRow, 1, 1);

    // Row 3: the suffix.
    auto* suffixRow = new QHBoxLayout;
    suffixRow->setSpacing(8);
    NameEnd = MakeEdit(panel, "NameEnd", 100, 102);
    suffixRow->addWidget(NameEnd);
    suffixRow->addWidget(
        MakeHint(panel, "商标品牌行业名称：如珠宝、化妆品、电器等 品牌商标也可以不带后缀。"));
    suffixRow->addStretch(1);
    grid->addWidget(MakeCaption(panel, "品牌商标后缀"), 2, 0);
    grid->addLayout(suffixRow, 2, 1);

    // The prefix belongs to every brand name but stands outside the visible
    // area: nothing on the page fills it.
    NameBegin = MakeEdit(panel, "NameBegin", 100, 102);
    NameBegin->setVisible(false);

    // The command column.
    auto* column = new QVBoxLayout;
    column->setSpacing(3);
    column->setContentsMargins(0, 0, 0, 0);
    const QSize buttonSize(78, 21);
    RzBitBtn5 = MakeButton(panel, "RzBitBtn5", "马上起名", buttonSize);
    RzBitBtn2 = MakeButton(panel, "RzBitBtn2", "继续显示", buttonSize);
    RzBitBtn4 = MakeButton(panel, "RzBitBtn4", "查看详细", buttonSize);
    BtnExcel = MakeButton(panel, "BtnExcel", "导出EXCEL", buttonSize);
    RzBitBtn5->setDefault(true);
    RzBitBtn2->setEnabled(false);
    for (QPushButton* b : {RzBitBtn5, RzBitBtn2, RzBitBtn4, BtnExcel})
        column->addWidget(b);
    grid->addLayout(column, 0, 2, 3, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->setColumnStretch(1, 1);
    layout->addWidget(panel);

    // The results grid: a header row and 200 candidate rows, no fixed column.
    RzStringGrid1 = new QTableWidget(kCandidateRows, kGridColumns, page);
    RzStringGrid1->setObjectName(QStringLiteral("RzStringGrid1"));
    RzStringGrid1->verticalHeader()->setVisible(false);
    RzStringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    RzStringGrid1->verticalHeader()->setMinimumSectionSize(kGridRowHeight);
    RzStringGrid1->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    RzStringGrid1->horizontalHeader()->setFixedHeight(kGridRowHeight + 4);
    RzStringGrid1->horizontalHeader()->setHighlightSections(false);
    RzStringGrid1->horizontalHeader()->setSectionsClickable(true);
    for (int c = 0; c < kGridColumns; ++c) {
        RzStringGrid1->setColumnWidth(c, kResultColumns[c].width);
        RzStringGrid1->setHorizontalHeaderItem(c, new QTableWidgetItem);
    }
    RzStringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    RzStringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    RzStringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    RzStringGrid1->setAlternatingRowColors(true);
    RzStringGrid1->setWordWrap(false);
    RzStringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    RzStringGrid1->setStyleSheet(QStringLiteral(
        "QTableWidget { gridline-color: #e4d6c3; alternate-background-color: #fbf6ee; "
        "selection-background-color: #9c1c1c; selection-color: white; }"
        "QHeaderView::section { background: #f3e6d3; color: #5a1414; border: none; "
        "border-right: 1px solid #e0cdb4; border-bottom: 1px solid #d8c0a0; padding: 0 2px; }"));
    layout->addWidget(RzStringGrid1, 1);
    RenderGrid();

    PopupMenu1 = new QMenu(RzStringGrid1);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    N7 = MakeAction(PopupMenu1, "N7", "查看详细分析");
    PopupMenu1->addSeparator();
    N1 = MakeAction(PopupMenu1, "N1", "添加到已选名字");
    N9 = MakeAction(PopupMenu1, "N9", "查看已选名字");
    SAC = MakeAction(PopupMenu1, "SAC", "保存已选名字");
    N2 = MakeAction(PopupMenu1, "N2", "清空已选名字");
    PopupMenu1->addSeparator();
    N4 = MakeAction(PopupMenu1, "N4", "百度查看是否有重名");
    PopupMenu1->addSeparator();
    EXCEL1 = MakeAction(PopupMenu1, "EXCEL1", "EXCEL方式导出");
    N6 = MakeAction(PopupMenu1, "N6", "文本方式导出");

    // The shortlist box floats over the right part of the grid, hidden at start.
    RzGroupBox10 = new QGroupBox(QStringLiteral("已选名字(退出请点关闭)"), RzStringGrid1);
    RzGroupBox10->setObjectName(QStringLiteral("RzGroupBox10"));
    RzGroupBox10->setAutoFillBackground(true);
    RzGroupBox10->setStyleSheet(QStringLiteral(
        "QGroupBox#RzGroupBox10 { background: #fffaf2; border: 1px solid #b88a5a; "
        "border-radius: 3px; margin-top: 10px; font-weight: bold; color: #7a1f1f; }"
        "QGroupBox#RzGroupBox10::title { subcontrol-origin: margin; left: 8px; padding: 0 3px; }"));
    auto* boxLayout = new QVBoxLayout(RzGroupBox10);
    boxLayout->setContentsMargins(6, 14, 6, 6);
    boxLayout->setSpacing(5);
    MemoDaixuan = new QPlainTextEdit(RzGroupBox10);
    MemoDaixuan->setObjectName(QStringLiteral("MemoDaixuan"));
    MemoDaixuan->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoDaixuan->setStyleSheet(QStringLiteral("font-weight: normal; color: black;"));
    boxLayout->addWidget(MemoDaixuan, 1);
    auto* boxButtons = new QHBoxLayout;
    boxButtons->setSpacing(4);
    const QSize small(52, 22);
    BtnCopy = MakeButton(RzGroupBox10, "BtnCopy", "复制", small);
    BtnSave = MakeButton(RzGroupBox10, "BtnSave", "保存", small);
    BtnClear = MakeButton(RzGroupBox10, "BtnClear", "清空", small);
    BtnClose = MakeButton(RzGroupBox10, "BtnClose", "关闭", small);
    for (QPushButton* b : {BtnCopy, BtnSave, BtnClear, BtnClose}) {
        b->setStyleSheet(QStringLiteral("font-weight: normal;"));
        boxButtons->addWidget(b);
    }
    boxLayout->addLayout(boxButtons);
    RzGroupBox10->hide();
    new FloatOverRight(RzStringGrid1, RzGroupBox10);

    connect(RzBitBtn5, &QPushButton::clicked, this, &GenerationPage::RzBitBtn5Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &GenerationPage::RzBitBtn2Click);
    connect(RzBitBtn4, &QPushButton::clicked, this, &GenerationPage::RzBitBtn4Click);
    connect(BtnExcel, &QPushButton::clicked, this, &GenerationPage::ExportExcel);
    connect(CBZS, &QComboBox::currentIndexChanged, this, &GenerationPage::CBZSChange);
    connect(RzStringGrid1, &QTableWidget::cellDoubleClicked, this,
            [this](int, int) { RzBitBtn4Click(); });
    connect(RzStringGrid1, &QWidget::customContextMenuRequested, this,
            &GenerationPage::ShowGridMenu);
    connect(RzStringGrid1->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &GenerationPage::SortByColumn);
    connect(N7, &QAction::triggered, this, &GenerationPage::RzBitBtn4Click);
    connect(N1, &QAction::triggered, this, &GenerationPage::AddToShortlist);
    connect(N9, &QAction::triggered, this, &GenerationPage::ShowShortlist);
    connect(SAC, &QAction::triggered, this, &GenerationPage::SaveShortlistFile);
    connect(N2, &QAction::triggered, this, &GenerationPage::ClearShortlist);
    connect(N4, &QAction::triggered, this, &GenerationPage::SearchWeb);
    connect(EXCEL1, &QAction::triggered, this, &GenerationPage::ExportExcel);
    connect(N6, &QAction::triggered, this, &GenerationPage::ExportText);
    connect(BtnCopy, &QPushButton::clicked, this, &GenerationPage::CopyShortlist);
    connect(BtnSave, &QPushButton::clicked, this, &GenerationPage::SaveShortlistFile);
    connect(BtnClear, &QPushButton::clicked, this, &GenerationPage::ClearShortlist);
    connect(BtnClose, &QPushButton::clicked, this, &GenerationPage::CloseShortlist);

    CBZSChange();
    // The header row is written when the main window is shown.
    window_.AddShowStep([this] { WriteGridHeader(); });
}

GenerationRequest GenerationPage::Request() const {
    GenerationRequest r;
    r.person = group->Entries();
    r.lengthIndex = std::max(0, CBZS->currentIndex());
    r.fixed = {S(Namezhi1->text()), S(Namezhi2->text()), S(Namezhi3->text()), S(Namezhi4->text())};
    r.suffix = S(NameEnd->text());
    r.prefix = S(NameBegin->text());
    return r;
}

void GenerationPage::CBZSChange() {
    const int item = CBZS->currentIndex();
    Namezhi3->setEnabled(item >= 1);
    Namezhi4->setEnabled(item >= 2);
}

void GenerationPage::RzBitBtn5Click() {
    const GenerationRequest request = Request();
    const PreparedGeneration prepared =
        PrepareGeneration(request, state_, window_.ADOTem,
                          [this](const std::string& year) { window_.lunarYearText = year; });
    if (prepared.stop == GenerationStop::BirthCheck) {
        ShowInfo(Q(prepared.issue.message));
        group->FocusOn(prepared.issue.focus);
        return;
    }
    if (prepared.stop == GenerationStop::FixedCharacters) {
        ShowInfoCaption(QString::fromUtf8(kNoticeCaption), Q(prepared.notice));
        return;
    }

    RunGuard guard(RzBitBtn5);
    const bool more = OpenGeneration(prepared, window_.ADOComDS, state_);
    RzBitBtn2->setEnabled(more);
    RzBitBtn2Click();
    if (window_.ADOComDS.RecordCount() == 0)
        ShowInfo(Q(EmptyGridReason(request, state_, window_.ADOTem)));
}

void GenerationPage::RzBitBtn2Click() {
    if (!window_.ADOComDS.IsOpen())
        return;
    if (!ShowCandidates(window_.ADOComDS, state_, Trim(S(NameBegin->text())),
                        Trim(S(NameEnd->text())), grid_))
        RzBitBtn2->setEnabled(false);
    sortColumn_ = -1;
    RzStringGrid1->horizontalHeader()->setSortIndicatorShown(false);
    RenderGrid();
    RzStringGrid1->scrollToTop();
}

void GenerationPage::WriteGridHeader() {
    grid_.WriteHeader();
    for (int c = 0; c < kGridColumns; ++c) {
        RzStringGrid1->horizontalHeaderItem(c)->setText(Q(grid_.Cell(0, c)));
    }
}

void GenerationPage::RenderGrid() {
    for (int r = 1; r <= kCandidateRows; ++r) {
        for (int c = 0; c < kGridColumns; ++c) {
            QTableWidgetItem* item = RzStringGrid1->item(r - 1, c);
            if (item == nullptr) {
                item = new QTableWidgetItem;
                item->setTextAlignment(kResultColumns[c].numeric
                                           ? Qt::Alignment(Qt::AlignCenter)
                                           : Qt::AlignLeft | Qt::AlignVCenter);
                RzStringGrid1->setItem(r - 1, c, item);
            }
            item->setText(Q(grid_.Cell(r, c)));
        }
    }
}

void GenerationPage::SortByColumn(int column) {
    if (column < 0 || column >= kGridColumns)
        return;
    sortAscending_ = column == sortColumn_ ? !sortAscending_ : true;
    sortColumn_ = column;
    grid_.SortShownRows(column, sortAscending_);
    QHeaderView* header = RzStringGrid1->horizontalHeader();
    header->setSortIndicatorShown(true);
    header->setSortIndicator(column, sortAscending_ ? Qt::AscendingOrder : Qt::DescendingOrder);
    RenderGrid();
}

std::string GenerationPage::CurrentCell(int column) const {
    const int row = RzStringGrid1->currentRow();
    if (row < 0 || row >= kCandidateRows)
        return {};
    return Trim(grid_.Cell(row + 1, column));
}

void GenerationPage::RzBitBtn4Click() {
    const std::string mainName = CurrentCell(kColMainName);
    if (mainName.empty())
        return;
    ShowNameAnalysis(
        group->Xing->text().trimmed(), group->CBsex->currentText(), group->SYear->currentText(),
        group->SMonth->currentText(), group->Sday->currentText(), group->Shour->currentText(),
        group->CBFen->currentText(), Q(Trim(S(NameBegin->text()))), Q(mainName),
        Q(Trim(S(NameEnd->text()))), group->ComDate->currentIndex(), RzStringGrid1->window());
}

void GenerationPage::ShowGridMenu(const QPoint& pos) {
    const QModelIndex index = RzStringGrid1->indexAt(pos);
    if (index.isValid())
        RzStringGrid1->setCurrentCell(index.row(), index.column());
    PopupMenu1->popup(RzStringGrid1->viewport()->mapToGlobal(pos));
}

void GenerationPage::AddToShortlist() {
    const std::string name = CurrentCell(kColBrandName);
    if (name.empty())
        return;
    const std::string before = S(MemoDaixuan->toPlainText());
    const std::string after = ShortlistAdd(before, name);
    if (after != before) {
        MemoDaixuan->setPlainText(Q(after));
        MemoDaixuan->moveCursor(QTextCursor::End);
    }
}

void GenerationPage::ShowShortlist() {
    RzGroupBox10->show();
    RzGroupBox10->raise();
}

void GenerationPage::CloseShortlist() {
    RzGroupBox10->hide();
}

void GenerationPage::CopyShortlist() {
    MemoDaixuan->selectAll();
    QApplication::clipboard()->setText(MemoDaixuan->toPlainText());
    ShowInfoCaption(QString::fromUtf8(kCopyCaption),
                    QStringLiteral("复制成功，可以粘贴到任何文本处！"));
}

void GenerationPage::ClearShortlist() {
    MemoDaixuan->clear();
    ShowInfoCaption(QString::fromUtf8(kNoticeCaption), QStringLiteral("清空成功！"));
}

void GenerationPage::SaveShortlistFile() {
    const std::string text = S(MemoDaixuan->toPlainText());
    if (Trim(text).empty())
        return;
    const QString proposal = Q(ShortlistProposal(S(group->Xing->text())));
    const QString chosen = ChooseSaveFile(RzStringGrid1->window(), QString::fromUtf8(kSaveTitle),
                                          proposal, QString::fromUtf8(kTextFileFilter));
    if (chosen.isEmpty())
        return;
    try {
        SaveShortlist(S(chosen), text);
    } catch (const FileWriteError& e) {
        ShowInfo(QString::fromUtf8(e.what()));
    }
}

void GenerationPage::SearchWeb() {
    const std::string name = CurrentCell(kColBrandName);
    if (name.empty())
        return;
    const QUrl url = QUrl::fromEncoded(QByteArray::fromStdString(WebSearchAddress(name)));
    if (Opener()) {
        Opener()(url);
    } else {
        QDesktopServices::openUrl(url);
    }
}

namespace {

// Asks where to export and appends the extension when the chosen name has
// none; "" when the user cancels.
std::string ChooseExportFile(QWidget* parent, const char* proposal, const char* filter,
                             const char* extension) {
    QString chosen = ChooseSaveFile(parent, QString::fromUtf8(kSaveTitle),
                                    QString::fromUtf8(proposal), QString::fromUtf8(filter));
    if (chosen.isEmpty())
        return {};
    if (!chosen.endsWith(QString::fromLatin1(extension), Qt::CaseInsensitive)) {
        chosen += QString::fromLatin1(extension);
    }
    return S(chosen);
}

}  // namespace

void GenerationPage::ExportExcel() {
    if (grid_.ShownRows() == 0)
        return;
    const std::string path = ChooseExportFile(RzStringGrid1->window(), "起名结果.xlsx",
                                              "Excel 工作簿 (*.xlsx)", ".xlsx");
    if (path.empty())
        return;
    try {
        ExportXlsx(path, GridExportTable(grid_));
    } catch (const FileWriteError& e) {
        ShowInfo(QString::fromUtf8(e.what()));
    }
}

void GenerationPage::ExportText() {
    if (grid_.ShownRows() == 0)
        return;
    const std::string path =
        ChooseExportFile(RzStringGrid1->window(), "起名结果.txt", kTextFileFilter, ".txt");
    if (path.empty())
        return;
    try {
        ExportTsv(path, GridExportTable(grid_));
    } catch (const FileWriteError& e) {
        ShowInfo(QString::fromUtf8(e.what()));
    }
}

GenerationPage* GenerationPageOf(QWidget* page) {
    return page->findChild<GenerationPage*>(QStringLiteral("GenerationPage"),
                                            Qt::FindDirectChildrenOnly);
}

void BuildGenerationPage(TFrmIndex& window, QWidget* page) {
    new GenerationPage(window, page);
}

}  // namespace quillora::gui
