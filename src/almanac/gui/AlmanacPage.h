// The almanac page of the main window (TabSheet5): the date boxes with
// "查看" and "打印", the result memo, and the glossary of activity terms.
#pragma once

#include <QObject>

class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace quillora::gui {

class TFrmIndex;

class AlmanacPage : public QObject {
    Q_OBJECT
  public:
    AlmanacPage(TFrmIndex& window, QWidget* page);

    QComboBox* SlYear;
    QComboBox* SlMonth;
    QComboBox* Slday;
    QPushButton* BtnHuangli;  // 查看
    QPushButton* BtnPrint;    // 打印
    QPlainTextEdit* MemoHuangli;
    QPlainTextEdit* Memo3;

    // Looks up the day in the boxes and writes its entry into the memo.
    void BtnHuangliClick();
    // Prints the memo when it holds text.
    void BtnPrintClick();

  private:
    TFrmIndex& window_;
};

// The page object built on a page widget, or nullptr.
AlmanacPage* AlmanacPageOf(QWidget* page);

}  // namespace quillora::gui
