#include "app/Chrome.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

namespace quillora::gui {

QFont ProgramFont() {
    QFont font;
    font.setFamilies({QStringLiteral("宋体"), QStringLiteral("SimSun"),
                      QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Noto Serif CJK SC"),
                      QStringLiteral("WenQuanYi Zen Hei")});
    font.setPixelSize(12);
    return font;
}

void UseDialogColours(QWidget* dialog) {
    QPalette pal = dialog->palette();
    pal.setColor(QPalette::Window, QColor(250, 244, 230));
    dialog->setPalette(pal);
    dialog->setAutoFillBackground(true);
}

QPoint PlacedTopLeft(const QRect& available, const QSize& size) {
    const QPoint centred = available.center() - QRect(QPoint(0, 0), size).center();
    const int x =
        size.width() <= available.width() ? centred.x() : available.right() + 1 - size.width();
    const int y = size.height() <= available.height() ? centred.y() : available.top();
    return {x, y};
}

ImageButton::ImageButton(const QString& name, const QRect& geometry, const QString& hint,
                         QWidget* parent)
    : QAbstractButton(parent) {
    setObjectName(name);
    setGeometry(geometry);
    setToolTip(hint);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

void ImageButton::SetFaces(QPixmap normal, QPixmap hover, QPixmap down, QPixmap current) {
    normal_ = std::move(normal);
    hover_ = std::move(hover);
    down_ = std::move(down);
    currentFace_ = std::move(current);
    update();
}

void ImageButton::SetCurrent(bool current) {
    if (current_ == current)
        return;
    current_ = current;
    update();
}

QSize ImageButton::sizeHint() const {
    return size();
}

void ImageButton::paintEvent(QPaintEvent*) {
    const QPixmap* face = &normal_;
    if (isDown() && !down_.isNull())
        face = &down_;
    else if (hovered_ && !hover_.isNull())
        face = &hover_;
    else if (current_ && !currentFace_.isNull())
        face = &currentFace_;
    if (face->isNull())
        return;
    QPainter p(this);
    p.drawPixmap(0, 0, *face);
}

void ImageButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

DragStrip::DragStrip(const QString& name, const QRect& geometry, QWidget* parent) : QLabel(parent) {
    setObjectName(name);
    setGeometry(geometry);
}

void DragStrip::mousePressEvent(QMouseEvent* event) {
    QWidget* top = window();
    if (QWindow* handle = top->windowHandle(); handle && handle->startSystemMove()) {
        event->accept();
        return;
    }
    dragging_ = true;
    grabOffset_ = event->globalPosition().toPoint() - top->pos();
    event->accept();
}

void DragStrip::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_)
        return;
    window()->move(event->globalPosition().toPoint() - grabOffset_);
    event->accept();
}

void DragStrip::mouseReleaseEvent(QMouseEvent* event) {
    dragging_ = false;
    event->accept();
}

}  // namespace quillora::gui
