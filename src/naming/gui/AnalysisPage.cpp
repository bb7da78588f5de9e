#include "naming/gui/AnalysisPage.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/CommandGuard.h"
#include "app/MemoFile.h"
#include "app/Pages.h"
#include "app/UntIndex.h"
#include "naming/gui/BrandInputPanel.h"

namespace quillora::gui {

AnalysisPage::AnalysisPage(TFrmIndex& window, QWidget* page) : QObject(page), window_(window) {
    setObjectName(QStringLiteral("AnalysisPage"));

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(6);

    BrandInputPanel::Options options;
    options.suffix = QStringLiteral("3");
    options.mainNameEdit = QStringLiteral("Namezhi13");
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

    RzMemo1 = new QPlainTextEdit(page);
    RzMemo1->setObjectName(QStringLiteral("RzMemo1"));
    RzMemo1->setReadOnly(true);
    RzMemo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    RzMemo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    RzMemo1->setFont(ReportMemoFont());
    layout->addWidget(RzMemo1, 1);

    connect(ButtonName, &QPushButton::clicked, this,
            CommandSlot(this, &AnalysisPage::ButtonNameClick));
    connect(RzBitBtnprint, &QPushButton::clicked, this,
            CommandSlot(this, &AnalysisPage::RzBitBtnprintClick));
    connect(BitBtnsave, &QPushButton::clicked, this,
            CommandSlot(this, &AnalysisPage::BitBtnsaveClick));
    connect(RzBitBtn6, &QPushButton::clicked, this,
            CommandSlot(this, &AnalysisPage::RzBitBtn6Click));
}

void AnalysisPage::ButtonNameClick() {
    BrandNameView view = panel_->View(RzMemo1);
    view.strokes = &window_.ADOTem;
    view.readings = &window_.ADOteam;
    const AnalysisOutcome outcome = AnalyseBrandName(view);
    if (!outcome) {
        panel_->ShowFault(outcome);
        return;
    }
    ScrollMemoToTop(RzMemo1);
}

void AnalysisPage::RzBitBtnprintClick() {
    if (RzMemo1->toPlainText().trimmed().isEmpty())
        return;
    PrintMemoText(RzMemo1, RzMemo1->toPlainText(), RzMemo1->font());
}

void AnalysisPage::BitBtnsaveClick() {
    if (RzMemo1->toPlainText().trimmed().isEmpty())
        return;
    SaveMemoText(RzMemo1, RzMemo1->toPlainText(), panel_->SaveProposal());
}

void AnalysisPage::RzBitBtn6Click() {
    window_.ShowPage(window_.TabSheet1);
}

AnalysisPage* AnalysisPageOf(QWidget* page) {
    return page->findChild<AnalysisPage*>(QStringLiteral("AnalysisPage"),
                                          Qt::FindDirectChildrenOnly);
}

void BuildAnalysisPage(TFrmIndex& window, QWidget* page) {
    new AnalysisPage(window, page);
}

}  // namespace quillora::gui
