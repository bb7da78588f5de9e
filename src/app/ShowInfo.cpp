#include "app/ShowInfo.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

namespace quillora::gui {

namespace {

InfoSink& Sink() {
    static InfoSink sink;
    return sink;
}

QuestionSink& Questions() {
    static QuestionSink sink;
    return sink;
}

NoticeSink& Notices() {
    static NoticeSink sink;
    return sink;
}

// The window system writes the caption and the program's name into the
// title bar; a box as narrow as a short message would cut them ("提… ra").
void WidenForTitle(QMessageBox& box) {
    const QString title =
        box.windowTitle() + QStringLiteral(" — ") + QGuiApplication::applicationDisplayName();
    // Room for the icon and the title bar's own buttons besides the text.
    const int width = box.fontMetrics().horizontalAdvance(title) + 140;
    box.setStyleSheet(QStringLiteral("QLabel#qt_msgbox_label { min-width: %1px; }").arg(width));
}

void ShowBox(const InfoMessage& m, QMessageBox::Icon icon) {
    if (Sink()) {
        Sink()(m);
        return;
    }
    QMessageBox box(icon, m.caption, m.text, QMessageBox::Ok, QApplication::activeWindow());
    WidenForTitle(box);
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

void SetQuestionSink(QuestionSink sink) {
    Questions() = std::move(sink);
}

bool AskQuestion(const QString& text) {
    const InfoMessage m{QString::fromUtf8(kInfoCaption), text};
    if (Questions())
        return Questions()(m);
    QMessageBox box(QMessageBox::Question, m.caption, m.text, QMessageBox::Yes | QMessageBox::No,
                    QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::No);
    WidenForTitle(box);
    return box.exec() == QMessageBox::Yes;
}

void SetNoticeSink(NoticeSink sink) {
    Notices() = std::move(sink);
}

void ShowNotice(QWidget* anchor, const QString& text) {
    if (Notices()) {
        Notices()(text);
        return;
    }
    QWidget* window = anchor != nullptr ? anchor->window() : QApplication::activeWindow();
    if (window == nullptr) {
        QToolTip::showText(QCursor::pos(), text);
        return;
    }
    // A label of the window itself, not a tool tip: a tip vanishes as soon
    // as a menu or a dialog closes and gives the focus back, before it can
    // be read.
    delete window->findChild<QLabel*>(QString::fromLatin1(kNoticeName), Qt::FindDirectChildrenOnly);
    auto* tip = new QLabel(text, window);
    tip->setObjectName(QString::fromLatin1(kNoticeName));
    tip->setAttribute(Qt::WA_TransparentForMouseEvents);
    tip->setStyleSheet(
        QStringLiteral("QLabel { background: #fff8dc; color: #5a1414; border: 1px solid #b88a5a; "
                       "border-radius: 3px; padding: 4px 8px; }"));
    tip->setMaximumWidth(window->width() - 16);
    tip->setWordWrap(tip->sizeHint().width() > window->width() - 16);
    tip->adjustSize();
    const QPoint wanted =
        anchor != nullptr ? anchor->mapTo(window, QPoint(anchor->width() / 3, anchor->height() / 3))
                          : QPoint(8, 8);
    tip->move(std::clamp(wanted.x(), 8, std::max(8, window->width() - tip->width() - 8)),
              std::clamp(wanted.y(), 8, std::max(8, window->height() - tip->height() - 8)));
    tip->show();
    tip->raise();
    QTimer::singleShot(kNoticeMilliseconds, tip, &QObject::deleteLater);
}

void ReportError(const QString& text) {
    ShowBox({QStringLiteral("错误"), text}, QMessageBox::Critical);
}

}  // namespace quillora::gui
