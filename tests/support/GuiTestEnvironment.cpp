#include "GuiTestEnvironment.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

#include "app/MemoFile.h"

namespace quillora::test {

std::vector<gui::InfoMessage>& Messages() {
    static std::vector<gui::InfoMessage> messages;
    return messages;
}

QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QStringList Lines(const QPlainTextEdit* memo) {
    return memo->toPlainText().split(QLatin1Char('\n'));
}

namespace {

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "quillora_gui_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        gui::SetInfoSink([](const gui::InfoMessage& m) { Messages().push_back(m); });
    }
    void TearDown() override {
        gui::SetInfoSink({});
        gui::SetSaveFileChooser({});
        gui::SetPrintDialogRunner({});
        app_.reset();
    }

  private:
    std::unique_ptr<QApplication> app_;
};

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

}  // namespace

}  // namespace quillora::test
