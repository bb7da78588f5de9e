// Printing a report: the memo's text laid out on paper in a fixed-pitch
// Chinese face at a reading size, inside the page margins, each page headed
// by the report's name and the date and numbered at its foot. Lines wider
// than the page continue on the next line; nothing is cut off.
#pragma once

#include <QFont>
#include <QString>
#include <QStringList>

class QPaintDevice;
class QPrinter;

namespace quillora::gui {

// The size, in points, a report is printed at.
inline constexpr double kPrintPointSize = 10.5;

// The margins of a printed page, in millimetres.
inline constexpr double kPrintMarginMm = 15;

// The report font at the printed size (the screen font is sized in pixels,
// which a high-resolution printer would shrink to a speck).
QFont PrintFont(const QFont& screenFont);

// The text's lines broken so that each fits within width pixels of the
// device the metrics belong to; a blank line stays a blank line.
QStringList WrapLines(const QString& text, const QFont& font, const QPaintDevice* device,
                      double width);

// Prints the text under the title on the printer (page size and output
// already chosen). Returns the number of pages printed, 0 when the printer
// could not be opened.
int PrintReportPages(QPrinter& printer, const QString& title, const QString& text,
                     const QFont& screenFont);

}  // namespace quillora::gui
