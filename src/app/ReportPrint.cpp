#include "app/ReportPrint.h"

#include <algorithm>

#include <QDate>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>

namespace quillora::gui {

QFont PrintFont(const QFont& screenFont) {
    QFont font = screenFont;
    font.setPointSizeF(kPrintPointSize);
    return font;
}

QStringList WrapLines(const QString& text, const QFont& font, const QPaintDevice* device,
                      double width) {
    const QFontMetricsF metrics(font, device);
    QStringList out;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        QString piece;
        double used = 0;
        for (const QChar c : line) {
            const double advance = metrics.horizontalAdvance(c);
            if (!piece.isEmpty() && used + advance > width) {
                out << piece;
                piece.clear();
                used = 0;
            }
            piece += c;
            used += advance;
        }
        out << piece;
    }
    return out;
}

int PrintReportPages(QPrinter& printer, const QString& title, const QString& text,
                     const QFont& screenFont) {
    printer.setPageMargins(
        QMarginsF(kPrintMarginMm, kPrintMarginMm, kPrintMarginMm, kPrintMarginMm),
        QPageLayout::Millimeter);
    printer.setDocName(title);
    const QFont font = PrintFont(screenFont);
    QFont headFont = font;
    headFont.setBold(true);
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    const double width = area.width();
    const double height = area.height();
    const QFontMetricsF metrics(font, &printer);
    const double lineStep = metrics.lineSpacing();
    // Header: the name and the date, a rule below; footer: the page number.
    const double headHeight = lineStep * 2;
    const double footHeight = lineStep * 2;
    const int perPage = std::max(1, int((height - headHeight - footHeight) / lineStep));

    QStringList lines = WrapLines(text, font, &printer, width);
    while (!lines.isEmpty() && lines.last().trimmed().isEmpty())
        lines.removeLast();
    const int pages = std::max(1, int((lines.size() + perPage - 1) / perPage));

    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    const QString date = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    for (int page = 0; page < pages; ++page) {
        if (page > 0)
            printer.newPage();
        painter.setFont(headFont);
        painter.drawText(QRectF(0, 0, width, lineStep), Qt::AlignLeft | Qt::AlignVCenter, title);
        painter.setFont(font);
        painter.drawText(QRectF(0, 0, width, lineStep), Qt::AlignRight | Qt::AlignVCenter, date);
        painter.drawLine(QPointF(0, lineStep * 1.4), QPointF(width, lineStep * 1.4));
        const int first = page * perPage;
        const int last = std::min<int>(lines.size(), first + perPage);
        for (int i = first; i < last; ++i) {
            const double top = headHeight + (i - first) * lineStep;
            painter.drawText(QPointF(0, top + metrics.ascent()), lines[i]);
        }
        painter.drawText(QRectF(0, height - lineStep, width, lineStep), Qt::AlignCenter,
                         QStringLiteral("第 %1 页，共 %2 页").arg(page + 1).arg(pages));
    }
    painter.end();
    return pages;
}

}  // namespace quillora::gui
