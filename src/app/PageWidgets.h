// The controls the pages of the main window and the name analysis window
// are built from: row captions and hints, byte-limited name edits, command
// buttons, and the report memos with their font.
#pragma once

#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSize>
#include <QString>
#include <QVBoxLayout>
#include <string>
#include <vector>

namespace quillora::gui {

// The layout of a page of the main window: its parts one below the other
// inside the page's margins.
QVBoxLayout* MakePageLayout(QWidget* page);

// The framed panel that holds a page's entries and commands.
QFrame* MakePanel(QWidget* parent, const QString& name);

// A caption at the left of an input row, drawn as a small sunken panel.
QLabel* MakeCaption(QWidget* parent, const QString& text, int width);

// A hint in the program's dark red beside an entry.
QLabel* MakeHint(QWidget* parent, const QString& text);

// The hint beside the suffix entry of the generation and analysis inputs.
inline const char* const kSuffixHint =
    "商标品牌行业名称：如珠宝、化妆品、电器等 品牌商标也可以不带后缀。";

// A one-line edit that takes at most maxBytes GBK bytes of characters GBK
// can write.
QLineEdit* MakeByteLimitedEdit(QWidget* parent, const QString& name, int maxBytes, int width);

// A command button of a fixed size.
QPushButton* MakeButton(QWidget* parent, const QString& name, const QString& caption, QSize size);

// The font of the report memos. The reports line their columns up with
// blanks, counting a Chinese character as two: a fixed-pitch face whose
// Chinese characters are twice as wide as its Latin ones keeps them in line.
QFont ReportFont();

// A read-only report memo in the report font, its vertical scroll bar
// always shown.
QPlainTextEdit* MakeReportMemo(QWidget* parent, const QString& name,
                               QPlainTextEdit::LineWrapMode wrap);

// The lines as one text, one line each.
QString JoinLines(const std::vector<std::string>& lines);

// Replaces the memo's text by the lines and shows the first of them.
void ShowLines(QPlainTextEdit* memo, const std::vector<std::string>& lines);

// Moves the caret and the view of a memo to its first line.
void ScrollMemoToTop(QPlainTextEdit* memo);

}  // namespace quillora::gui
