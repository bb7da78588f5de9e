#include "app/Formats.h"

namespace quillora::gui {

namespace {

ProgramFormats& Current() {
    static ProgramFormats formats{QStringLiteral("yyyy'年'M'月'd'日'"),
                                  QStringLiteral("yyyy-MM-dd"), QStringLiteral("H:mm:ss"),
                                  QStringLiteral("-"), QStringLiteral(":")};
    return formats;
}

}  // namespace

const ProgramFormats& Formats() {
    return Current();
}

void ApplyStartupFormats() {
    ProgramFormats& f = Current();
    f.longDate = QStringLiteral("yyyy'年'M'月'd'日'");
    f.shortDate = QStringLiteral("yyyy-MM-dd");
    f.time = QStringLiteral("H:mm:ss");
    f.dateSeparator = QStringLiteral("-");
    f.timeSeparator = QStringLiteral(":");
}

void FixProgramDateFormat() {
    ProgramFormats& f = Current();
    f.dateSeparator = QStringLiteral("-");
    f.shortDate = QStringLiteral("yyyy-MM-dd");
    f.longDate = QStringLiteral("yyyy-MM-dd");
}

QString FormatShortDate(const QDate& date) {
    return date.toString(Current().shortDate);
}
QString FormatLongDate(const QDate& date) {
    return date.toString(Current().longDate);
}
QString FormatTime(const QTime& time) {
    return time.toString(Current().time);
}

}  // namespace quillora::gui
