#include "app/MemoFile.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "app/ReportPrint.h"
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

QString& LastSaveFolder() {
    static QString folder;
    return folder;
}

QString ChooseFile(QWidget* parent, const QString& title, const QString& proposal,
                   const QString& filter) {
    const QString chosen = Chooser() ? Chooser()(parent, title, proposal, filter)
                                     : QFileDialog::getSaveFileName(
                                           parent, title, SaveDialogStartPath(proposal), filter);
    if (!chosen.isEmpty())
        LastSaveFolder() = QFileInfo(chosen).absolutePath();
    return chosen;
}

bool RunPrintDialog(QPrinter& printer, QWidget* parent) {
    if (Runner())
        return Runner()(printer, parent);
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

}  // namespace

QString SaveDialogStartPath(const QString& proposal) {
    if (proposal.contains(QLatin1Char('/')))
        return proposal;
    QString folder = LastSaveFolder();
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(proposal);
}

void NoteSavedFile(QWidget* anchor, const QString& path) {
    ShowNotice(anchor, QStringLiteral("已保存到：%1").arg(QDir::toNativeSeparators(path)));
}

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
    path = QString::fromStdString(WithDefaultExtension(path.toStdString(), ".txt"));
    if (!WriteMemoFile(path, text))
        return QString();
    NoteSavedFile(parent, path);
    return path;
}

bool PrintMemoText(QWidget* parent, const QString& title, const QString& text, const QFont& font) {
    QPrinter printer(QPrinter::HighResolution);
    // Without a printer the dialog can only print to a PDF file: it proposes
    // one named after the report where files are saved, not the home folder.
    if (QPrinterInfo::availablePrinterNames().isEmpty()) {
        const QString name = SafeFileProposal(title);
        printer.setOutputFileName(SaveDialogStartPath(
            (name.isEmpty() ? QStringLiteral("报告") : name) + QStringLiteral(".pdf")));
    }
    if (!RunPrintDialog(printer, parent))
        return false;
    if (PrintReportPages(printer, title, text, font) == 0) {
        ShowInfo(
            QStringLiteral("无法打印：打印机或文件“%1”不能打开。").arg(printer.outputFileName()));
        return false;
    }
    // Printed to a file: say where it went, as a save does.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        NoteSavedFile(parent, printer.outputFileName());
    return true;
}

void PrintReportMemo(QPlainTextEdit* memo, const QString& title) {
    const QString text = memo->toPlainText();
    if (!text.trimmed().isEmpty())
        PrintMemoText(memo, title, text, memo->font());
}

void SaveReportMemo(QPlainTextEdit* memo, const QString& proposal) {
    const QString text = memo->toPlainText();
    if (!text.trimmed().isEmpty())
        SaveMemoText(memo, text, proposal);
}

}  // namespace quillora::gui
