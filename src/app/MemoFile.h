// Saving and printing the text of a report memo: a save dialog and a GBK
// text file with CRLF line ends; the platform's print dialog (printing to a
// PDF file works through it). A failed save says so in a message.
//
// The dialogs go through replaceable hooks so that tests can answer them.
#pragma once

#include <QString>
#include <functional>

class QFont;
class QPlainTextEdit;
class QPrinter;
class QWidget;

namespace quillora::gui {

// Asks for the name of a file to save; returns "" when the user cancels.
using SaveFileChooser = std::function<QString(QWidget* parent, const QString& title,
                                              const QString& proposal, const QString& filter)>;
void SetSaveFileChooser(SaveFileChooser chooser);  // empty restores the save dialog

// Where the save dialog opens for a proposed file name: in the folder last
// saved to during this session, else in the user's documents folder (the
// home folder when there is none). A proposal that names a folder itself is
// left as it is.
QString SaveDialogStartPath(const QString& proposal);

// Says where a saved or exported file went (a notice beside the anchor).
void NoteSavedFile(QWidget* anchor, const QString& path);

// Asks for a file name through the chooser above (the save dialog unless a
// test replaced it); "" when the user cancels.
QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& proposal,
                       const QString& filter);

// Shows the print dialog for a printer; true when the user chose to print.
using PrintDialogRunner = std::function<bool(QPrinter& printer, QWidget* parent)>;
void SetPrintDialogRunner(PrintDialogRunner runner);  // empty restores the print dialog

// The save dialog's title and filter.
inline const char* const kSaveTitle = "保存";
inline const char* const kTextFileFilter = "文本文件 (*.txt)";

// A file name proposal without the characters a file name cannot hold
// (* / < > ? \ | : ") and without surrounding blanks.
QString SafeFileProposal(const QString& proposal);

// Asks for a file name (proposal given) and writes the text there as GBK with
// CRLF line ends. ".txt" is added when the chosen name has no extension
// (WithDefaultExtension).
// Returns the path written, or "" when the user cancelled or the file could
// not be written (a message then names the file and the cause).
QString SaveMemoText(QWidget* parent, const QString& text, const QString& proposal);

// Writes the text to path as GBK with CRLF line ends; on failure shows a
// message naming the file and the cause and returns false.
bool WriteMemoFile(const QString& path, const QString& text);

// Prints the text under the title through the print dialog, in the given
// (screen) font's face at the printed size. Returns true when it was
// printed, false when the user cancelled.
bool PrintMemoText(QWidget* parent, const QString& title, const QString& text, const QFont& font);

// The print and save commands of a report memo: the memo's text in its face
// under the title through the print dialog, or saved through SaveMemoText
// under the proposed name. A memo that holds only blanks prints and saves
// nothing.
void PrintReportMemo(QPlainTextEdit* memo, const QString& title);
void SaveReportMemo(QPlainTextEdit* memo, const QString& proposal);

}  // namespace quillora::gui
