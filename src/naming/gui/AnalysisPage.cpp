#include "naming/gui/AnalysisPage.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/BirthInputGroup.h"
#include "app/CommandGuard.h"
#include "app/MemoFile.h"
#include "app/PageWidgets.h"
#include "app/Pages.h"
#include "app/UntIndex.h"
#include "naming/gui/BatchWindow.h"
#include "naming/gui/BrandInputPanel.h"

namespace quillora::gui {

AnalysisPage::AnalysisPage(TFrmIndex& window, QWidget* page) : QObject(page), window_(window) {
    setObjectName(QStringLiteral("AnalysisPage"));

    QVBoxLayout* layout = MakePageLayout(page);

    BrandInputPanel::Options options;
    options.suffix = QStringLiteral("3");
    options.mainNameEdit = QStringLiteral("Namezhi13");
    options.askForBirthDate = true;
    options.buttons[0] = {QStringLiteral("ButtonName"), QStringLiteral("分析")};
    options.buttons[1] = {QStringLiteral("RzBitBtnprint"), QStringLiteral("打印")};
    options.buttons[2] = {QStringLiteral("BitBtnsave"), QStringLiteral("保存")};
    options.buttons[3] = {QStringLiteral("RzBitBtn6"), QStringLiteral("返回起名")};
    panel_ = new BrandInputPanel(options, page);
    layout->addWidget(panel_);

    group = panel_->group;
    NameBegin3 = panel_->NameBegin;
    Namezhi13 = panel_->Namezhi;
    NameEnd3 = panel_->NameEnd;
    ButtonName = panel_->buttons[0];
    RzBitBtnprint = panel_->buttons[1];
    BitBtnsave = panel_->buttons[2];
    RzBitBtn6 = panel_->buttons[3];
    BtnBatch = panel_->AddMainRowButton(QStringLiteral("BtnBatch"), QStringLiteral("批量分析"));
    BtnBatch->setToolTip(QStringLiteral("一次分析多个名称：粘贴或打开名称列表"));

    RzMemo1 = MakeReportMemo(page, QStringLiteral("RzMemo1"), QPlainTextEdit::WidgetWidth);
    layout->addWidget(RzMemo1, 1);

    connect(ButtonName, &QPushButton::clicked, this,
            CommandSlot(this, &AnalysisPage::ButtonNameClick));
    connect(RzBitBtnprint, &QPushButton::clicked, this,
            CommandSlot(this, &AnalysisPage::RzBitBtnprintClick));
    connect(BitBtnsave, &QPushButton::clicked, this,
            CommandSlot(this, &AnalysisPage::BitBtnsaveClick));
    connect(RzBitBtn6, &QPushButton::clicked, this,
            CommandSlot(this, &AnalysisPage::RzBitBtn6Click));
    connect(BtnBatch, &QPushButton::clicked, this, CommandSlot(this, &AnalysisPage::BtnBatchClick));
}

void AnalysisPage::ButtonNameClick() {
    panel_->Analyse(RzMemo1, window_.ADOTem, window_.ADOteam);
}

void AnalysisPage::RzBitBtnprintClick() {
    PrintReportMemo(RzMemo1, panel_->SaveProposal());
}

void AnalysisPage::BitBtnsaveClick() {
    SaveReportMemo(RzMemo1, panel_->SaveProposal());
}

void AnalysisPage::RzBitBtn6Click() {
    window_.ShowPage(window_.TabSheet1);
}

void AnalysisPage::BtnBatchClick() {
    ShowBatchAnalysis(group->Entries(), RzMemo1->window());
}

AnalysisPage* AnalysisPageOf(QWidget* page) {
    return page->findChild<AnalysisPage*>(QStringLiteral("AnalysisPage"),
                                          Qt::FindDirectChildrenOnly);
}

void BuildAnalysisPage(TFrmIndex& window, QWidget* page) {
    window.SetPageCommand(page, (new AnalysisPage(window, page))->ButtonName);
}

}  // namespace quillora::gui
