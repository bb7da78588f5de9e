#include "app/PageWidgets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextCursor>

#include "app/BirthInputGroup.h"

namespace quillora::gui {

QVBoxLayout* MakePageLayout(QWidget* page) {
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 6, 8, 8);
    layout->setSpacing(6);
    return layout;
}

QFrame* MakePanel(QWidget* parent, const QString& name) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameShape(QFrame::StyledPanel);
    return panel;
}

QLabel* MakeCaption(QWidget* parent, const QString& text, int width) {
    auto* label = new QLabel(text, parent);
    // A filled caption with a full border: a sunken panel on the white page
    // showed only two of its edges.
    label->setStyleSheet(
        QStringLiteral("QLabel { background: #f3e6d3; color: #5a1414; "
                       "border: 1px solid #c9a97f; border-radius: 2px; }"));
    label->setAlignment(Qt::AlignCenter);
    label->setFixedSize(width, 22);
    return label;
}

QLabel* MakeHint(QWidget* parent, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setStyleSheet(QStringLiteral("color: #7a1f1f;"));
    return label;
}

QLineEdit* MakeByteLimitedEdit(QWidget* parent, const QString& name, int maxBytes, int width) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setValidator(new GbkByteLimitValidator(maxBytes, edit));
    edit->setFixedSize(width, 22);
    return edit;
}

QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, QSize size) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setFixedSize(size);
    return button;
}

QFont ReportFont() {
    QFont font;
    font.setFamilies({QStringLiteral("新宋体"), QStringLiteral("NSimSun"),
                      QStringLiteral("Noto Sans Mono CJK SC"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(12);
    return font;
}

QPlainTextEdit* MakeReportMemo(QWidget* parent, const QString& name,
                               QPlainTextEdit::LineWrapMode wrap) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setReadOnly(true);
    memo->setLineWrapMode(wrap);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setFont(ReportFont());
    return memo;
}

QString JoinLines(const std::vector<std::string>& lines) {
    QString text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += QLatin1Char('\n');
        text += QString::fromStdString(lines[i]);
    }
    return text;
}

void ShowLines(QPlainTextEdit* memo, const std::vector<std::string>& lines) {
    memo->setPlainText(JoinLines(lines));
    ScrollMemoToTop(memo);
}

void ScrollMemoToTop(QPlainTextEdit* memo) {
    memo->moveCursor(QTextCursor::Start);
    memo->ensureCursorVisible();
    memo->horizontalScrollBar()->setValue(0);
}

}  // namespace quillora::gui
