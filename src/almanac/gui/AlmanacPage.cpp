#include "almanac/gui/AlmanacPage.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "almanac/AlmanacGlossary.h"
#include "almanac/AlmanacLookup.h"
#include "app/CommandGuard.h"
#include "app/MemoFile.h"
#include "app/PageWidgets.h"
#include "app/Pages.h"
#include "app/ShowInfo.h"
#include "app/UntIndex.h"
#include "common/DateValue.h"
#include "common/Text.h"

namespace quillora::gui {

namespace {

QComboBox* MakeDateBox(QWidget* parent, const char* name, int first, int last, int digits,
                       int width) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(12);
    // What is typed is the value: no completion from the list ("1" is
    // January, not 10).
    box->setCompleter(nullptr);
    box->setFixedWidth(width);
    for (int v = first; v <= last; ++v)
        box->addItem(QString::fromStdString(IntToStr(v, digits)));
    return box;
}

QPlainTextEdit* MakeMemo(QWidget* parent, const char* name) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(QString::fromLatin1(name));
    memo->setReadOnly(true);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    return memo;
}

QGroupBox* MakeGroup(QWidget* parent, const char* name, const char* caption) {
    auto* group = new QGroupBox(QString::fromUtf8(caption), parent);
    group->setObjectName(QString::fromLatin1(name));
    return group;
}

}  // namespace

AlmanacPage::AlmanacPage(TFrmIndex& window, QWidget* page) : QObject(page), window_(window) {
    setObjectName(QStringLiteral("AlmanacPage"));

    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(8);

    // Left: the date boxes and commands above the result.
    auto* left = new QVBoxLayout;
    left->setSpacing(6);
    auto* choose = new QGroupBox(page);
    choose->setObjectName(QStringLiteral("GroupBox1"));
    auto* row = new QHBoxLayout(choose);
    row->setContentsMargins(10, 8, 10, 8);
    row->setSpacing(4);
    row->addWidget(new QLabel(QStringLiteral("选择黄历："), choose));
    row->addSpacing(4);
    SlYear = MakeDateBox(choose, "SlYear", kAlmanacFirstYear, kAlmanacLastYear, 4, 72);
    SlMonth = MakeDateBox(choose, "SlMonth", 1, 12, 2, 52);
    Slday = MakeDateBox(choose, "Slday", 1, 31, 2, 52);
    const std::pair<QComboBox*, const char*> boxes[] = {
        {SlYear, "年"}, {SlMonth, "月"}, {Slday, "日"}};
    for (const auto& [box, unit] : boxes) {
        row->addWidget(box);
        row->addWidget(new QLabel(QString::fromUtf8(unit), choose));
        row->addSpacing(4);
    }
    row->addStretch(1);
    BtnHuangli =
        MakeButton(choose, QStringLiteral("BtnHuangli"), QStringLiteral("查看"), QSize(60, 25));
    BtnPrint =
        MakeButton(choose, QStringLiteral("BtnPrint"), QStringLiteral("打印"), QSize(60, 25));
    row->addWidget(BtnHuangli);
    row->addWidget(BtnPrint);
    left->addWidget(choose);

    QGroupBox* result = MakeGroup(page, "GroupBox2", "测算结果：");
    auto* resultLayout = new QVBoxLayout(result);
    resultLayout->setContentsMargins(8, 6, 8, 8);
    MemoHuangli = MakeMemo(result, "MemoHuangli");
    resultLayout->addWidget(MemoHuangli);
    left->addWidget(result, 1);
    layout->addLayout(left, 3);

    // Right: the glossary of the activity terms the entries use.
    QGroupBox* glossary = MakeGroup(page, "GroupBox3", "黄历名词解释：");
    auto* glossaryLayout = new QVBoxLayout(glossary);
    glossaryLayout->setContentsMargins(8, 6, 8, 8);
    Memo3 = MakeMemo(glossary, "Memo3");
    Memo3->setPlainText(JoinLines(AlmanacGlossaryLines()));
    glossaryLayout->addWidget(Memo3);
    layout->addWidget(glossary, 2);

    connect(BtnHuangli, &QPushButton::clicked, this,
            CommandSlot(this, &AlmanacPage::BtnHuangliClick));
    connect(BtnPrint, &QPushButton::clicked, this, CommandSlot(this, &AlmanacPage::BtnPrintClick));
}

void AlmanacPage::BtnHuangliClick() {
    const AlmanacInput input{SlYear->currentText().toStdString(),
                             SlMonth->currentText().toStdString(),
                             Slday->currentText().toStdString()};
    // A missing or unreadable database throws an error that names the file;
    // the memo keeps what it showed.
    const AlmanacOutcome out = LookupAlmanac(window_.ADOQuery1, input);
    switch (out.kind) {
        case AlmanacOutcome::Kind::Rejected: {
            ShowInfo(QString::fromUtf8(out.check.message));
            QComboBox* box = out.check.box == AlmanacBox::Year    ? SlYear
                             : out.check.box == AlmanacBox::Month ? SlMonth
                                                                  : Slday;
            box->setFocus();
            return;
        }
        case AlmanacOutcome::Kind::NoEntry:
            return;
        case AlmanacOutcome::Kind::Found:
            ShowLines(MemoHuangli, out.lines);
            return;
    }
}

void AlmanacPage::BtnPrintClick() {
    if (Trim(MemoHuangli->toPlainText().toStdString()).empty())
        return;
    PrintMemoText(MemoHuangli, QStringLiteral("黄历"), MemoHuangli->toPlainText(),
                  MemoHuangli->font());
}

AlmanacPage* AlmanacPageOf(QWidget* page) {
    return page->findChild<AlmanacPage*>(QStringLiteral("AlmanacPage"), Qt::FindDirectChildrenOnly);
}

void BuildAlmanacPage(TFrmIndex& window, QWidget* page) {
    window.SetPageCommand(page, (new AlmanacPage(window, page))->BtnHuangli);
}

}  // namespace quillora::gui
