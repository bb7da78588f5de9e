// The name analysis window TFrmNamemain: a modal window that shows the full
// brand-name analysis for one candidate. It is filled from the caller's
// entries, analyses at once when it has a main name, and lets the user
// change any entry and analyse again. A new window is made for every
// opening; nothing is shared between openings.
#pragma once

#include <QDialog>
#include <QString>

#include "bazi/BirthRecord.h"
#include "data/QueryObject.h"
#include "naming/NameAnalysis.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QShowEvent;
class QWidget;

namespace quillora::gui {

class BrandInputPanel;
class TFrmNamemain;

// Opens the window, fills it with the caller's entries and brand name and
// shows it modally; returns when it has closed. The entries are the caller's
// texts as they stand (the given name is not used): the calendar index
// selects the calendar entry (0 "公历", 1 "农历"), the hour is a whole hour
// item such as "子 0", and a sex other than exactly "男" selects "女".
void ShowNameAnalysis(const BirthEntries& birth, const BrandName& name, QWidget* parent = nullptr);

// The window ShowNameAnalysis opens: new (deleted when it closes), filled and
// centred on the screen, not yet shown.
TFrmNamemain* NewNameAnalysisWindow(const BirthEntries& birth, const BrandName& name,
                                    QWidget* parent = nullptr);

// The window while it is open, nullptr otherwise.
extern TFrmNamemain* FrmNamemain;

class TFrmNamemain : public QDialog {
    Q_OBJECT
  public:
    explicit TFrmNamemain(QWidget* parent = nullptr);
    ~TFrmNamemain() override;

    // The legal person's input group; sex, calendar and hour are editable.
    QLineEdit* Xing = nullptr;
    QComboBox* CBsex = nullptr;
    QComboBox* ComDate = nullptr;
    QComboBox* SYear = nullptr;
    QComboBox* SMonth = nullptr;
    QComboBox* Sday = nullptr;
    QComboBox* Shour = nullptr;
    QComboBox* CBFen = nullptr;

    // The brand name: prefix (outside the visible area), main name, suffix.
    QLineEdit* NameBegin = nullptr;
    QLineEdit* Namezhi1 = nullptr;
    QLineEdit* NameEnd = nullptr;

    QPushButton* RzButton1 = nullptr;      // 名称分析
    QPushButton* RzBitBtnprint = nullptr;  // 打印
    QPushButton* BitBtnsave = nullptr;     // 保存
    QPushButton* RzBitBtn4 = nullptr;      // 退出

    QPlainTextEdit* RzMemo1 = nullptr;

    // Stroke counts and elements come from "Parvello.dll", readings from
    // "Somnette.dll"; both get their connections each time the window shows.
    QueryObject ADOQname;
    QueryObject ADOteam;

    void RzButton1Click();
    void RzBitBtnprintClick();
    void BitBtnsaveClick();
    void RzBitBtn4Click();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void FormShow();

    BrandInputPanel* panel_ = nullptr;
};

}  // namespace quillora::gui
