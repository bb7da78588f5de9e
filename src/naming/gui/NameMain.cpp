#include "naming/gui/NameMain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QShowEvent>
#include <QVBoxLayout>

#include "app/BirthInputGroup.h"
#include "app/Chrome.h"
#include "app/CommandGuard.h"
#include "app/MemoFile.h"
#include "app/PageWidgets.h"
#include "common/Text.h"
#include "data/Database.h"
#include "naming/gui/BrandInputPanel.h"

namespace quillora::gui {

TFrmNamemain* FrmNamemain = nullptr;

TFrmNamemain::TFrmNamemain(QWidget* parent)
    : QDialog(parent), ADOQname(kCharLookupTimeout), ADOteam(kDefaultTimeout) {
    setObjectName(QStringLiteral("FrmNamemain"));
    setWindowTitle(QStringLiteral("名称分析"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(ProgramFont());
    UseDialogColours(this);
    resize(753, 565);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);

    BrandInputPanel::Options options;
    options.mainNameEdit = QStringLiteral("Namezhi1");
    options.editableLists = true;
    options.buttons[0] = {QStringLiteral("RzButton1"), QStringLiteral("名称分析")};
    options.buttons[1] = {QStringLiteral("RzBitBtnprint"), QStringLiteral("打印")};
    options.buttons[2] = {QStringLiteral("BitBtnsave"), QStringLiteral("保存")};
    options.buttons[3] = {QStringLiteral("RzBitBtn4"), QStringLiteral("退出")};
    panel_ = new BrandInputPanel(options, this);
    panel_->setFixedHeight(101);
    layout->addWidget(panel_);

    Xing = panel_->group->Xing;
    CBsex = panel_->group->CBsex;
    ComDate = panel_->group->ComDate;
    SYear = panel_->group->SYear;
    SMonth = panel_->group->SMonth;
    Sday = panel_->group->Sday;
    Shour = panel_->group->Shour;
    CBFen = panel_->group->CBFen;
    NameBegin = panel_->NameBegin;
    Namezhi1 = panel_->Namezhi;
    NameEnd = panel_->NameEnd;
    RzButton1 = panel_->buttons[0];
    RzBitBtnprint = panel_->buttons[1];
    BitBtnsave = panel_->buttons[2];
    RzBitBtn4 = panel_->buttons[3];

    // Unlike the page's memo this one is editable: the user may annotate
    // the report before printing or saving it.
    RzMemo1 = MakeReportMemo(this, QStringLiteral("RzMemo1"), QPlainTextEdit::WidgetWidth);
    RzMemo1->setReadOnly(false);
    layout->addWidget(RzMemo1, 1);

    connect(RzButton1, &QPushButton::clicked, this,
            CommandSlot(this, &TFrmNamemain::RzButton1Click));
    connect(RzBitBtnprint, &QPushButton::clicked, this,
            CommandSlot(this, &TFrmNamemain::RzBitBtnprintClick));
    connect(BitBtnsave, &QPushButton::clicked, this,
            CommandSlot(this, &TFrmNamemain::BitBtnsaveClick));
    connect(RzBitBtn4, &QPushButton::clicked, this,
            CommandSlot(this, &TFrmNamemain::RzBitBtn4Click));
}

TFrmNamemain::~TFrmNamemain() {
    if (FrmNamemain == this)
        FrmNamemain = nullptr;
}

void TFrmNamemain::RzButton1Click() {
    panel_->Analyse(RzMemo1, ADOQname, ADOteam);
}

void TFrmNamemain::RzBitBtnprintClick() {
    PrintReportMemo(RzMemo1, panel_->SaveProposal());
}

void TFrmNamemain::BitBtnsaveClick() {
    SaveReportMemo(RzMemo1, panel_->SaveProposal());
}

void TFrmNamemain::RzBitBtn4Click() {
    close();
}

void TFrmNamemain::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A window restored from the task bar is not shown anew.
    if (!event->spontaneous())
        RunCommand([this] { FormShow(); });
}

void TFrmNamemain::FormShow() {
    ADOQname.SetConnection(DbConnectionString(kParvelloFile));
    ADOteam.SetConnection(DbConnectionString(kSomnetteFile));
    if (!Trim(Namezhi1->text().toStdString()).empty())
        RzButton1Click();
    Xing->setFocus();
}

TFrmNamemain* NewNameAnalysisWindow(const BirthEntries& birth, const BrandName& name,
                                    QWidget* parent) {
    const auto q = [](const std::string& text) { return QString::fromStdString(text); };
    auto* w = new TFrmNamemain(parent);
    w->setAttribute(Qt::WA_DeleteOnClose);
    w->Xing->setText(q(birth.name));
    w->CBsex->setCurrentIndex(birth.sex == SexItems[0] ? 0 : 1);
    w->SYear->setCurrentText(q(birth.year));
    w->SMonth->setCurrentText(q(birth.month));
    w->Sday->setCurrentText(q(birth.day));
    w->Shour->setCurrentText(q(birth.hour));
    w->CBFen->setCurrentText(q(birth.minute));
    w->ComDate->setCurrentIndex(birth.calendarIndex);
    // 闰 can be ticked once calendar, year and month name a leap month.
    if (auto* leap = w->findChild<QCheckBox*>())
        leap->setChecked(birth.leapMonth && leap->isEnabled());
    w->NameBegin->setText(q(name.prefix));
    w->Namezhi1->setText(q(name.mainName));
    w->NameEnd->setText(q(name.suffix));

    // Centred on the screen, not on the caller, and kept on it.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        w->move(PlacedTopLeft(screen->availableGeometry(), w->frameGeometry().size()));
    FrmNamemain = w;
    return w;
}

void ShowNameAnalysis(const BirthEntries& birth, const BrandName& name, QWidget* parent) {
    NewNameAnalysisWindow(birth, name, parent)->exec();
}

}  // namespace quillora::gui
