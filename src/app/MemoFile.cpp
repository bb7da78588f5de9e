#include "app/MemoFile.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QFont>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTextDocument>

#include "app/ShowInfo.h"
#include "common/Text.h"

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

void ReportFailure(const QString& path, const QString& cause) {
    ShowInfo(QStringLiteral("文件 %1 无法保存：%2").arg(path, cause));
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
    std::string bytes;
    try {
        bytes = Utf8ToGbk(ToCrlf(text.toStdString()));
    } catch (const std::exception&) {
        ReportFailure(path, QStringLiteral("内容含有无法以GBK编码保存的字符。"));
        return false;
    }
    // Written to a temporary file and renamed, so a failed write never leaves
    // half a file behind.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        ReportFailure(path, file.errorString());
        return false;
    }
    if (file.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()) ||
        !file.commit()) {
        ReportFailure(path, file.errorString());
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

}  // namespace quillora::gui
