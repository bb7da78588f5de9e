#include "app/MemoFile.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextDocument>

#include "app/ShowInfo.h"
#include "common/Text.h"
#include "common/TextFile.h"

namespace quillora::gui {

namespace {

SaveFileChooser& Chooser() {
    static SaveFileChooser chooser;
    return chooser;
}

PrintDialogRunner& Runner() {
    static PrintDialogRunner runner;
    return runner;
}

QString ChooseFile(QWidget* parent, const QString& title, const QString& proposal,
                   const QString& filter) {
    if (Chooser())
        return Chooser()(parent, title, proposal, filter);
    return QFileDialog::getSaveFileName(parent, title, proposal, filter);
}

bool RunPrintDialog(QPrinter& printer, QWidget* parent) {
    if (Runner())
        return Runner()(printer, parent);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

void SetSaveFileChooser(SaveFileChooser chooser) {
    Chooser() = std::move(chooser);
}

QString ChooseSaveFile(QWidget* parent, const QString& title, const QString& proposal,
                       const QString& filter) {
    return ChooseFile(parent, title, proposal, filter);
}

void SetPrintDialogRunner(PrintDialogRunner runner) {
    Runner() = std::move(runner);
}

QString SafeFileProposal(const QString& proposal) {
    QString out;
    for (const QChar c : proposal) {
        if (!QStringLiteral("*/<>?\\|:\"").contains(c))
            out += c;
    }
    return QString::fromStdString(Trim(out.toStdString()));
}

bool WriteMemoFile(const QString& path, const QString& text) {
    try {
        WriteGbkTextFile(path.toStdString(), text.toStdString());
    } catch (const FileWriteError& e) {
        ShowInfo(QString::fromStdString(e.what()));
        return false;
    }
    return true;
}

QString SaveMemoText(QWidget* parent, const QString& text, const QString& proposal) {
    QString path = ChooseFile(parent, QString::fromUtf8(kSaveTitle), SafeFileProposal(proposal),
                              QString::fromUtf8(kTextFileFilter));
    if (path.isEmpty())
        return QString();
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".txt");
    return WriteMemoFile(path, text) ? path : QString();
}

bool PrintMemoText(QWidget* parent, const QString& text, const QFont& font) {
    QPrinter printer(QPrinter::HighResolution);
    if (!RunPrintDialog(printer, parent))
        return false;
    QTextDocument document;
    document.setDefaultFont(font);
    document.setPlainText(text);
    document.print(&printer);
    return true;
}

void PrintReportMemo(QPlainTextEdit* memo) {
    const QString text = memo->toPlainText();
    if (!text.trimmed().isEmpty())
        PrintMemoText(memo, text, memo->font());
}

void SaveReportMemo(QPlainTextEdit* memo, const QString& proposal) {
    const QString text = memo->toPlainText();
    if (!text.trimmed().isEmpty())
        SaveMemoText(memo, text, proposal);
}

}  // namespace quillora::gui
