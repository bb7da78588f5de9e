// The program's own date and time formats. They govern the dates the windows
// write and read and nothing else: the user's regional settings are never
// touched.
#pragma once

#include <QDate>
#include <QString>
#include <QTime>

namespace quillora::gui {

struct ProgramFormats {
    QString longDate;
    QString shortDate;
    QString time;
    QString dateSeparator;
    QString timeSeparator;
};

const ProgramFormats& Formats();

// Start-up: long date "yyyy'年'M'月'd'日'", short date "yyyy-MM-dd", time
// "H:mm:ss", separators "-" and ":".
void ApplyStartupFormats();

// Once the main window shows: both date formats become "yyyy-MM-dd" with the
// separator "-", the order every date text of the windows is read in.
void FixProgramDateFormat();

QString FormatShortDate(const QDate& date);
QString FormatLongDate(const QDate& date);
QString FormatTime(const QTime& time);

}  // namespace quillora::gui
