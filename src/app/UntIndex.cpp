#include "app/UntIndex.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>

#include "almanac/gui/AuspiciousWindow.h"
#include "app/Artwork.h"
#include "app/BirthInputGroup.h"
#include "app/Chrome.h"
#include "app/CommandGuard.h"
#include "app/HelpWin.h"
#include "app/LegalPerson.h"
#include "app/Pages.h"
#include "app/ServersWin.h"
#include "common/DateValue.h"
#include "data/Database.h"
#include "datepicker/DateWin.h"
#include "naming/gui/ResultActions.h"

namespace quillora::gui {

namespace {

constexpr QSize kWindowSize(801, 590);
constexpr QRect kPanelRect(2, 110, 798, 461);

ImageButton* MakeToolbarButton(const char* name, int left, const char* hint, art::ToolbarIcon icon,
                               QWidget* parent) {
    auto* button = new ImageButton(QString::fromLatin1(name), QRect(left, 24, 75, 79),
                                   QString::fromUtf8(hint), parent);
    const QSize size = button->size();
    button->SetFaces(art::ToolbarButton(icon, art::Face::Normal, size),
                     art::ToolbarButton(icon, art::Face::Hover, size),
                     art::ToolbarButton(icon, art::Face::Down, size),
                     art::ToolbarButton(icon, art::Face::Current, size));
    return button;
}

ImageButton* MakeWindowButton(const char* name, const QRect& geometry, const char* hint,
                              art::WindowButton kind, QWidget* parent) {
    auto* button =
        new ImageButton(QString::fromLatin1(name), geometry, QString::fromUtf8(hint), parent);
    const QSize size = button->size();
    button->SetFaces(art::WindowButtonFace(kind, art::Face::Normal, size),
                     art::WindowButtonFace(kind, art::Face::Hover, size),
                     art::WindowButtonFace(kind, art::Face::Down, size));
    return button;
}

ImageButton* MakeToolsButton(const char* name, QPoint topLeft, const char* hint,
                             art::ToolsIcon icon, QWidget* parent) {
    auto* button = new ImageButton(QString::fromLatin1(name), QRect(topLeft, QSize(71, 71)),
                                   QString::fromUtf8(hint), parent);
    const QSize size = button->size();
    button->SetFaces(art::ToolsButton(icon, art::Face::Normal, size),
                     art::ToolsButton(icon, art::Face::Hover, size),
                     art::ToolsButton(icon, art::Face::Down, size));
    return button;
}

QWidget* MakePage(const char* name) {
    auto* page = new QWidget;
    page->setObjectName(QString::fromLatin1(name));
    return page;
}

}  // namespace

TFrmIndex::TFrmIndex(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint) {
    setObjectName(QStringLiteral("FrmIndex"));
    setWindowTitle(QStringLiteral("Quillora"));
    setFixedSize(kWindowSize);
    setFont(ProgramFont());
    if (const QScreen* screen = this->screen())
        move(PlacedTopLeft(screen->availableGeometry(), size()));

    BuildChrome();
    BuildPages();
    BuildGenerationPage(*this, TabSheet1);
    BuildAnalysisPage(*this, TabSheet3);
    BuildBaziPage(*this, TabSheet2);
    BuildAlmanacPage(*this, TabSheet5);
    LinkLegalPerson(this);
    FormCreate();
}

TFrmIndex::~TFrmIndex() = default;

void TFrmIndex::BuildChrome() {
    auto* background = new QLabel(this);
    background->setObjectName(QStringLiteral("Image1"));
    background->setGeometry(QRect(QPoint(0, 0), kWindowSize));
    background->setPixmap(art::MainBackground(kWindowSize));

    auto* strip = new DragStrip(QStringLiteral("Image4"), QRect(2, 1, 711, 21), this);
    strip->setPixmap(art::TitleStrip(strip->size()));

    using art::ToolbarIcon;
    ImageButton* generation = MakeToolbarButton(
        "RzToolButton2", 6, "商标起名、品牌起名等都可以操作", ToolbarIcon::Generation, this);
    ImageButton* analysis = MakeToolbarButton(
        "RzToolButton1", 88, "商标起名、品牌起名等名字详细分析及评分", ToolbarIcon::Analysis, this);
    ImageButton* bazi =
        MakeToolbarButton("RzToolButton3", 170, "法人生辰八字详细分析", ToolbarIcon::Bazi, this);
    ImageButton* almanac = MakeToolbarButton("RzToolButton5", 335, "本日黄历 也可以选其他日期查看",
                                             ToolbarIcon::Almanac, this);
    ImageButton* tools = MakeToolbarButton("RzToolButton7", 499, "各类吉日、数字吉祥等功能",
                                           ToolbarIcon::Tools, this);
    ImageButton* minimise = MakeWindowButton("RzToolButton11", QRect(741, 1, 29, 19), "最小化",
                                             art::WindowButton::Minimise, this);
    ImageButton* close = MakeWindowButton("RzToolButton12", QRect(769, 1, 31, 19), "关闭",
                                          art::WindowButton::Close, this);

    const std::pair<ImageButton*, void (TFrmIndex::*)()> commands[] = {
        {generation, &TFrmIndex::RzToolButton2Click}, {analysis, &TFrmIndex::RzToolButton1Click},
        {bazi, &TFrmIndex::RzToolButton3Click},       {almanac, &TFrmIndex::RzToolButton5Click},
        {tools, &TFrmIndex::RzToolButton7Click},      {minimise, &TFrmIndex::RzToolButton11Click},
        {close, &TFrmIndex::RzToolButton12Click}};
    for (const auto& [button, command] : commands)
        connect(button, &QAbstractButton::clicked, this, CommandSlot(this, command));

    // Help: a "?" on the title strip, before the window buttons, and F1.
    auto* help = new QPushButton(QStringLiteral("?"), this);
    help->setObjectName(QStringLiteral("BtnHelp"));
    help->setGeometry(QRect(713, 1, 28, 19));
    help->setFocusPolicy(Qt::NoFocus);
    help->setToolTip(QStringLiteral("帮助/关于（F1）"));
    help->setStyleSheet(QStringLiteral(
        "QPushButton { color: #fff3d6; font-weight: bold; border: none; background: #8e1b1f; }"
        "QPushButton:hover { background: #b0262b; }"));
    connect(help, &QPushButton::clicked, this, CommandSlot(this, &TFrmIndex::ShowHelp));
    auto* helpKey = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(helpKey, &QShortcut::activated, help, &QAbstractButton::click);

    // The toolbar from the keyboard: Ctrl+1 … Ctrl+5, named in the hints.
    ImageButton* toolbar[] = {generation, analysis, bazi, almanac, tools};
    for (int i = 0; i < 5; ++i) {
        const QKeySequence keys = PageShortcut(i);
        toolbar[i]->setToolTip(toolbar[i]->toolTip() + QStringLiteral("（") +
                               keys.toString(QKeySequence::NativeText) + QStringLiteral("）"));
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, toolbar[i], &QAbstractButton::click);
    }

    pageButtons_ = {{nullptr, generation},
                    {nullptr, analysis},
                    {nullptr, bazi},
                    {nullptr, almanac},
                    {nullptr, tools}};
}

void TFrmIndex::BuildPages() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("RzPanel1"));
    panel->setGeometry(kPanelRect);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    panel->setPalette(white);
    panel->setAutoFillBackground(true);

    // Pages change only through the toolbar and the pages' own buttons: the
    // tab strip stays hidden and the pages fill the whole panel.
    RzPageControl1 = new QTabWidget(panel);
    RzPageControl1->setObjectName(QStringLiteral("RzPageControl1"));
    RzPageControl1->setDocumentMode(true);
    RzPageControl1->tabBar()->hide();
    // The hidden tab strip must not take the keyboard: Tab would vanish into
    // it and never come back to the page's entries.
    RzPageControl1->setFocusPolicy(Qt::NoFocus);
    RzPageControl1->tabBar()->setFocusPolicy(Qt::NoFocus);
    RzPageControl1->setGeometry(QRect(QPoint(0, 0), kPanelRect.size()));

    TabSheet1 = MakePage("TabSheet1");
    TabSheet3 = MakePage("TabSheet3");
    TabSheet2 = MakePage("TabSheet2");
    TabSheet5 = MakePage("TabSheet5");
    TabSheet9 = MakePage("TabSheet9");
    RzPageControl1->addTab(TabSheet1, QStringLiteral("品牌起名"));
    RzPageControl1->addTab(TabSheet3, QStringLiteral("名称分析"));
    RzPageControl1->addTab(TabSheet2, QStringLiteral("八字排盘"));
    RzPageControl1->addTab(TabSheet5, QStringLiteral("黄历查询"));
    RzPageControl1->addTab(TabSheet9, QStringLiteral("实用工具"));

    QWidget* pages[] = {TabSheet1, TabSheet3, TabSheet2, TabSheet5, TabSheet9};
    for (std::size_t i = 0; i < pageButtons_.size(); ++i)
        pageButtons_[i].page = pages[i];

    BuildToolsPage();
}

void TFrmIndex::BuildToolsPage() {
    auto* picture = new QLabel(TabSheet9);
    picture->setObjectName(QStringLiteral("Image2"));
    picture->setGeometry(QRect(QPoint(0, 0), kPanelRect.size()));
    picture->setPixmap(art::ToolsBackground(kPanelRect.size()));

    ImageButton* calendar = MakeToolsButton("RzToolButton36", QPoint(535, 111), "万年历",
                                            art::ToolsIcon::Calendar, TabSheet9);
    ImageButton* service = MakeToolsButton("RzToolButton37", QPoint(109, 189), "起名服务",
                                           art::ToolsIcon::Service, TabSheet9);
    connect(calendar, &QAbstractButton::clicked, this,
            CommandSlot(this, &TFrmIndex::RzToolButton36Click));
    connect(service, &QAbstractButton::clicked, this,
            CommandSlot(this, &TFrmIndex::RzToolButton37Click));

    // 择吉日 for the legal person the pages share, and the trademark
    // office's search page.
    ImageButton* days =
        MakeToolsButton("BtnAuspicious", QPoint(535, 246), "择吉日：开业、签约挑日子",
                        art::ToolsIcon::Auspicious, TabSheet9);
    ImageButton* marks = MakeToolsButton("BtnTrademark", QPoint(109, 324),
                                         "商标查询：打开国家知识产权局商标局的查询页",
                                         art::ToolsIcon::Trademark, TabSheet9);
    connect(days, &QAbstractButton::clicked, this, CommandSlot(this, &TFrmIndex::ShowAuspicious));
    connect(marks, &QAbstractButton::clicked, this,
            [marks] { RunCommand([marks] { OpenTrademarkSearch(marks); }); });
}

void TFrmIndex::FormCreate() {
    ADOComDS.SetConnection(DbConnectionString(kParvelloFile));
    ADOTem.SetConnection(DbConnectionString(kParvelloFile));
    ADOteam.SetConnection(DbConnectionString(kSomnetteFile));
    ADOQuery1.SetConnection(DbConnectionString(kSomnetteFile));

    const DateParts today = DecodeDate(Today());
    startYear = QString::fromStdString(IntToStr(today.year, 4));
    startMonth = QString::fromStdString(IntToStr(today.month, 2));
    startDay = QString::fromStdString(IntToStr(today.day, 2));
    const std::pair<const char*, const QString*> selectors[] = {
        {"SlYear", &startYear}, {"SlMonth", &startMonth}, {"Slday", &startDay}};
    for (const auto& [name, text] : selectors) {
        if (auto* box = TabSheet5->findChild<QComboBox*>(QString::fromLatin1(name))) {
            // Select today's item in the list, so the list opens on it.
            const int index = box->findText(*text);
            if (index >= 0)
                box->setCurrentIndex(index);
            else
                box->setCurrentText(*text);
        }
    }

    ShowPage(TabSheet1);
}

void TFrmIndex::ShowPage(QWidget* page) {
    if (RzPageControl1->indexOf(page) < 0)
        return;
    RzPageControl1->setCurrentWidget(page);
    for (const PageButton& entry : pageButtons_)
        entry.button->SetCurrent(entry.page == page);
    FocusFirstEntry(page);
}

QKeySequence TFrmIndex::PageShortcut(int index) {
    return QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + index));
}

void TFrmIndex::SetPageCommand(QWidget* page, QPushButton* button) {
    button->setDefault(true);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* shortcut = new QShortcut(QKeySequence(key), page);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, button, [button] {
            // In a list Enter belongs to the list (the results grid, a memo).
            if (qobject_cast<QAbstractItemView*>(QApplication::focusWidget()))
                return;
            if (button->isEnabled() && button->isVisible())
                button->click();
        });
    }
}

void TFrmIndex::FocusFirstEntry(QWidget* page) {
    // The window's focus chain holds the pages' controls in the order they
    // were made, after all the pages themselves.
    for (QWidget* w = nextInFocusChain(); w != this; w = w->nextInFocusChain()) {
        const bool entry = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w);
        if (entry && page->isAncestorOf(w) && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus) &&
            w->isVisibleTo(page)) {
            w->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}

QWidget* TFrmIndex::CurrentPage() const {
    return RzPageControl1->currentWidget();
}

void TFrmIndex::AddShowStep(std::function<void()> step) {
    showSteps_.push_back(std::move(step));
}

void TFrmIndex::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        RunCommand([this] { FormShow(); });
}

void TFrmIndex::FormShow() {
    for (const auto& step : showSteps_)
        step();
}

void TFrmIndex::CloseQueries() {
    ADOComDS.Close();
    ADOTem.Close();
    ADOteam.Close();
    ADOQuery1.Close();
}

void TFrmIndex::closeEvent(QCloseEvent* event) {
    CloseQueries();
    event->accept();
}

void TFrmIndex::RzToolButton2Click() {
    ShowPage(TabSheet1);
}
void TFrmIndex::RzToolButton1Click() {
    ShowPage(TabSheet3);
}
void TFrmIndex::RzToolButton3Click() {
    ShowPage(TabSheet2);
}

void TFrmIndex::RzToolButton5Click() {
    ShowPage(TabSheet5);
    if (auto* look = TabSheet5->findChild<QAbstractButton*>(QStringLiteral("BtnHuangli")))
        look->click();
}

void TFrmIndex::RzToolButton7Click() {
    ShowPage(TabSheet9);
}
void TFrmIndex::RzToolButton11Click() {
    showMinimized();
}

void TFrmIndex::RzToolButton12Click() {
    CloseQueries();
    RemoveLockFiles();
    QCoreApplication::exit(0);
}

void TFrmIndex::RzToolButton36Click() {
    delete FRM_Date;
    FRM_Date = new TFRM_Date(this);
    FRM_Date->exec();
}

void TFrmIndex::ShowAuspicious() {
    const auto* group = TabSheet1->findChild<BirthInputGroup*>();
    ShowAuspiciousDays(group ? group->Entries() : BirthEntries{}, this);
}

void TFrmIndex::ShowHelp() {
    delete Frm_help;
    Frm_help = new THelpWin(this);
    Frm_help->exec();
}

void TFrmIndex::RzToolButton37Click() {
    delete Frm_servers;
    Frm_servers = new TFrm_servers(this);
    Frm_servers->exec();
}

}  // namespace quillora::gui
