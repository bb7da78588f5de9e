// The window 择吉日, opened from the tools page: choose an activity (the
// almanac's own terms, business first) and a date range of up to a year,
// and it lists the days whose almanac entry favours the activity and does
// not forbid it, each with the day's clash. With the legal person's birth
// entered, the days that clash with the person's year branch are marked
// (their row in the program's red) and counted under the list. The list
// exports as a spreadsheet or CSV text.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "almanac/AuspiciousDays.h"
#include "bazi/BirthRecord.h"
#include "data/QueryObject.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QTableWidget;

namespace quillora::gui {

class AuspiciousWindow : public QDialog {
    Q_OBJECT
  public:
    // The window for the legal person's entries (as the pages share them);
    // entries that do not give a chart leave the person out.
    explicit AuspiciousWindow(const BirthEntries& person, QWidget* parent = nullptr);

    QComboBox* CBActivity = nullptr;  // the activity, its term as item data
    QLabel* LabelMeaning = nullptr;   // what the activity means
    QDateEdit* DateFrom = nullptr;
    QDateEdit* DateTo = nullptr;
    QCheckBox* ChkPerson = nullptr;  // 标出冲法人生肖的日子
    QPushButton* BtnFind = nullptr;  // 查找吉日
    QPushButton* BtnExport = nullptr;
    QPushButton* BtnClose = nullptr;
    QTableWidget* GridDays = nullptr;
    QLabel* LabelSummary = nullptr;

    // Checks the entries and lists the days; a failed check shows its
    // message and moves the focus to the entry it names.
    void BtnFindClick();
    void BtnExportClick();
    void CBActivityChange();

    // The legal person's year branch (0 子 … 11 亥), when the entries give one.
    std::optional<int> PersonBranch() const { return personBranch_; }
    const std::vector<AuspiciousDay>& Days() const { return days_; }

  private:
    QueryObject almanac_;
    std::optional<int> personBranch_;
    std::optional<int> shownBranch_;  // the branch the list was made with
    std::vector<AuspiciousDay> days_;
};

// Opens the window modally; returns when it has closed.
void ShowAuspiciousDays(const BirthEntries& person, QWidget* parent = nullptr);

}  // namespace quillora::gui
