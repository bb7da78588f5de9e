#include "naming/gui/GenerationPage.h"

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
#include "app/CommandGuard.h"
#include "app/MemoFile.h"
#include "app/PageWidgets.h"
#include "app/Pages.h"
#include "app/ShowInfo.h"
#include "app/UntIndex.h"
#include "bazi/RememberedPerson.h"
#include "common/Text.h"
#include "common/UserFiles.h"
#include "naming/Export.h"
#include "naming/Registration.h"
#include "naming/Shortlist.h"
#include "naming/gui/NameMain.h"
#include "naming/gui/ResultActions.h"

namespace quillora::gui {

namespace {

// The grid as the page draws it: the pixel width of each column and the
// height of every row.
constexpr int kColumnWidths[kGridColumns] = {43, 183, 194, 57, 57,  58,  55,
                                             56, 62,  130, 50, 260, 360, 220};
constexpr int kRowHeight = 18;
// The width of the captions at the left of the input rows.
constexpr int kCaptionWidth = 84;

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

void OpenUrl(const QUrl& url) {
    if (Opener()) {
        Opener()(url);
    } else {
        QDesktopServices::openUrl(url);
    }
}

GenerationPage::GenerationPage(TFrmIndex& window, QWidget* page) : QObject(page), window_(window) {
    setObjectName(QStringLiteral("GenerationPage"));

    QVBoxLayout* layout = MakePageLayout(page);

    QFrame* panel = MakePanel(page, QStringLiteral("RzPanel3"));
    auto* rows = new QGridLayout(panel);
    rows->setContentsMargins(6, 5, 6, 5);
    rows->setHorizontalSpacing(6);
    rows->setVerticalSpacing(5);
    CreateInputs(panel, rows);
    CreateCommandColumn(panel, rows);
    rows->setColumnStretch(1, 1);
    layout->addWidget(panel);

    CreateGrid(page);
    layout->addWidget(RzStringGrid1, 1);
    CreateGridMenu();
    CreateShortlistBox();

    CBZSChange();
    LoadKeptShortlist();
    connect(MemoDaixuan, &QPlainTextEdit::textChanged, this,
            CommandSlot(this, &GenerationPage::KeepShortlist));
    // The header row is written when the main window is shown.
    window_.AddShowStep([this] { WriteGridHeader(); });
}

void GenerationPage::CreateInputs(QWidget* panel, QGridLayout* rows) {
    // Row 1: the legal person.
    BirthInputGroup::Options groupOptions;
    groupOptions.compact = true;
    group = new BirthInputGroup(groupOptions, panel);
    rows->addWidget(MakeCaption(panel, QStringLiteral("企业法人"), kCaptionWidth), 0, 0);
    rows->addWidget(group, 0, 1);

    // Row 2: fixed characters, one character each, and the name length.
    auto* fixedRow = new QHBoxLayout;
    fixedRow->setSpacing(4);
    Namezhi1 = MakeByteLimitedEdit(panel, QStringLiteral("Namezhi1"), 2, 36);
    Namezhi2 = MakeByteLimitedEdit(panel, QStringLiteral("Namezhi2"), 2, 36);
    Namezhi3 = MakeByteLimitedEdit(panel, QStringLiteral("Namezhi3"), 2, 36);
    Namezhi4 = MakeByteLimitedEdit(panel, QStringLiteral("Namezhi4"), 2, 36);
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
    fixedRow->addWidget(
        MakeHint(panel, QStringLiteral("需固定字说明：如主体名【九万】可以固定为【九】或【万】")));
    fixedRow->addStretch(1);
    rows->addWidget(MakeCaption(panel, QStringLiteral("字词限定"), kCaptionWidth), 1, 0);
    rows->addLayout(fixedRow, 1, 1);
    connect(CBZS, &QComboBox::currentIndexChanged, this,
            CommandSlot(this, &GenerationPage::CBZSChange));

    // Row 3: the suffix.
    auto* suffixRow = new QHBoxLayout;
    suffixRow->setSpacing(8);
    NameEnd = MakeByteLimitedEdit(panel, QStringLiteral("NameEnd"), 100, 102);
    suffixRow->addWidget(NameEnd);
    suffixRow->addWidget(MakeHint(panel, QString::fromUtf8(kSuffixHint)));
    suffixRow->addStretch(1);
    rows->addWidget(MakeCaption(panel, QStringLiteral("品牌商标后缀"), kCaptionWidth), 2, 0);
    rows->addLayout(suffixRow, 2, 1);

    // Row 4: the user's own characters, kept between sessions.
    auto* charsRow = new QHBoxLayout;
    charsRow->setSpacing(8);
    ExcludeChars = MakeByteLimitedEdit(panel, QStringLiteral("ExcludeChars"), 90, 150);
    PreferChars = MakeByteLimitedEdit(panel, QStringLiteral("PreferChars"), 90, 150);
    charsRow->addWidget(ExcludeChars);
    charsRow->addWidget(MakeHint(panel, QStringLiteral("偏好字")));
    charsRow->addWidget(PreferChars);
    charsRow->addWidget(MakeHint(panel, QStringLiteral("排除字不出现，偏好字排在前面")));
    charsRow->addStretch(1);
    rows->addWidget(MakeCaption(panel, QStringLiteral("排除字"), kCaptionWidth), 3, 0);
    rows->addLayout(charsRow, 3, 1);
    LoadCharacterChoice();
    for (QLineEdit* e : {ExcludeChars, PreferChars}) {
        connect(e, &QLineEdit::editingFinished, this,
                CommandSlot(this, &GenerationPage::KeepCharacterChoice));
    }

    // The prefix belongs to every brand name but stands outside the visible
    // area: nothing on the page fills it.
    NameBegin = MakeByteLimitedEdit(panel, QStringLiteral("NameBegin"), 100, 102);
    NameBegin->setVisible(false);
}

void GenerationPage::CreateCommandColumn(QWidget* panel, QGridLayout* rows) {
    auto* column = new QVBoxLayout;
    column->setSpacing(3);
    column->setContentsMargins(0, 0, 0, 0);
    const QSize size(78, 21);
    RzBitBtn5 = MakeButton(panel, QStringLiteral("RzBitBtn5"), QStringLiteral("马上起名"), size);
    RzBitBtn2 = MakeButton(panel, QStringLiteral("RzBitBtn2"), QStringLiteral("继续显示"), size);
    RzBitBtn4 = MakeButton(panel, QStringLiteral("RzBitBtn4"), QStringLiteral("查看详细"), size);
    BtnExcel = MakeButton(panel, QStringLiteral("BtnExcel"), QStringLiteral("导出EXCEL"), size);
    RzBitBtn5->setDefault(true);
    RzBitBtn2->setEnabled(false);
    for (QPushButton* b : {RzBitBtn5, RzBitBtn2, RzBitBtn4, BtnExcel})
        column->addWidget(b);
    rows->addLayout(column, 0, 2, 3, 1, Qt::AlignRight | Qt::AlignVCenter);

    connect(RzBitBtn5, &QPushButton::clicked, this,
            CommandSlot(this, &GenerationPage::RzBitBtn5Click));
    connect(RzBitBtn2, &QPushButton::clicked, this,
            CommandSlot(this, &GenerationPage::RzBitBtn2Click));
    connect(RzBitBtn4, &QPushButton::clicked, this,
            CommandSlot(this, &GenerationPage::RzBitBtn4Click));
    connect(BtnExcel, &QPushButton::clicked, this, CommandSlot(this, &GenerationPage::ExportExcel));
}

void GenerationPage::CreateGrid(QWidget* page) {
    // A header row and 200 candidate rows, no fixed column.
    RzStringGrid1 = new QTableWidget(kCandidateRows, kGridColumns, page);
    RzStringGrid1->setObjectName(QStringLiteral("RzStringGrid1"));
    QHeaderView* rowHeader = RzStringGrid1->verticalHeader();
    rowHeader->setVisible(false);
    rowHeader->setSectionResizeMode(QHeaderView::Fixed);
    rowHeader->setMinimumSectionSize(kRowHeight);
    rowHeader->setDefaultSectionSize(kRowHeight);
    QHeaderView* header = RzStringGrid1->horizontalHeader();
    header->setFixedHeight(kRowHeight + 4);
    header->setHighlightSections(false);
    header->setSectionsClickable(true);
    for (int c = 0; c < kGridColumns; ++c) {
        RzStringGrid1->setColumnWidth(c, kColumnWidths[c]);
        RzStringGrid1->setHorizontalHeaderItem(c, new QTableWidgetItem);
    }
    RzStringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    RzStringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    RzStringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    RzStringGrid1->setAlternatingRowColors(true);
    RzStringGrid1->setWordWrap(false);
    // Tab moves on to the next control instead of from cell to cell.
    RzStringGrid1->setTabKeyNavigation(false);
    RzStringGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    RzStringGrid1->setStyleSheet(ResultTableStyle());
    RenderGrid();

    connect(RzStringGrid1, &QTableWidget::cellDoubleClicked, this,
            CommandSlot(this, &GenerationPage::RzBitBtn4Click));
    connect(RzStringGrid1, &QWidget::customContextMenuRequested, this,
            CommandSlot(this, &GenerationPage::ShowGridMenu));
    connect(header, &QHeaderView::sectionClicked, this,
            CommandSlot(this, &GenerationPage::SortByColumn));
}

void GenerationPage::CreateGridMenu() {
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
    N10 = MakeAction(PopupMenu1, "N10", "商标查询");
    PopupMenu1->addSeparator();
    EXCEL1 = MakeAction(PopupMenu1, "EXCEL1", "EXCEL方式导出");
    N6 = MakeAction(PopupMenu1, "N6", "文本方式导出");

    const std::pair<QAction*, void (GenerationPage::*)()> commands[] = {
        {N7, &GenerationPage::RzBitBtn4Click},   {N1, &GenerationPage::AddToShortlist},
        {N9, &GenerationPage::ShowShortlist},    {SAC, &GenerationPage::SaveShortlistFile},
        {N2, &GenerationPage::ClearShortlist},   {N4, &GenerationPage::SearchWeb},
        {N10, &GenerationPage::SearchTrademark}, {EXCEL1, &GenerationPage::ExportExcel},
        {N6, &GenerationPage::ExportText}};
    for (const auto& [action, command] : commands)
        connect(action, &QAction::triggered, this, CommandSlot(this, command));
}

void GenerationPage::CreateShortlistBox() {
    // The box floats over the right part of the grid, hidden at start.
    RzGroupBox10 = new QGroupBox(QStringLiteral("已选名字(退出请点关闭)"), RzStringGrid1);
    RzGroupBox10->setObjectName(QStringLiteral("RzGroupBox10"));
    RzGroupBox10->setAutoFillBackground(true);
    RzGroupBox10->setStyleSheet(QStringLiteral(
        // The title stands inside the filled frame, so the grid cannot show
        // through around it.
        "QGroupBox#RzGroupBox10 { background: #fffaf2; border: 1px solid #b88a5a; "
        "border-radius: 3px; margin-top: 0px; font-weight: bold; color: #7a1f1f; }"
        "QGroupBox#RzGroupBox10::title { subcontrol-origin: padding; subcontrol-position: top "
        "left; left: 8px; top: 4px; padding: 0 3px; }"));
    auto* boxLayout = new QVBoxLayout(RzGroupBox10);
    boxLayout->setContentsMargins(6, 22, 6, 6);
    boxLayout->setSpacing(5);
    MemoDaixuan = new QPlainTextEdit(RzGroupBox10);
    MemoDaixuan->setObjectName(QStringLiteral("MemoDaixuan"));
    MemoDaixuan->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MemoDaixuan->setStyleSheet(QStringLiteral("font-weight: normal; color: black;"));
    boxLayout->addWidget(MemoDaixuan, 1);

    auto* boxButtons = new QHBoxLayout;
    boxButtons->setSpacing(4);
    const QSize size(52, 22);
    BtnCopy = MakeButton(RzGroupBox10, QStringLiteral("BtnCopy"), QStringLiteral("复制"), size);
    BtnSave = MakeButton(RzGroupBox10, QStringLiteral("BtnSave"), QStringLiteral("保存"), size);
    BtnClear = MakeButton(RzGroupBox10, QStringLiteral("BtnClear"), QStringLiteral("清空"), size);
    BtnClose = MakeButton(RzGroupBox10, QStringLiteral("BtnClose"), QStringLiteral("关闭"), size);
    const std::pair<QPushButton*, void (GenerationPage::*)()> commands[] = {
        {BtnCopy, &GenerationPage::CopyShortlist},
        {BtnSave, &GenerationPage::SaveShortlistFile},
        {BtnClear, &GenerationPage::ClearShortlist},
        {BtnClose, &GenerationPage::CloseShortlist}};
    for (const auto& [button, command] : commands) {
        button->setStyleSheet(QStringLiteral("font-weight: normal;"));
        boxButtons->addWidget(button);
        connect(button, &QPushButton::clicked, this, CommandSlot(this, command));
    }
    boxLayout->addLayout(boxButtons);
    RzGroupBox10->hide();
    new FloatOverRight(RzStringGrid1, RzGroupBox10);
}

GenerationRequest GenerationPage::Request() const {
    GenerationRequest r;
    r.person = group->Entries();
    r.lengthIndex = std::max(0, CBZS->currentIndex());
    r.fixed = {S(Namezhi1->text()), S(Namezhi2->text()), S(Namezhi3->text()), S(Namezhi4->text())};
    r.suffix = S(NameEnd->text());
    r.prefix = S(NameBegin->text());
    r.exclude = S(ExcludeChars->text());
    r.prefer = S(PreferChars->text());
    return r;
}

void GenerationPage::CBZSChange() {
    const int item = CBZS->currentIndex();
    Namezhi3->setEnabled(item >= 1);
    Namezhi4->setEnabled(item >= 2);
}

void GenerationPage::RzBitBtn5Click() {
    const GenerationRequest request = Request();
    const PreparedGeneration prepared = PrepareGeneration(request, state_, window_.ADOTem);
    if (prepared.stop == GenerationStop::BirthCheck) {
        ShowInfo(Q(prepared.issue.message));
        group->FocusOn(prepared.issue.focus);
        return;
    }
    // The lists start at 1980-01-01: names chosen for a date nobody entered
    // would look like advice. Asked once the name has passed its checks.
    if (!group->CheckDateGiven())
        return;
    if (prepared.stop == GenerationStop::FixedCharacters) {
        ShowInfoCaption(QString::fromUtf8(kNoticeCaption), Q(prepared.notice));
        return;
    }

    {
        RunGuard guard(RzBitBtn5);
        const bool more = OpenGeneration(prepared, window_.ADOComDS, state_);
        RzBitBtn2->setEnabled(more);
        RzBitBtn2Click();
    }
    if (window_.ADOComDS.RecordCount() == 0) {
        ShowInfo(Q(EmptyGridReason(request, state_, window_.ADOTem)));
        return;
    }
    // The keyboard goes on in the results (the button that had it was
    // disabled during the run).
    RzStringGrid1->setFocus(Qt::OtherFocusReason);
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
    // The first candidate is the current row; with none, no row is marked.
    RzStringGrid1->clearSelection();
    if (grid_.ShownRows() > 0)
        RzStringGrid1->setCurrentCell(0, 0);
    else
        RzStringGrid1->setCurrentCell(-1, -1);
}

void GenerationPage::WriteGridHeader() {
    grid_.WriteHeader();
    for (int c = 0; c < kGridColumns; ++c) {
        RzStringGrid1->horizontalHeaderItem(c)->setText(Q(grid_.Cell(0, c)));
    }
    RzStringGrid1->horizontalHeaderItem(kColWarnings)
        ->setToolTip(QString::fromUtf8(kRegistrationDisclaimer));
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
            // The long texts read whole under the mouse.
            if (c == kColVerse || c == kColWarnings)
                item->setToolTip(item->text());
        }
    }
}

void GenerationPage::SortByColumn(int column) {
    if (column < 0 || column >= kGridColumns)
        return;
    sortAscending_ = column == sortColumn_ ? !sortAscending_ : column != kColScore;
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
    BirthEntries birth = group->Entries();
    birth.name = S(group->Xing->text().trimmed());
    ShowNameAnalysis(birth, TrimmedBrandName(S(NameBegin->text()), mainName, S(NameEnd->text())),
                     RzStringGrid1->window());
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
    if (after == before) {
        ShowNotice(RzStringGrid1, QStringLiteral("“%1”已在已选名字中").arg(Q(Trim(name))));
        return;
    }
    kept_.push_back({Trim(name), CurrentCell(kColScore), CurrentCell(kColMainElements),
                     PersonSummary(group->Entries())});
    MemoDaixuan->setPlainText(Q(after));
    MemoDaixuan->moveCursor(QTextCursor::End);
    ShowNotice(RzStringGrid1, QStringLiteral("已加入已选名字：%1").arg(Q(Trim(name))));
}

void GenerationPage::LoadKeptShortlist() {
    const std::string path = KeptShortlistFile();
    if (path.empty())
        return;
    if (const std::optional<std::string> text = ReadWholeFile(path)) {
        kept_ = ParseKeptNames(*text);
        MemoDaixuan->setPlainText(Q(KeptNamesMemo(kept_)));
    }
}

void GenerationPage::LoadCharacterChoice() {
    if (const std::optional<std::string> text = ReadWholeFile(CharacterChoiceFile())) {
        const CharacterChoice choice = ParseCharacterChoice(*text);
        ExcludeChars->setText(Q(choice.exclude));
        PreferChars->setText(Q(choice.prefer));
    }
}

void GenerationPage::KeepCharacterChoice() {
    const std::string path = CharacterChoiceFile();
    if (path.empty())
        return;
    try {
        WriteUserFile(path,
                      FormatCharacterChoice({S(ExcludeChars->text()), S(PreferChars->text())}));
    } catch (const FileWriteError& e) {
        ShowInfo(QStringLiteral("排除字和偏好字无法保留到下次：") + QString::fromUtf8(e.what()));
    }
}

void GenerationPage::KeepShortlist() {
    kept_ = KeptNamesForMemo(S(MemoDaixuan->toPlainText()), kept_);
    const std::string path = KeptShortlistFile();
    if (path.empty())
        return;
    try {
        WriteUserFile(path, FormatKeptNames(kept_));
        keepFailed_ = false;
    } catch (const FileWriteError& e) {
        if (!keepFailed_)
            ShowInfo(QStringLiteral("已选名字无法保留到下次：") + QString::fromUtf8(e.what()));
        keepFailed_ = true;
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
    if (!Trim(S(MemoDaixuan->toPlainText())).empty() &&
        !AskQuestion(QStringLiteral("清空全部已选名字？清空后不能恢复。")))
        return;
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
        NoteSavedFile(RzStringGrid1, Q(ShortlistFilePath(S(chosen))));
    } catch (const FileWriteError& e) {
        ShowInfo(QString::fromUtf8(e.what()));
    }
}

void GenerationPage::SearchWeb() {
    const std::string name = CurrentCell(kColBrandName);
    if (name.empty())
        return;
    OpenUrl(QUrl::fromEncoded(QByteArray::fromStdString(WebSearchAddress(name))));
}

void GenerationPage::SearchTrademark() {
    OpenTrademarkSearch(RzStringGrid1, Q(Trim(S(NameBegin->text())) + CurrentCell(kColMainName)));
}

void GenerationPage::ExportExcel() {
    if (grid_.ShownRows() == 0)
        return;
    const std::string path = ChooseExportFile(RzStringGrid1->window(), "起名结果.xlsx",
                                              "Excel 工作簿 (*.xlsx)", ".xlsx");
    if (path.empty())
        return;
    try {
        ExportXlsx(path, GridExportTable(grid_));
        NoteSavedFile(RzStringGrid1, Q(path));
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
        NoteSavedFile(RzStringGrid1, Q(path));
    } catch (const FileWriteError& e) {
        ShowInfo(QString::fromUtf8(e.what()));
    }
}

GenerationPage* GenerationPageOf(QWidget* page) {
    return page->findChild<GenerationPage*>(QStringLiteral("GenerationPage"),
                                            Qt::FindDirectChildrenOnly);
}

void BuildGenerationPage(TFrmIndex& window, QWidget* page) {
    window.SetPageCommand(page, (new GenerationPage(window, page))->RzBitBtn5);
}

}  // namespace quillora::gui
