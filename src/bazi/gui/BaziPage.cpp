#include "bazi/gui/BaziPage.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/BirthInputGroup.h"
#include "app/CommandGuard.h"
#include "app/MemoFile.h"
#include "app/PageWidgets.h"
#include "app/Pages.h"
#include "app/ShowInfo.h"
#include "app/UntIndex.h"
#include "bazi/BaziReport.h"
#include "bazi/BirthRecord.h"
#include "common/Text.h"

namespace quillora::gui {

BaziPage::BaziPage(TFrmIndex& window, QWidget* page) : QObject(page), window_(window) {
    setObjectName(QStringLiteral("BaziPage"));

    QVBoxLayout* layout = MakePageLayout(page);

    QFrame* panel = MakePanel(page, QStringLiteral("RzPanel2"));
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->setContentsMargins(8, 6, 8, 6);
    panelLayout->setSpacing(6);

    BirthInputGroup::Options options;
    options.suffix = QStringLiteral("2");
    options.splitName = true;
    group = new BirthInputGroup(options, panel);
    panelLayout->addWidget(group);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch(1);
    const QSize buttonSize(75, 25);
    RzButton2 = MakeButton(panel, QStringLiteral("RzButton2"), QStringLiteral("分析"), buttonSize);
    RzBitBtn7 = MakeButton(panel, QStringLiteral("RzBitBtn7"), QStringLiteral("打印"), buttonSize);
    RzBitBtn8 = MakeButton(panel, QStringLiteral("RzBitBtn8"), QStringLiteral("保存"), buttonSize);
    for (QPushButton* b : {RzButton2, RzBitBtn7, RzBitBtn8})
        buttons->addWidget(b);
    panelLayout->addLayout(buttons);
    layout->addWidget(panel);

    Memo1 = MakeReportMemo(page, QStringLiteral("Memo1"), QPlainTextEdit::NoWrap);
    layout->addWidget(Memo1, 1);

    connect(RzButton2, &QPushButton::clicked, this, CommandSlot(this, &BaziPage::RzButton2Click));
    connect(RzBitBtn7, &QPushButton::clicked, this, CommandSlot(this, &BaziPage::RzBitBtn7Click));
    connect(RzBitBtn8, &QPushButton::clicked, this, CommandSlot(this, &BaziPage::RzBitBtn8Click));
}

void BaziPage::RzButton2Click() {
    // The lists start at 1980-01-01; a chart of a date nobody entered would
    // look like an answer.
    if (!group->CheckDateGiven())
        return;
    const BirthReadResult read = ReadBirthRecord(group->Entries());
    if (!read) {
        ShowInfo(QString::fromStdString(read.issue.message));
        group->FocusOn(read.issue.focus);
        return;
    }

    // The whole report is built before the memo changes, so a lookup that
    // fails on the way leaves the previous report in place.
    const std::optional<std::vector<std::string>> lines = BaziReportLines(*read.record);
    if (!lines) {
        ShowInfo(QString::fromUtf8(kChartDateMessage));
        return;
    }
    ShowLines(Memo1, *lines);
}

QString BaziPage::ReportTitle() const {
    const BirthEntries entries = group->Entries();
    const std::string name = Trim(entries.name) + Trim(entries.givenName);
    return QString::fromStdString(name + "八字分析");
}

void BaziPage::RzBitBtn7Click() {
    PrintReportMemo(Memo1, ReportTitle());
}

void BaziPage::RzBitBtn8Click() {
    SaveReportMemo(Memo1, ReportTitle());
}

BaziPage* BaziPageOf(QWidget* page) {
    return page->findChild<BaziPage*>(QStringLiteral("BaziPage"), Qt::FindDirectChildrenOnly);
}

void BuildBaziPage(TFrmIndex& window, QWidget* page) {
    window.SetPageCommand(page, (new BaziPage(window, page))->RzButton2);
}

}  // namespace quillora::gui
