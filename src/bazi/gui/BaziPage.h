// The Four Pillars page of the main window (TabSheet2): the legal person's
// input group with surname and given name, the buttons "分析", "打印" and
// "保存", and the read-only memo Memo1 that holds the report.
#pragma once

#include <QObject>

class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace quillora::gui {

class BirthInputGroup;
class TFrmIndex;

class BaziPage : public QObject {
    Q_OBJECT
  public:
    BaziPage(TFrmIndex& window, QWidget* page);

    BirthInputGroup* group = nullptr;  // Xing2, NameB2, CBsex2, … CBFen2
    QPushButton* RzButton2 = nullptr;  // 分析
    QPushButton* RzBitBtn7 = nullptr;  // 打印
    QPushButton* RzBitBtn8 = nullptr;  // 保存
    QPlainTextEdit* Memo1 = nullptr;

    // Checks the input group and, when it passes, replaces the memo's text
    // by the report. A failed check shows its message and changes nothing.
    void RzButton2Click();
    // Prints the memo through the print dialog.
    void RzBitBtn7Click();
    // Saves the memo as a text file through the save dialog.
    void RzBitBtn8Click();

  private:
    // The report's name for the printed header and the saved file: the
    // person's name and 八字分析.
    QString ReportTitle() const;

    TFrmIndex& window_;
};

// The page's controller, found by its object name "BaziPage".
BaziPage* BaziPageOf(QWidget* page);

}  // namespace quillora::gui
