#include "GuiTestEnvironment.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <cstdlib>
#include <memory>

#include "app/MemoFile.h"

namespace quillora::test {

std::vector<gui::InfoMessage>& Messages() {
    static std::vector<gui::InfoMessage> messages;
    return messages;
}

std::vector<gui::InfoMessage>& Questions() {
    static std::vector<gui::InfoMessage> questions;
    return questions;
}

bool& QuestionAnswer() {
    static bool answer = true;
    return answer;
}

QStringList& Notices() {
    static QStringList notices;
    return notices;
}

QString UserFolder() {
    static const QString folder = [] {
        char pattern[] = "/tmp/quillora-user-XXXXXX";
        const char* made = ::mkdtemp(pattern);
        return QString::fromLocal8Bit(made != nullptr ? made : "/tmp");
    }();
    return folder;
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

void TypeDigits(QComboBox* box, const QString& digits) {
    // The box has the keyboard, as when the user types: a list completes
    // typed text only then.
    box->window()->activateWindow();
    QApplication::processEvents();
    box->setFocus(Qt::OtherFocusReason);
    box->lineEdit()->clear();
    for (const QChar c : digits) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + c.digitValue(), Qt::NoModifier, c);
        QApplication::sendEvent(box, &press);
    }
}

namespace {

// Each test starts without a kept shortlist or a remembered person.
class UserFolderCleaner : public ::testing::EmptyTestEventListener {
    void OnTestStart(const ::testing::TestInfo&) override {
        if (UserFolder().startsWith(QStringLiteral("/tmp/quillora-user-"))) {
            QDir(UserFolder() + QStringLiteral("/data")).removeRecursively();
            QDir(UserFolder() + QStringLiteral("/config")).removeRecursively();
        }
        Questions().clear();
        QuestionAnswer() = true;
        Notices().clear();
    }
};

class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        // The windows keep the shortlist and the legal person in the user's
        // folders: a test run keeps them in a scratch folder of its own.
        ::setenv("XDG_DATA_HOME", (UserFolder() + QStringLiteral("/data")).toLocal8Bit(), 1);
        ::setenv("XDG_CONFIG_HOME", (UserFolder() + QStringLiteral("/config")).toLocal8Bit(), 1);
        ::testing::UnitTest::GetInstance()->listeners().Append(new UserFolderCleaner);
        static int argc = 1;
        static char name[] = "quillora_gui_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QApplication>(argc, argv);
        gui::SetInfoSink([](const gui::InfoMessage& m) { Messages().push_back(m); });
        gui::SetQuestionSink([](const gui::InfoMessage& m) {
            Questions().push_back(m);
            return QuestionAnswer();
        });
        gui::SetNoticeSink([](const QString& text) { Notices() << text; });
    }
    void TearDown() override {
        gui::SetInfoSink({});
        gui::SetQuestionSink({});
        gui::SetNoticeSink({});
        if (UserFolder().startsWith(QStringLiteral("/tmp/quillora-user-")))
            QDir(UserFolder()).removeRecursively();
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
