// The input panel that the analysis page and the name analysis window share:
// three rows under captions at the left ("企业法人" with the legal person's
// input group, "品牌商标名称" with the main name, "品牌商标后缀" with the
// suffix), the hidden prefix edit, and a column of four buttons at the right.
// The controls carry the names their page gives them.
#pragma once

#include <QFrame>
#include <QString>
#include <string>

#include "data/QueryObject.h"

class QHBoxLayout;
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
        // A birth date nobody entered is asked for, not analysed (the page;
        // the window opens with the entries of the names it shows).
        bool askForBirthDate = false;
        Button buttons[4];  // top to bottom
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

    // The analysis of the page and of the name analysis window: runs the
    // checks on these entries (the main name, then with askForBirthDate
    // whether the birth date was entered, then the date checks) and, when
    // they pass, writes the report into
    // the memo and shows its first line. A failed check shows its message,
    // moves the focus it names and leaves the memo. Conversion and database
    // errors throw, leaving the lines written so far.
    void Analyse(QPlainTextEdit* memo, QueryObject& strokes, QueryObject& readings) const;

    // A file name for saving the report: the brand's full name + "名称分析".
    QString SaveProposal() const;

    // A further command at the right end of the main-name row.
    QPushButton* AddMainRowButton(const QString& name, const QString& caption);

  private:
    QHBoxLayout* mainRow_ = nullptr;
    bool askForBirthDate_ = false;
};

}  // namespace quillora::gui
