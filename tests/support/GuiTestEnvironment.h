// Shared set-up of the window tests: one QApplication for the whole test
// program, every information box captured instead of shown, and the save and
// print dialogs' hooks restored after the run. Linked into every GUI test.
#pragma once

#include <QComboBox>
#include <QPlainTextEdit>
#include <QStringList>
#include <vector>

#include "app/ShowInfo.h"

namespace quillora::test {

// Every message shown through ShowInfo/ShowInfoCaption/ReportError since the
// test program started (tests clear it as they need).
std::vector<gui::InfoMessage>& Messages();

// Every question asked through AskQuestion, and the answer the next ones get
// (是 unless a test says otherwise).
std::vector<gui::InfoMessage>& Questions();
bool& QuestionAnswer();

// Every notice shown through ShowNotice.
QStringList& Notices();

// The scratch folder that stands for the user's data and settings folders
// (XDG_DATA_HOME and XDG_CONFIG_HOME point into it for the whole run).
QString UserFolder();

// The items of a drop-down list, in order.
QStringList Items(const QComboBox* box);

// The lines of a memo.
QStringList Lines(const QPlainTextEdit* memo);

// Types digits into an editable list box key by key, as the user does (its
// window shown and active, the box with the keyboard), over whatever it held.
void TypeDigits(QComboBox* box, const QString& digits);

}  // namespace quillora::test
