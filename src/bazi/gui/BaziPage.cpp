#include "bazi/gui/BaziPage.h"

#include <QFont>
#include <QFrame>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

#include "app/BirthInputGroup.h"
#include "app/CommandGuard.h"
#include "app/MemoFile.h"
#include "app/Pages.h"
#include "app/ShowInfo.h"
#include "app/UntIndex.h"
#include "bazi/BaziReport.h"
#include "bazi/BirthRecord.h"
#include "common/Text.h"

namespace quillora::gui {

namespace {

// The report lines its columns up with blanks, counting a Chinese character
// as two: a fixed-pitch face whose Chinese characters are twice as wide as
// its Latin ones keeps them in line.
QFont ReportFont() {
    QFont font;
    font.setFamilies({QStringLiteral("新宋体"), QStringLiteral("NSimSun"),
                      QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(12);
    return font;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromUtf8(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setFixedSize(75, 25);
    return button;
}

}  // namespace

BaziPage::BaziPage(TFrmIndex& window, QWidget* page) : QObject(page), window_(window) {
    setObjectName(QStringLiteral("BaziPage"));

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(6);

    auto* panel = new QFrame(page);
    panel->setObjectName(QStringLiteral("RzPanel2"));
    panel->setFrameShape(QFrame::StyledPanel);
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
    RzButton2 = MakeButton(panel, "RzButton2", "分析");
    RzBitBtn7 = MakeButton(panel, "RzBitBtn7", "打印");
    RzBitBtn8 = MakeButton(panel, "RzBitBtn8", "保存");
    buttons->addWidget(RzButton2);
    buttons->addWidget(RzBitBtn7);
    buttons->addWidget(RzBitBtn8);
    panelLayout->addLayout(buttons);
    layout->addWidget(panel);

    Memo1 = new QPlainTextEdit(page);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setFont(ReportFont());
    layout->addWidget(Memo1, 1);

    connect(RzButton2, &QPushButton::clicked, this, CommandSlot(this, &BaziPage::RzButton2Click));
    connect(RzBitBtn7, &QPushButton::clicked, this, CommandSlot(this, &BaziPage::RzBitBtn7Click));
    connect(RzBitBtn8, &QPushButton::clicked, this, CommandSlot(this, &BaziPage::RzBitBtn8Click));
}

void BaziPage::RzButton2Click() {
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
    QString text;
    for (std::size_t i = 0; i < lines->size(); ++i) {
        if (i > 0)
            text += QLatin1Char('\n');
        text += QString::fromStdString((*lines)[i]);
    }
    Memo1->setPlainText(text);
    Memo1->moveCursor(QTextCursor::Start);
    Memo1->ensureCursorVisible();
}

void BaziPage::RzBitBtn7Click() {
    if (Memo1->toPlainText().trimmed().isEmpty())
        return;
    PrintMemoText(Memo1, Memo1->toPlainText(), Memo1->font());
}

void BaziPage::RzBitBtn8Click() {
    if (Memo1->toPlainText().trimmed().isEmpty())
        return;
    const BirthEntries entries = group->Entries();
    const std::string name = Trim(entries.name) + Trim(entries.givenName);
    SaveMemoText(Memo1, Memo1->toPlainText(), QString::fromStdString(name + "八字分析"));
}

BaziPage* BaziPageOf(QWidget* page) {
    return page->findChild<BaziPage*>(QStringLiteral("BaziPage"), Qt::FindDirectChildrenOnly);
}

void BuildBaziPage(TFrmIndex& window, QWidget* page) {
    new BaziPage(window, page);
}

}  // namespace quillora::gui
