// The input panel that the analysis page and the name analysis window share:
// three rows under captions at the left ("企业法人" with the legal person's
// input group, "品牌商标名称" with the main name, "品牌商标后缀" with the
// suffix), the hidden prefix edit, and a column of four buttons at the right.
// The controls carry the names their page gives them.
#pragma once

#include <QFrame>
#include <QString>
#include <string>

#include "naming/NameAnalysis.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quillora::gui {

class BirthInputGroup;

class BrandInputPanel : public QFrame {
    Q_OBJECT
  public:
    struct Button {
        QString name;
        QString caption;
    };
    struct Options {
        QString suffix;              // control-name suffix: "3" on the page, "" in the window
        QString mainNameEdit;        // "Namezhi13" / "Namezhi1"
        bool editableLists = false;  // sex, calendar and hour accept typed text (window)
        Button buttons[4];           // top to bottom
    };

    explicit BrandInputPanel(const Options& options, QWidget* parent = nullptr);

    BirthInputGroup* group = nullptr;
    QLineEdit* NameBegin = nullptr;  // the prefix, outside the visible area
    QLineEdit* Namezhi = nullptr;    // the main name
    QLineEdit* NameEnd = nullptr;    // the suffix
    QPushButton* buttons[4] = {nullptr, nullptr, nullptr, nullptr};

    // Byte limits of the name edits (GBK bytes).
    static constexpr int kMainNameBytes = 8;
    static constexpr int kAffixBytes = 100;

    // The view of one analysis over these controls and the given memo.
    BrandNameView View(QPlainTextEdit* memo) const;

    // Shows the outcome of a failed check and moves the focus it names.
    void ShowFault(const AnalysisOutcome& outcome) const;

    // A file name for saving the report: the brand's full name + "名称分析".
    QString SaveProposal() const;
};

// The font of the report memos: fixed pitch, a Chinese character twice as
// wide as a Latin one, so blank-separated columns stay in line.
QFont ReportMemoFont();

// Moves the caret and the view of a memo to its first line.
void ScrollMemoToTop(QPlainTextEdit* memo);

}  // namespace quillora::gui
