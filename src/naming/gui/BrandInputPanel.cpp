#include "naming/gui/BrandInputPanel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/BirthInputGroup.h"
#include "app/PageWidgets.h"
#include "app/ShowInfo.h"
#include "naming/NameAnalysis.h"

namespace quillora::gui {

namespace {

// Narrower captions than the generation page's, so that the whole input
// group stands in one row beside them and the buttons.
constexpr int kCaptionWidth = 78;

}  // namespace

BrandInputPanel::BrandInputPanel(const Options& options, QWidget* parent)
    : QFrame(parent), askForBirthDate_(options.askForBirthDate) {
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

    grid->addWidget(MakeCaption(this, QStringLiteral("企业法人"), kCaptionWidth), 0, 0);
    grid->addWidget(group, 0, 1);

    mainRow_ = new QHBoxLayout;
    mainRow_->setSpacing(8);
    Namezhi = MakeByteLimitedEdit(this, options.mainNameEdit, kMainNameBytes, 110);
    mainRow_->addWidget(Namezhi);
    mainRow_->addWidget(
        MakeHint(this, QStringLiteral("如【九万珠宝】可以主体名【九万】或【九万珠宝】")));
    mainRow_->addStretch(1);
    grid->addWidget(MakeCaption(this, QStringLiteral("品牌商标名称"), kCaptionWidth), 1, 0);
    grid->addLayout(mainRow_, 1, 1);

    auto* suffixRow = new QHBoxLayout;
    suffixRow->setSpacing(8);
    NameEnd =
        MakeByteLimitedEdit(this, QStringLiteral("NameEnd") + options.suffix, kAffixBytes, 110);
    suffixRow->addWidget(NameEnd);
    suffixRow->addWidget(MakeHint(this, QString::fromUtf8(kSuffixHint)));
    suffixRow->addStretch(1);
    grid->addWidget(MakeCaption(this, QStringLiteral("品牌商标后缀"), kCaptionWidth), 2, 0);
    grid->addLayout(suffixRow, 2, 1);

    // The prefix is part of every analysis but stands outside the visible
    // area: nothing here fills it.
    NameBegin =
        MakeByteLimitedEdit(this, QStringLiteral("NameBegin") + options.suffix, kAffixBytes, 110);
    NameBegin->setVisible(false);

    auto* column = new QVBoxLayout;
    column->setSpacing(3);
    column->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        buttons[i] =
            MakeButton(this, options.buttons[i].name, options.buttons[i].caption, QSize(72, 21));
        column->addWidget(buttons[i]);
    }
    grid->addLayout(column, 0, 2, 3, 1, Qt::AlignRight | Qt::AlignVCenter);
    grid->setColumnStretch(1, 1);
}

void BrandInputPanel::Analyse(QPlainTextEdit* memo, QueryObject& strokes,
                              QueryObject& readings) const {
    BrandNameView view;
    view.birth = group->Entries();
    view.prefix = NameBegin->text().toStdString();
    view.mainName = Namezhi->text().toStdString();
    view.suffix = NameEnd->text().toStdString();
    // The main name's message comes first, from the analysis itself.
    if (askForBirthDate_ && !CheckMainName(view.mainName) && !group->CheckDateGiven())
        return;
    view.clearMemo = [memo] { memo->clear(); };
    view.appendLine = [memo](const std::string& line) {
        memo->appendPlainText(QString::fromStdString(line));
    };
    view.strokes = &strokes;
    view.readings = &readings;
    const AnalysisOutcome outcome = AnalyseBrandName(view);
    if (!outcome) {
        ShowInfo(QString::fromStdString(outcome.message));
        if (outcome.focus == AnalysisFocus::MainName)
            Namezhi->setFocus();
        return;
    }
    ScrollMemoToTop(memo);
}

QString BrandInputPanel::SaveProposal() const {
    const BrandName name =
        TrimmedBrandName(NameBegin->text().toStdString(), Namezhi->text().toStdString(),
                         NameEnd->text().toStdString());
    return QString::fromStdString(name.FullName() + "名称分析");
}

}  // namespace quillora::gui

namespace quillora::gui {

QPushButton* BrandInputPanel::AddMainRowButton(const QString& name, const QString& caption) {
    QPushButton* button = MakeButton(this, name, caption, QSize(72, 21));
    mainRow_->addWidget(button);
    return button;
}

}  // namespace quillora::gui
