#include "app/Artwork.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QtMath>

namespace quillora::gui::art {

namespace {

const QColor kInk(43, 26, 22);
const QColor kRed(158, 20, 25);
const QColor kRedBright(196, 36, 42);
const QColor kGold(217, 170, 79);
const QColor kGoldLight(248, 224, 156);
const QColor kIvory(255, 247, 227);
const QColor kParchment(250, 242, 224);

QColor WithAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

// A transparent pixmap at the screen's pixel ratio, so the pictures stay sharp
// on high-density screens; painting uses logical coordinates.
QPixmap NewPixmap(QSize size) {
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pm(size * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    return pm;
}

void Prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont SansFont(int pixels, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Microsoft YaHei"),
                   QStringLiteral("WenQuanYi Micro Hei"), QStringLiteral("SimHei")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont SerifFont(int pixels, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Noto Serif CJK SC"), QStringLiteral("SimSun"),
                   QStringLiteral("宋体"), QStringLiteral("Noto Sans CJK SC")});
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// Text centred on a point (horizontally on x, vertically on the cap height).
void DrawCentredText(QPainter& p, QPointF centre, const QString& text, const QFont& font,
                     const QColor& color) {
    p.setFont(font);
    const QFontMetricsF fm(font);
    const qreal width = fm.horizontalAdvance(text);
    const qreal baseline = centre.y() + (fm.ascent() - fm.descent()) / 2.0;
    p.setPen(color);
    p.drawText(QPointF(centre.x() - width / 2.0, baseline), text);
}

void DrawShadowedText(QPainter& p, QPointF centre, const QString& text, const QFont& font,
                      const QColor& color) {
    DrawCentredText(p, centre + QPointF(0, 1), text, font, QColor(40, 0, 0, 150));
    DrawCentredText(p, centre, text, font, color);
}

// A spiral curl, the heart of the auspicious-cloud motif.
void DrawCurl(QPainter& p, QPointF centre, qreal radius, qreal startAngle) {
    QPainterPath path;
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {
        const qreal t = 2.4 * M_PI * i / steps;
        const qreal r = radius * (1.0 - t / (3.2 * M_PI));
        const QPointF pt(centre.x() + r * qCos(startAngle + t),
                         centre.y() + r * qSin(startAngle + t));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    p.drawPath(path);
}

// An auspicious cloud: three lobes over a flat foot, with curls in the lobes.
void DrawCloud(QPainter& p, QPointF o, qreal s, const QColor& color, qreal width) {
    QPainterPath body;
    body.addEllipse(QPointF(o.x() - 1.05 * s, o.y()), 0.75 * s, 0.75 * s);
    body.addEllipse(QPointF(o.x(), o.y() - 0.45 * s), 1.0 * s, 1.0 * s);
    body.addEllipse(QPointF(o.x() + 1.1 * s, o.y() + 0.05 * s), 0.7 * s, 0.7 * s);
    body.addRect(QRectF(o.x() - 1.05 * s, o.y(), 2.15 * s, 0.75 * s));
    body = body.simplified();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(body);
    DrawCurl(p, QPointF(o.x(), o.y() - 0.45 * s), 0.62 * s, M_PI * 0.9);
    DrawCurl(p, QPointF(o.x() - 1.05 * s, o.y()), 0.42 * s, M_PI * 1.6);
    DrawCurl(p, QPointF(o.x() + 1.1 * s, o.y() + 0.05 * s), 0.4 * s, M_PI * 0.1);
}

// A row of key-fret units along a baseline, the border of the toolbar band.
void DrawFret(QPainter& p, qreal left, qreal right, qreal top, const QColor& color) {
    p.setPen(QPen(color, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const qreal unit = 12.0;
    for (qreal x = left; x + unit <= right; x += unit) {
        QPainterPath key;
        key.moveTo(x + 0.5, top + 7.5);
        key.lineTo(x + 0.5, top + 0.5);
        key.lineTo(x + 9.5, top + 0.5);
        key.lineTo(x + 9.5, top + 5.5);
        key.lineTo(x + 3.5, top + 5.5);
        key.lineTo(x + 3.5, top + 3.0);
        key.lineTo(x + 6.5, top + 3.0);
        p.drawPath(key);
    }
    p.drawLine(QPointF(left + 0.5, top + 7.5), QPointF(right, top + 7.5));
}

// The caption row gradient, defined in window coordinates so the title strip
// (one pixel lower) and the window buttons sit on the same colours.
void FillCaption(QPainter& p, const QRectF& rect, qreal windowTop) {
    QLinearGradient g(0, -windowTop, 0, 22 - windowTop);
    g.setColorAt(0.0, QColor(104, 10, 15));
    g.setColorAt(1.0, QColor(66, 5, 8));
    p.fillRect(rect, g);
}

// A small square seal with the character 名, used as the program's mark.
void DrawSeal(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, kRedBright.lighter(112));
    g.setColorAt(1, kRed.darker(115));
    p.setPen(QPen(kGoldLight, qMax<qreal>(1.0, r.width() / 16.0)));
    p.setBrush(g);
    const qreal radius = r.width() / 7.0;
    p.drawRoundedRect(r, radius, radius);
    const qreal inset = r.width() / 8.0;
    p.setPen(QPen(WithAlpha(kGoldLight, 170), qMax<qreal>(0.6, r.width() / 40.0)));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(inset, inset, -inset, -inset), radius / 2, radius / 2);
    DrawCentredText(p, r.center() + QPointF(0, r.height() * 0.02), QStringLiteral("名"),
                    SerifFont(qRound(r.height() * 0.62), true), kIvory);
}

// Text filled with a gold gradient over a dark shadow.
void DrawGoldText(QPainter& p, QPointF baseline, const QString& text, const QFont& font) {
    QPainterPath path;
    path.addText(baseline, font, text);
    const QRectF box = path.boundingRect();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(50, 0, 0, 140));
    p.drawPath(path.translated(1.2, 1.5));
    QLinearGradient g(box.topLeft(), box.bottomLeft());
    g.setColorAt(0.0, QColor(255, 240, 190));
    g.setColorAt(0.5, kGold);
    g.setColorAt(1.0, QColor(190, 135, 50));
    p.setBrush(g);
    p.setPen(QPen(QColor(120, 60, 10, 120), 0.6));
    p.drawPath(path);
}

// ---- toolbar glyphs, drawn inside an ivory disc of radius r around c ----

void GlyphBrush(QPainter& p, QPointF c, qreal) {
    // A red horizontal stroke with a blunt head and a tapering tail, the
    // first stroke of a name, under the brush that writes it.
    QPainterPath stroke;
    stroke.moveTo(c + QPointF(-15, 8.5));
    stroke.cubicTo(c + QPointF(-12, 6.5), c + QPointF(-9, 8.5), c + QPointF(-4, 8.5));
    stroke.cubicTo(c + QPointF(2, 8.5), c + QPointF(8, 7.0), c + QPointF(12, 8.5));
    stroke.cubicTo(c + QPointF(13.5, 9.2), c + QPointF(13, 10.4), c + QPointF(11, 10.6));
    stroke.cubicTo(c + QPointF(5, 11.2), c + QPointF(-6, 13.0), c + QPointF(-12, 12.6));
    stroke.cubicTo(c + QPointF(-15.5, 12.4), c + QPointF(-16.5, 10.0), c + QPointF(-15, 8.5));
    p.setPen(Qt::NoPen);
    p.setBrush(kRedBright);
    p.drawPath(stroke);

    p.save();
    p.translate(c + QPointF(2, -2));
    p.rotate(38);
    QLinearGradient wood(-2.5, 0, 2.5, 0);
    wood.setColorAt(0, QColor(150, 96, 44));
    wood.setColorAt(0.5, QColor(196, 140, 74));
    wood.setColorAt(1, QColor(110, 64, 26));
    p.setBrush(wood);
    p.drawRoundedRect(QRectF(-2.4, -17, 4.8, 19), 1.5, 1.5);
    p.setBrush(kGold);
    p.drawRect(QRectF(-2.8, 1.5, 5.6, 2.2));
    p.setBrush(QColor(70, 40, 20));
    p.drawRect(QRectF(-2.4, -17, 4.8, 1.6));
    QPainterPath tip;
    tip.moveTo(-3.2, 3.7);
    tip.cubicTo(-4.2, 8.5, -1.5, 13, 0.4, 16.5);
    tip.cubicTo(1.5, 12.5, 4.0, 8.5, 3.2, 3.7);
    tip.closeSubpath();
    QLinearGradient ink(-3, 0, 3, 0);
    ink.setColorAt(0, QColor(20, 12, 10));
    ink.setColorAt(0.6, QColor(70, 50, 44));
    ink.setColorAt(1, QColor(20, 12, 10));
    p.setBrush(ink);
    p.drawPath(tip);
    p.restore();
}

void GlyphMagnifier(QPainter& p, QPointF c, qreal) {
    DrawCentredText(p, c + QPointF(-4, -4), QStringLiteral("名"), SerifFont(21, true), kRed);
    const QPointF lens = c + QPointF(4.5, 3.5);
    const qreal radius = 8.0;
    p.setPen(QPen(kInk, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lens + QPointF(radius * 0.72, radius * 0.72), c + QPointF(15, 14.5));
    QRadialGradient glass(lens + QPointF(-2, -2), radius);
    glass.setColorAt(0, QColor(255, 255, 255, 150));
    glass.setColorAt(1, QColor(170, 205, 230, 110));
    p.setBrush(glass);
    p.setPen(QPen(kInk, 2.0));
    p.drawEllipse(lens, radius, radius);
    p.setPen(QPen(QColor(255, 255, 255, 210), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(lens.x() - 5.5, lens.y() - 5.5, 11, 11), 100 * 16, 70 * 16);
}

void GlyphTaiji(QPainter& p, QPointF c, qreal r) {
    // Eight trigrams around the disc, solid lines as bit 1, inner line first.
    static const int kTrigrams[8] = {7, 3, 5, 1, 6, 2, 4, 0};
    p.setPen(QPen(WithAlpha(kInk, 210), 1.0, Qt::SolidLine, Qt::FlatCap));
    for (int k = 0; k < 8; ++k) {
        p.save();
        p.translate(c);
        p.rotate(k * 45.0 - 90.0);
        for (int line = 0; line < 3; ++line) {
            const qreal x = r - 6.2 + line * 2.0;
            const bool solid = (kTrigrams[k] >> line) & 1;
            if (solid) {
                p.drawLine(QPointF(x, -2.6), QPointF(x, 2.6));
            } else {
                p.drawLine(QPointF(x, -2.6), QPointF(x, -0.7));
                p.drawLine(QPointF(x, 0.7), QPointF(x, 2.6));
            }
        }
        p.restore();
    }
    const qreal t = r - 9.0;
    const QRectF disc(c.x() - t, c.y() - t, 2 * t, 2 * t);
    p.setPen(Qt::NoPen);
    p.setBrush(kRedBright);
    p.drawEllipse(disc);
    QPainterPath yin;
    yin.moveTo(c.x(), c.y() - t);
    yin.arcTo(disc, 90, 180);
    yin.arcTo(QRectF(c.x() - t / 2, c.y(), t, t), 270, -180);
    yin.arcTo(QRectF(c.x() - t / 2, c.y() - t, t, t), 270, 180);
    yin.closeSubpath();
    p.setBrush(kInk);
    p.drawPath(yin);
    p.setBrush(kInk);
    p.drawEllipse(QPointF(c.x(), c.y() + t / 2), t / 7, t / 7);
    p.setBrush(kRedBright);
    p.drawEllipse(QPointF(c.x(), c.y() - t / 2), t / 7, t / 7);
    p.setPen(QPen(WithAlpha(kInk, 160), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(disc);
}

void GlyphCalendarPage(QPainter& p, const QRectF& page, const QColor& band, const QString& text,
                       const QColor& textColor, int textPixels) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 45));
    p.drawRoundedRect(page.translated(1, 1.5), 2.5, 2.5);
    p.setBrush(Qt::white);
    p.setPen(QPen(WithAlpha(kInk, 150), 0.8));
    p.drawRoundedRect(page, 2.5, 2.5);
    const qreal bandHeight = page.height() * 0.27;
    QPainterPath top;
    top.addRoundedRect(QRectF(page.left(), page.top(), page.width(), bandHeight + 3), 2.5, 2.5);
    QPainterPath cut;
    cut.addRect(QRectF(page.left(), page.top() + bandHeight, page.width(), 3));
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawPath(top.subtracted(cut));
    p.setBrush(kInk);
    const qreal ringWidth = qMax<qreal>(2.0, page.width() / 12.0);
    for (const qreal fx : {0.3, 0.7}) {
        p.drawRoundedRect(QRectF(page.left() + page.width() * fx - ringWidth / 2, page.top() - 3,
                                 ringWidth, bandHeight * 0.75 + 3),
                          1, 1);
    }
    DrawCentredText(
        p, QPointF(page.center().x(), page.top() + bandHeight + (page.height() - bandHeight) / 2),
        text, SerifFont(textPixels, true), textColor);
}

void GlyphAlmanac(QPainter& p, QPointF c, qreal) {
    GlyphCalendarPage(p, QRectF(c.x() - 13, c.y() - 12, 26, 26), kRedBright, QStringLiteral("宜"),
                      kRed, 14);
}

QPainterPath GearPath(QPointF c, qreal outer, qreal inner, int teeth) {
    QPainterPath path;
    const qreal step = 2 * M_PI / teeth;
    for (int i = 0; i < teeth; ++i) {
        const qreal a = i * step;
        const QPointF pts[4] = {
            c + QPointF(inner * qCos(a - step * 0.30), inner * qSin(a - step * 0.30)),
            c + QPointF(outer * qCos(a - step * 0.17), outer * qSin(a - step * 0.17)),
            c + QPointF(outer * qCos(a + step * 0.17), outer * qSin(a + step * 0.17)),
            c + QPointF(inner * qCos(a + step * 0.30), inner * qSin(a + step * 0.30))};
        if (i == 0)
            path.moveTo(pts[0]);
        else
            path.lineTo(pts[0]);
        for (int k = 1; k < 4; ++k)
            path.lineTo(pts[k]);
        path.arcTo(QRectF(c.x() - inner, c.y() - inner, 2 * inner, 2 * inner),
                   -qRadiansToDegrees(a + step * 0.30), -qRadiansToDegrees(step * 0.40));
    }
    path.closeSubpath();
    return path;
}

void GlyphGears(QPainter& p, QPointF c, qreal) {
    const QPointF big = c + QPointF(-4, -3.5);
    const QPointF small = c + QPointF(8.5, 8.5);
    QPainterPath gear = GearPath(big, 12.5, 9.5, 9);
    gear.addEllipse(big, 3.8, 3.8);
    QLinearGradient red(big + QPointF(-12, -12), big + QPointF(12, 12));
    red.setColorAt(0, kRedBright.lighter(115));
    red.setColorAt(1, kRed.darker(110));
    p.setPen(QPen(WithAlpha(kInk, 170), 0.8));
    p.setBrush(red);
    p.drawPath(gear);
    QPainterPath second = GearPath(small, 7.5, 5.4, 7);
    second.addEllipse(small, 2.2, 2.2);
    QLinearGradient ink(small + QPointF(-7, -7), small + QPointF(7, 7));
    ink.setColorAt(0, QColor(90, 70, 62));
    ink.setColorAt(1, kInk);
    p.setBrush(ink);
    p.drawPath(second);
}

// The medallion every toolbar icon sits in: a gold ring around an ivory disc.
void DrawMedallion(QPainter& p, QPointF c, qreal radius, bool lit) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 0, 0, 90));
    p.drawEllipse(c + QPointF(0, 2), radius + 0.5, radius + 0.5);
    QLinearGradient ring(c + QPointF(0, -radius), c + QPointF(0, radius));
    ring.setColorAt(0, QColor(255, 236, 170));
    ring.setColorAt(0.5, kGold);
    ring.setColorAt(1, QColor(150, 100, 30));
    p.setBrush(ring);
    p.drawEllipse(c, radius, radius);
    const qreal inner = radius - 3.2;
    QRadialGradient disc(c + QPointF(-inner * 0.35, -inner * 0.45), inner * 1.4);
    disc.setColorAt(0, lit ? QColor(255, 255, 250) : QColor(255, 252, 242));
    disc.setColorAt(1, lit ? QColor(250, 226, 170) : QColor(236, 212, 160));
    p.setBrush(disc);
    p.drawEllipse(c, inner, inner);
    p.setPen(QPen(QColor(150, 100, 30, 140), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, inner, inner);
}

QString ToolbarCaption(ToolbarIcon icon) {
    switch (icon) {
        case ToolbarIcon::Generation:
            return QStringLiteral("品牌起名");
        case ToolbarIcon::Analysis:
            return QStringLiteral("名称分析");
        case ToolbarIcon::Bazi:
            return QStringLiteral("八字排盘");
        case ToolbarIcon::Almanac:
            return QStringLiteral("黄历查询");
        case ToolbarIcon::Tools:
            break;
    }
    return QStringLiteral("实用工具");
}

}  // namespace

QPixmap MainBackground(QSize size) {
    QPixmap pm = NewPixmap(size);
    QPainter p(&pm);
    Prepare(p);
    const qreal w = size.width();
    const qreal h = size.height();

    FillCaption(p, QRectF(0, 0, w, 22), 0);

    const QRectF band(0, 22, w, 88);
    QLinearGradient bandFill(0, band.top(), 0, band.bottom());
    bandFill.setColorAt(0.0, QColor(120, 12, 17));
    bandFill.setColorAt(0.45, QColor(168, 26, 32));
    bandFill.setColorAt(1.0, QColor(116, 11, 16));
    p.fillRect(band, bandFill);
    QRadialGradient glow(QPointF(690, 64), 170);
    glow.setColorAt(0, QColor(255, 196, 120, 70));
    glow.setColorAt(1, QColor(255, 196, 120, 0));
    p.fillRect(band, glow);

    p.save();
    p.setClipRect(band.adjusted(0, 0, 0, -12));
    const QColor cloud(255, 214, 140, 30);
    const struct {
        qreal x, y, s;
    } clouds[] = {{44, 92, 15},  {150, 40, 10}, {262, 84, 13}, {318, 38, 9},
                  {430, 90, 14}, {472, 42, 10}, {560, 88, 12}, {780, 96, 16}};
    for (const auto& c : clouds)
        DrawCloud(p, QPointF(c.x, c.y), c.s, cloud, 1.2);
    p.restore();

    // Ornamental dividers in the two gaps of the toolbar row.
    for (const qreal x : {290.5, 454.5}) {
        QLinearGradient line(0, 32, 0, 98);
        line.setColorAt(0, WithAlpha(kGoldLight, 0));
        line.setColorAt(0.5, WithAlpha(kGoldLight, 170));
        line.setColorAt(1, WithAlpha(kGoldLight, 0));
        p.setPen(QPen(QBrush(line), 1.0));
        p.drawLine(QPointF(x, 32), QPointF(x, 98));
        QPainterPath diamond;
        diamond.moveTo(x, 58);
        diamond.lineTo(x + 5, 64);
        diamond.lineTo(x, 70);
        diamond.lineTo(x - 5, 64);
        diamond.closeSubpath();
        p.setPen(QPen(WithAlpha(kGoldLight, 200), 1.0));
        p.setBrush(WithAlpha(kGold, 150));
        p.drawPath(diamond);
    }

    // The program's mark at the right of the toolbar row.
    const QRectF seal(596, 38, 40, 40);
    QRadialGradient halo(seal.center(), 34);
    halo.setColorAt(0, QColor(255, 220, 150, 60));
    halo.setColorAt(1, QColor(255, 220, 150, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(halo);
    p.drawEllipse(seal.center(), 34, 34);
    DrawSeal(p, seal);
    const QFont word = SerifFont(31, true);
    DrawGoldText(p, QPointF(646, 66), QStringLiteral("Quillora"), word);
    const QFont tagFont = SansFont(12, false);
    const QString tag = QStringLiteral("好名字 · 成就好品牌");
    const QFontMetricsF tagMetrics(tagFont);
    const qreal wordWidth = QFontMetricsF(word).horizontalAdvance(QStringLiteral("Quillora"));
    const qreal tagCentre = 646 + wordWidth / 2;
    const qreal tagHalf = tagMetrics.horizontalAdvance(tag) / 2;
    p.setPen(QPen(WithAlpha(kGoldLight, 150), 1.0));
    p.drawLine(QPointF(646, 84.5), QPointF(tagCentre - tagHalf - 6, 84.5));
    p.drawLine(QPointF(tagCentre + tagHalf + 6, 84.5), QPointF(646 + wordWidth, 84.5));
    DrawCentredText(p, QPointF(tagCentre, 84), tag, tagFont, WithAlpha(kIvory, 230));

    DrawFret(p, 4, w - 4, 98, WithAlpha(kGoldLight, 90));
    QLinearGradient rule(0, 0, w, 0);
    rule.setColorAt(0, QColor(150, 100, 35));
    rule.setColorAt(0.5, kGoldLight);
    rule.setColorAt(1, QColor(150, 100, 35));
    p.fillRect(QRectF(0, 106, w, 3), rule);
    p.fillRect(QRectF(0, 109, w, 1), QColor(70, 6, 10));

    p.fillRect(QRectF(2, 110, 798, 461), Qt::white);

    const QRectF footer(0, 571, w, h - 571);
    QLinearGradient footerFill(0, footer.top(), 0, footer.bottom());
    footerFill.setColorAt(0, QColor(104, 10, 15));
    footerFill.setColorAt(1, QColor(62, 5, 8));
    p.fillRect(footer, footerFill);
    p.fillRect(QRectF(0, 571, w, 1), WithAlpha(kGold, 200));
    const QFont small = SansFont(12, false);
    p.setFont(small);
    p.setPen(WithAlpha(kIvory, 210));
    p.drawText(footer.adjusted(10, 1, -10, 0), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Quillora 品牌起名系统  ·  起名 · 析名 · 八字 · 黄历"));
    p.setPen(WithAlpha(kGoldLight, 200));
    p.drawText(footer.adjusted(10, 1, -10, 0), Qt::AlignRight | Qt::AlignVCenter,
               QStringLiteral("好名字是品牌的第一笔财富"));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(45, 3, 5), 1.0));
    p.drawRect(QRectF(0.5, 0.5, w - 1, h - 1));
    return pm;
}

QPixmap TitleStrip(QSize size) {
    QPixmap pm = NewPixmap(size);
    QPainter p(&pm);
    Prepare(p);
    FillCaption(p, QRectF(QPointF(0, 0), size), 1);
    DrawSeal(p, QRectF(4, 3, 15, 15));
    const QFont name = SansFont(13, true);
    p.setFont(name);
    p.setPen(kGoldLight);
    const qreal middle = size.height() / 2.0;
    const QFontMetricsF nameMetrics(name);
    const qreal baseline = middle + (nameMetrics.ascent() - nameMetrics.descent()) / 2.0;
    p.drawText(QPointF(25, baseline), QStringLiteral("Quillora"));
    const qreal after = 25 + nameMetrics.horizontalAdvance(QStringLiteral("Quillora")) + 10;
    p.setPen(QPen(WithAlpha(kGold, 160), 1.0));
    p.drawLine(QPointF(after + 0.5, 5), QPointF(after + 0.5, size.height() - 5));
    const QFont tagFont = SansFont(12, false);
    const QFontMetricsF tagMetrics(tagFont);
    p.setFont(tagFont);
    p.setPen(WithAlpha(kIvory, 215));
    p.drawText(QPointF(after + 10, middle + (tagMetrics.ascent() - tagMetrics.descent()) / 2.0),
               QStringLiteral("品牌起名 · 商标起名 · 法人八字分析  ——  一字千金，好名立业"));
    return pm;
}

QPixmap ToolbarButton(ToolbarIcon icon, Face face, QSize size) {
    QPixmap pm = NewPixmap(size);
    QPainter p(&pm);
    Prepare(p);
    const QRectF frame = QRectF(QPointF(0, 0), size).adjusted(1.5, 1.5, -1.5, -1.5);
    if (face != Face::Normal) {
        QLinearGradient fill(frame.topLeft(), frame.bottomLeft());
        if (face == Face::Down) {
            fill.setColorAt(0, QColor(40, 0, 0, 90));
            fill.setColorAt(1, QColor(40, 0, 0, 50));
        } else {
            const int strength = face == Face::Current ? 85 : 60;
            fill.setColorAt(0, QColor(255, 232, 170, strength));
            fill.setColorAt(1, QColor(255, 200, 120, strength / 3));
        }
        p.setPen(QPen(WithAlpha(kGoldLight, face == Face::Hover ? 220 : 170), 1.0));
        p.setBrush(fill);
        p.drawRoundedRect(frame, 6, 6);
        if (face == Face::Current) {
            QPainterPath marker;
            const qreal cx = size.width() / 2.0;
            marker.moveTo(cx - 6, size.height());
            marker.lineTo(cx, size.height() - 5);
            marker.lineTo(cx + 6, size.height());
            marker.closeSubpath();
            p.setPen(Qt::NoPen);
            p.setBrush(kGoldLight);
            p.drawPath(marker);
        }
    }
    const QPointF shift = face == Face::Down ? QPointF(1, 1) : QPointF(0, 0);
    const qreal radius = 23.5;
    const QPointF centre = QPointF(size.width() / 2.0, 6 + radius) + shift;
    const bool lit = face == Face::Hover || face == Face::Current;
    DrawMedallion(p, centre, radius, lit);
    const qreal disc = radius - 3.2;
    QPainterPath discPath;
    discPath.addEllipse(centre, disc, disc);
    p.save();
    p.setClipPath(discPath);
    switch (icon) {
        case ToolbarIcon::Generation:
            GlyphBrush(p, centre, disc);
            break;
        case ToolbarIcon::Analysis:
            GlyphMagnifier(p, centre, disc);
            break;
        case ToolbarIcon::Bazi:
            GlyphTaiji(p, centre, disc);
            break;
        case ToolbarIcon::Almanac:
            GlyphAlmanac(p, centre, disc);
            break;
        case ToolbarIcon::Tools:
            GlyphGears(p, centre, disc);
            break;
    }
    p.restore();
    DrawShadowedText(p, QPointF(size.width() / 2.0, 66) + shift, ToolbarCaption(icon),
                     SansFont(12, true), lit ? kGoldLight : kIvory);
    return pm;
}

QPixmap WindowButtonFace(WindowButton button, Face face, QSize size) {
    QPixmap pm = NewPixmap(size);
    QPainter p(&pm);
    Prepare(p);
    const QRectF r(QPointF(0, 0), size);
    QColor glyph = kGoldLight;
    if (face == Face::Hover || face == Face::Down) {
        QColor fill;
        if (button == WindowButton::Close) {
            fill = face == Face::Hover ? QColor(214, 38, 46) : QColor(150, 18, 24);
            glyph = Qt::white;
        } else {
            fill = face == Face::Hover ? QColor(255, 230, 170, 55) : QColor(0, 0, 0, 70);
        }
        p.fillRect(r.adjusted(0, 0, 0, -1), fill);
    }
    const QPointF c = r.center() + QPointF(0, -0.5);
    p.setPen(QPen(glyph, 1.6, Qt::SolidLine, Qt::RoundCap));
    if (button == WindowButton::Minimise) {
        p.drawLine(c + QPointF(-5, 3.5), c + QPointF(5, 3.5));
    } else {
        p.drawLine(c + QPointF(-4.5, -4.5), c + QPointF(4.5, 4.5));
        p.drawLine(c + QPointF(-4.5, 4.5), c + QPointF(4.5, -4.5));
    }
    return pm;
}

QPixmap ToolsBackground(QSize size) {
    QPixmap pm = NewPixmap(size);
    QPainter p(&pm);
    Prepare(p);
    const QRectF r(QPointF(0, 0), size);
    QLinearGradient paper(r.topLeft(), r.bottomRight());
    paper.setColorAt(0, QColor(255, 252, 244));
    paper.setColorAt(1, kParchment);
    p.fillRect(r, paper);

    p.save();
    p.setClipRect(r);
    DrawCloud(p, QPointF(r.width() - 90, r.height() - 60), 48, QColor(190, 40, 40, 22), 2.2);
    DrawCloud(p, QPointF(r.width() - 230, r.height() - 28), 26, QColor(190, 40, 40, 16), 1.6);
    DrawCloud(p, QPointF(70, r.height() - 30), 30, QColor(190, 40, 40, 16), 1.8);
    p.restore();

    p.setFont(SerifFont(20, true));
    p.setPen(kRed);
    p.drawText(QPointF(32, 44), QStringLiteral("实用工具"));
    p.setFont(SansFont(12, false));
    p.setPen(QColor(120, 90, 70));
    p.drawText(QPointF(126, 43), QStringLiteral("择日、查历、求名，常用的小工具都在这里"));
    QLinearGradient rule(32, 0, r.width() - 32, 0);
    rule.setColorAt(0, kGold);
    rule.setColorAt(1, WithAlpha(kGold, 0));
    p.fillRect(QRectF(32, 56, r.width() - 64, 1.5), rule);

    // Cards behind the image buttons (at 535,111, 109,189, 535,246 and
    // 109,324).
    const struct {
        QRectF card;
        QString title;
        QString line1;
        QString line2;
    } cards[] = {
        {QRectF(519, 95, 262, 103), QStringLiteral("万年历"),
         QStringLiteral("公历农历对照，一月一览"), QStringLiteral("节气 · 节日 · 生肖星座")},
        {QRectF(93, 173, 310, 103), QStringLiteral("起名服务"),
         QStringLiteral("起名顾问一对一，为品牌量身取名"),
         QStringLiteral("品牌命名 · 商标取名 · 店铺改名")},
        {QRectF(519, 230, 262, 103), QStringLiteral("择吉日"),
         QStringLiteral("按黄历挑开业、签约的日子"), QStringLiteral("开市 · 立券 · 交易 · 冲煞")},
        {QRectF(93, 308, 310, 103), QStringLiteral("商标查询"),
         QStringLiteral("打开商标局网站，查询是否已有注册"),
         QStringLiteral("国家知识产权局 · 商标检索")},
    };
    for (const auto& c : cards) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 60, 20, 22));
        p.drawRoundedRect(c.card.translated(0, 3), 9, 9);
        QLinearGradient fill(c.card.topLeft(), c.card.bottomLeft());
        fill.setColorAt(0, Qt::white);
        fill.setColorAt(1, QColor(255, 249, 236));
        p.setBrush(fill);
        p.setPen(QPen(WithAlpha(kGold, 170), 1.0));
        p.drawRoundedRect(c.card, 9, 9);
        const qreal textLeft = c.card.left() + 16 + 71 + 14;
        p.setFont(SerifFont(16, true));
        p.setPen(kRed);
        p.drawText(QPointF(textLeft, c.card.top() + 36), c.title);
        p.fillRect(QRectF(textLeft, c.card.top() + 44, 28, 2), kGold);
        p.setFont(SansFont(12, false));
        p.setPen(QColor(96, 70, 56));
        p.drawText(QPointF(textLeft, c.card.top() + 66), c.line1);
        p.setPen(QColor(150, 120, 96));
        p.drawText(QPointF(textLeft, c.card.top() + 86), c.line2);
    }

    p.setFont(SansFont(12, false));
    p.setPen(QColor(160, 130, 105));
    p.drawText(QPointF(32, r.height() - 20), QStringLiteral("提示：单击图标即可打开相应工具。"));
    return pm;
}

QPixmap ToolsButton(ToolsIcon icon, Face face, QSize size) {
    QPixmap pm = NewPixmap(size);
    QPainter p(&pm);
    Prepare(p);
    const QPointF shift = face == Face::Down ? QPointF(1, 1) : QPointF(0, 0);
    const QRectF tile = QRectF(QPointF(0, 0), size).adjusted(2, 1, -2, -3).translated(shift);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 20, 10, face == Face::Down ? 40 : 70));
    p.drawRoundedRect(tile.translated(0, 2), 12, 12);
    QLinearGradient fill(tile.topLeft(), tile.bottomLeft());
    if (face == Face::Hover) {
        fill.setColorAt(0, QColor(222, 52, 58));
        fill.setColorAt(1, QColor(150, 22, 28));
    } else if (face == Face::Down) {
        fill.setColorAt(0, QColor(150, 20, 26));
        fill.setColorAt(1, QColor(110, 12, 18));
    } else {
        fill.setColorAt(0, QColor(196, 36, 42));
        fill.setColorAt(1, QColor(128, 14, 20));
    }
    p.setBrush(fill);
    p.setPen(QPen(face == Face::Hover ? kGoldLight : kGold, face == Face::Hover ? 2.0 : 1.4));
    p.drawRoundedRect(tile, 12, 12);
    QLinearGradient gloss(tile.topLeft(), QPointF(tile.left(), tile.center().y()));
    gloss.setColorAt(0, QColor(255, 255, 255, 60));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(gloss);
    p.drawRoundedRect(tile.adjusted(3, 3, -3, -tile.height() / 2), 9, 9);

    const QPointF c(tile.center().x(), tile.top() + 25);
    QString caption;
    if (icon == ToolsIcon::Calendar) {
        caption = QStringLiteral("万年历");
        GlyphCalendarPage(p, QRectF(c.x() - 16, c.y() - 15, 32, 30), kGold, QStringLiteral("历"),
                          kRed, 16);
    } else if (icon == ToolsIcon::Auspicious) {
        caption = QStringLiteral("择吉日");
        GlyphCalendarPage(p, QRectF(c.x() - 16, c.y() - 15, 32, 30), kGoldLight,
                          QStringLiteral("吉"), kRed, 16);
    } else if (icon == ToolsIcon::Trademark) {
        caption = QStringLiteral("商标查询");
        QRadialGradient ivory(c + QPointF(-4, -5), 19);
        ivory.setColorAt(0, Qt::white);
        ivory.setColorAt(1, QColor(246, 228, 186));
        p.setBrush(ivory);
        p.setPen(QPen(WithAlpha(kGold, 220), 1.2));
        p.drawEllipse(c, 15.5, 15.5);
        DrawCentredText(p, c + QPointF(0, 0.5), QStringLiteral("商"), SerifFont(17, true), kRed);
        DrawCentredText(p, c + QPointF(15, -14), QStringLiteral("®"), SansFont(11, true),
                        kGoldLight);
    } else {
        caption = QStringLiteral("起名服务");
        QPainterPath bubble;
        bubble.addRoundedRect(QRectF(c.x() - 17, c.y() - 15, 34, 25), 7, 7);
        QPainterPath tail;
        tail.moveTo(c.x() - 8, c.y() + 8);
        tail.lineTo(c.x() - 12, c.y() + 16);
        tail.lineTo(c.x() - 1, c.y() + 9);
        tail.closeSubpath();
        bubble = bubble.united(tail);
        p.setBrush(QColor(0, 0, 0, 50));
        p.drawPath(bubble.translated(1, 1.5));
        QLinearGradient ivory(c + QPointF(0, -15), c + QPointF(0, 16));
        ivory.setColorAt(0, Qt::white);
        ivory.setColorAt(1, QColor(246, 228, 186));
        p.setBrush(ivory);
        p.setPen(QPen(WithAlpha(kGold, 200), 0.8));
        p.drawPath(bubble);
        DrawCentredText(p, c + QPointF(0, -2.5), QStringLiteral("名"), SerifFont(17, true), kRed);
        QPainterPath star;
        const QPointF s = c + QPointF(15, -15);
        for (int i = 0; i < 8; ++i) {
            const qreal a = i * M_PI / 4;
            const qreal len = (i % 2 == 0) ? 5.5 : 2.0;
            const QPointF pt = s + QPointF(len * qCos(a), len * qSin(a));
            if (i == 0)
                star.moveTo(pt);
            else
                star.lineTo(pt);
        }
        star.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(kGoldLight);
        p.drawPath(star);
    }
    DrawShadowedText(p, QPointF(tile.center().x(), tile.bottom() - 12), caption, SansFont(12, true),
                     face == Face::Hover ? Qt::white : kGoldLight);
    return pm;
}

QPixmap ServiceBanner(QSize size) {
    QPixmap pm = NewPixmap(size);
    QPainter p(&pm);
    Prepare(p);
    const QRectF r(QPointF(0, 0), size);
    QLinearGradient fill(r.topLeft(), r.bottomLeft());
    fill.setColorAt(0, QColor(170, 26, 32));
    fill.setColorAt(1, QColor(110, 10, 15));
    p.fillRect(r, fill);
    QRadialGradient glow(QPointF(r.width() * 0.8, r.height() * 0.4), r.width() * 0.4);
    glow.setColorAt(0, QColor(255, 196, 120, 70));
    glow.setColorAt(1, QColor(255, 196, 120, 0));
    p.fillRect(r, glow);
    p.save();
    p.setClipRect(r);
    DrawCloud(p, QPointF(r.width() - 70, r.height() - 14), 18, QColor(255, 214, 140, 40), 1.3);
    DrawCloud(p, QPointF(r.width() - 170, 18), 11, QColor(255, 214, 140, 30), 1.1);
    p.restore();
    DrawSeal(p, QRectF(20, (r.height() - 44) / 2, 44, 44));
    DrawGoldText(p, QPointF(78, r.height() / 2 + 2), QStringLiteral("品牌起名顾问服务"),
                 SerifFont(22, true));
    p.setFont(SansFont(12, false));
    p.setPen(WithAlpha(kIvory, 220));
    p.drawText(QPointF(80, r.height() / 2 + 22),
               QStringLiteral("一对一咨询 · 专属命名方案 · 全程跟进"));
    QLinearGradient rule(0, 0, r.width(), 0);
    rule.setColorAt(0, QColor(150, 100, 35));
    rule.setColorAt(0.5, kGoldLight);
    rule.setColorAt(1, QColor(150, 100, 35));
    p.fillRect(QRectF(0, r.height() - 3, r.width(), 3), rule);
    return pm;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (const int side : {16, 32, 48, 64}) {
        QPixmap pm(side, side);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        Prepare(p);
        DrawSeal(p, QRectF(0.5, 0.5, side - 1, side - 1));
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

}  // namespace quillora::gui::art
