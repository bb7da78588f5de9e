// The information box of every validation message (caption "提示",
// information icon, one OK button) and the two other captions the program
// uses. Everything goes through one replaceable sink so tests can capture
// the messages instead of opening a modal box.
#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace quillora::gui {

inline const char* const kInfoCaption = "提示";
inline const char* const kNoticeCaption = "信息提示";
inline const char* const kCopyCaption = "复制信息";

struct InfoMessage {
    QString caption;
    QString text;
};

// The box itself; the default shows a modal QMessageBox.
using InfoSink = std::function<void(const InfoMessage&)>;
void SetInfoSink(InfoSink sink);  // an empty sink restores the default

// Shows text under the caption "提示".
void ShowInfo(const QString& text);
// Shows text under another caption ("信息提示", "复制信息").
void ShowInfoCaption(const QString& caption, const QString& text);

// A yes/no question under the caption "提示" (否 the default button); true
// when the user answers 是. Through its own replaceable sink.
using QuestionSink = std::function<bool(const InfoMessage&)>;
void SetQuestionSink(QuestionSink sink);  // empty restores the question box
bool AskQuestion(const QString& text);

// A short confirmation that needs no answer (a name added, where a file
// went): a label over the anchor's window beside the anchor, for a few
// seconds, whatever takes the focus meanwhile (object name kNoticeName).
// Through its own replaceable sink.
inline const char* const kNoticeName = "NoticeTip";
inline constexpr int kNoticeMilliseconds = 4000;
using NoticeSink = std::function<void(const QString&)>;
void SetNoticeSink(NoticeSink sink);  // empty restores the tip
void ShowNotice(QWidget* anchor, const QString& text);

// The top-level error report: an exception that escaped a command, shown as
// a message box with its text (through the same sink, caption "错误").
void ReportError(const QString& text);

}  // namespace quillora::gui
