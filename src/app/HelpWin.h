// The help window (帮助/关于): the version, what each page does, how the
// program keeps the user's files, where its data comes from and under which
// licences; a command that forgets the remembered legal person.
#pragma once

#include <QDialog>

class QPushButton;
class QTextBrowser;

namespace quillora::gui {

class THelpWin : public QDialog {
    Q_OBJECT
  public:
    explicit THelpWin(QWidget* mainWindow);

    QTextBrowser* Text = nullptr;
    QPushButton* BtnForget = nullptr;  // 忘记法人资料
    QPushButton* BtnClose = nullptr;   // 关闭

    // Asks, then forgets the remembered legal person and clears the birth
    // entries of every page.
    void BtnForgetClick();

  private:
    QWidget* mainWindow_;
};

// The help text as rich text (also shown by tests and screenshots).
QString HelpText();

}  // namespace quillora::gui
