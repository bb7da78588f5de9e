// The legal person's input group: name, sex, calendar, and year, month, day,
// hour and minute of birth, left to right, with their items, initial values
// and labels. The generation, analysis and Four Pillars pages each carry one;
// the controls keep the names of their page ("Xing", "Xing3", "Xing2" …).
#pragma once

#include <QGroupBox>
#include <QString>
#include <QValidator>
#include <QWidget>

#include "bazi/BirthRecord.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace quillora::gui {

// Accepts a text of at most maxBytes GBK bytes (a Chinese character 2, ASCII
// 1) and refuses any character that GBK cannot encode.
class GbkByteLimitValidator : public QValidator {
    Q_OBJECT
  public:
    GbkByteLimitValidator(int maxBytes, QObject* parent);
    State validate(QString& input, int& pos) const override;
    int MaxBytes() const { return maxBytes_; }

  private:
    int maxBytes_;
};

class BirthInputGroup : public QWidget {
    Q_OBJECT
  public:
    struct Options {
        QString suffix;              // appended to every control name: "", "2", "3"
        bool splitName = false;      // surname "姓" + given name "名" (Four Pillars page)
        bool editableLists = false;  // sex, calendar and hour accept typed text
        QString panelCaption;        // the group stands in a panel with this caption
        bool compact = false;  // narrower entries: the row shares a page with captions and buttons
    };

    explicit BirthInputGroup(const Options& options, QWidget* parent = nullptr);

    // The controls, named after the page's suffix.
    QLineEdit* Xing = nullptr;
    QLineEdit* NameB = nullptr;  // only with splitName
    QComboBox* CBsex = nullptr;
    QComboBox* ComDate = nullptr;
    QComboBox* SYear = nullptr;
    QComboBox* SMonth = nullptr;
    QCheckBox* ChkLeap = nullptr;  // 闰月: only for a lunar year whose leap month has that number
    QComboBox* Sday = nullptr;
    QComboBox* Shour = nullptr;
    QComboBox* CBFen = nullptr;

    // The entries' texts for ReadBirthRecord.
    BirthEntries Entries() const;

    // Moves the focus to the entry a failed check names.
    void FocusOn(BirthField field);

    // Every entry back to its initial value, the date no longer entered
    // (emits no Edited).
    void Reset();

    // Fills the entries from another page's person: a name split into
    // surname and given name joins on a page with one name entry; on a page
    // with two, a name without its given name splits after its first
    // character. dateGiven says whether that person's birth date was
    // entered. Emits no Edited.
    void SetEntries(const BirthEntries& person, bool dateGiven = true);

    // True once the birth date holds what the user entered: the year, month
    // or day typed or chosen (even the item already shown), here or on
    // another page, or the remembered person's date. The initial 1980-01-01
    // is only a starting point of the lists.
    bool DateGiven() const { return dateGiven_; }

    // Before a chart of this group: when the birth date was never entered,
    // asks for it (a message, the focus on the year) and returns false.
    bool CheckDateGiven();

    // Byte limit of each name edit.
    static constexpr int kNameBytes = 20;

  signals:
    // The user changed an entry (typed, pasted or chose from a list).
    void Edited();

  private:
    void ConnectEdits();
    // Enables 闰月 when the calendar is lunar and the entered year's leap
    // month is the entered month; clears it otherwise.
    void UpdateLeap();

    Options options_;
    bool filling_ = false;    // SetEntries is writing the entries
    bool dateGiven_ = false;  // see DateGiven
};

// The message of CheckDateGiven.
inline const char* const kBirthDateNotGiven = "请先选择或输入法人的出生年、月、日!";

}  // namespace quillora::gui
