// The name analysis page of the main window (TabSheet3): the legal person's
// input group, the brand's main name and suffix, the buttons "分析", "打印",
// "保存" and "返回起名", and the read-only report memo below.
#pragma once

#include <QObject>

class QPlainTextEdit;
class QPushButton;
class QLineEdit;
class QWidget;

namespace quillora::gui {

class BirthInputGroup;
class BrandInputPanel;
class TFrmIndex;

class AnalysisPage : public QObject {
    Q_OBJECT
  public:
    AnalysisPage(TFrmIndex& window, QWidget* page);

    BirthInputGroup* group = nullptr;  // Xing3 … CBFen3
    QLineEdit* NameBegin3 = nullptr;
    QLineEdit* Namezhi13 = nullptr;
    QLineEdit* NameEnd3 = nullptr;
    QPushButton* ButtonName = nullptr;     // 分析
    QPushButton* RzBitBtnprint = nullptr;  // 打印
    QPushButton* BitBtnsave = nullptr;     // 保存
    QPushButton* RzBitBtn6 = nullptr;      // 返回起名
    QPushButton* BtnBatch = nullptr;       // 批量分析
    QPlainTextEdit* RzMemo1 = nullptr;

    void ButtonNameClick();
    void RzBitBtnprintClick();
    void BitBtnsaveClick();
    void RzBitBtn6Click();
    // Opens the batch analysis window with this page's legal person.
    void BtnBatchClick();

  private:
    TFrmIndex& window_;
    BrandInputPanel* panel_ = nullptr;
};

// The page object built on a page widget, or nullptr.
AnalysisPage* AnalysisPageOf(QWidget* page);

}  // namespace quillora::gui
