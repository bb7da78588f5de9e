#include "app/ShowInfo.h"

#include <QApplication>
#include <QMessageBox>

namespace quillora::gui {

namespace {

InfoSink& Sink() {
    static InfoSink sink;
    return sink;
}

void ShowBox(const InfoMessage& m, QMessageBox::Icon icon) {
    if (Sink()) {
        Sink()(m);
        return;
    }
    QMessageBox box(icon, m.caption, m.text, QMessageBox::Ok, QApplication::activeWindow());
    box.exec();
}

}  // namespace

void SetInfoSink(InfoSink sink) {
    Sink() = std::move(sink);
}

void ShowInfo(const QString& text) {
    ShowBox({QString::fromUtf8(kInfoCaption), text}, QMessageBox::Information);
}

void ShowInfoCaption(const QString& caption, const QString& text) {
    ShowBox({caption, text}, QMessageBox::Information);
}

void ReportError(const QString& text) {
    ShowBox({QStringLiteral("错误"), text}, QMessageBox::Critical);
}

}  // namespace quillora::gui
