#include "naming/BrandInputPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>
#include <QVBoxLayout>

#include "app/BirthInputGroup.h"
#include "app/ShowInfo.h"

namespace quillora::gui {

namespace {

// A caption at the left of a row, drawn as a small sunken panel.
QLabel* MakeCaption(QWidget* parent, const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedSize(78, 22);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, int maxBytes, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setValidator(new GbkByteLimitValidator(maxBytes, edit));
    edit->setFixedSize(width, 22);
    return edit;
}

QLabel* MakeHint(QWidget* parent, const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setStyleSheet(QStringLiteral("color: #7a1f1f;"));
    return label;
}

}  // namespace

BrandInputPanel::BrandInputPanel(const Options& options, QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("BrandInputPanel") + options.suffix);
    setFrameShape(QFrame::StyledPanel);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(6, 5, 6, 5);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(5);

    BirthInputGroup::Options groupOptions;
    groupOptions.suffix = options.suffix;
    groupOptions.editableLists = options.editableLists;
    groupOptions.compact = true;
    group = new BirthInputGroup(groupOptions, this);

    grid->addWidget(MakeCaption(this, "企业法人"), 0, 0);
    grid->addWidget(group, 0, 1);

    auto* mainRow = new QHBoxLayout;
    mainRow->setSpacing(8);
    Namezhi = MakeEdit(this, options.mainNameEdit, kMainNameBytes, 110);
    mainRow->addWidget(Namezhi);
    mainRow->addWidget(MakeHint(this, "如【九万珠宝】可以主体名【九万】或【九万珠宝】"));
    mainRow->addStretch(1);
    grid->addWidget(MakeCaption(this, "品牌商标名称"), 1, 0);
    grid->addLayout(mainRow, 1, 1);

    auto* suffixRow = new QHBoxLayout;
    suffixRow->setSpacing(8);
    NameEnd = MakeEdit(this, QStringLiteral("NameEnd") + options.suffix, kAffixBytes, 110);
    suffixRow->addWidget(NameEnd);
    suffixRow->addWidget(
        MakeHint(this, "商标品牌行业名称：如珠宝、化妆品、电器等 品牌商标也可以不带后缀。"));
    suffixRow->addStretch(1);
    grid->addWidget(MakeCaption(this, "品牌商标后缀"), 2, 0);
    grid->addLayout(suffixRow, 2, 1);

    // The prefix is part of every analysis but stands outside the visible
    // area: nothing here fills it.
    NameBegin = MakeEdit(this, QStringLiteral("NameBegin") + options.suffix, kAffixBytes, 110);
    NameBegin->setVisible(false);

    auto* column = new QVBoxLayout;
    column->setSpacing(3);
    column->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        buttons[i] = new QPushButton(options.buttons[i].caption, this);
        buttons[i]->setObjectName(options.buttons[i].name);
        buttons[i]->setFixedSize(72, 21);
        column->addWidget(buttons[i]);
    }
    grid->addLayout(column, 0, 2, 3, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->setColumnStretch(1, 1);
}

BrandNameView BrandInputPanel::View(QPlainTextEdit* memo) const {
    BrandNameView view;
    view.birth = group->Entries();
    view.prefix = NameBegin->text().toStdString();
    view.mainName = Namezhi->text().toStdString();
    view.suffix = NameEnd->text().toStdString();
    view.clearMemo = [memo] { memo->clear(); };
    view.appendLine = [memo](const std::string& line) {
        memo->appendPlainText(QString::fromStdString(line));
    };
    return view;
}

void BrandInputPanel::ShowFault(const AnalysisOutcome& outcome) const {
    ShowInfo(QString::fromStdString(outcome.message));
    if (outcome.focus == AnalysisFocus::MainName)
        Namezhi->setFocus();
}

QString BrandInputPanel::SaveProposal() const {
    const BrandName name =
        TrimmedBrandName(NameBegin->text().toStdString(), Namezhi->text().toStdString(),
                         NameEnd->text().toStdString());
    return QString::fromStdString(name.FullName() + "名称分析");
}

QFont ReportMemoFont() {
    QFont font;
    font.setFamilies({QStringLiteral("新宋体"), QStringLiteral("NSimSun"),
                      QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(12);
    return font;
}

void ScrollMemoToTop(QPlainTextEdit* memo) {
    memo->moveCursor(QTextCursor::Start);
    memo->ensureCursorVisible();
    memo->horizontalScrollBar()->setValue(0);
}

}  // namespace quillora::gui
