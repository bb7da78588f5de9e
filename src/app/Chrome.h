// The pieces of the main window's own chrome: image buttons that show a
// picture per state, and the picture strip that drags a borderless window.
#pragma once

#include <QAbstractButton>
#include <QFont>
#include <QLabel>
#include <QPixmap>
#include <QPoint>

namespace quillora::gui {

// The windows' font: 宋体 at 9 points (12 pixels on the 96-dpi layout the
// windows are drawn for), falling back to the Noto CJK faces where 宋体 is
// not installed.
QFont ProgramFont();

// The warm paper colour of the program's secondary windows (service,
// analysis, help), filled behind their controls.
void UseDialogColours(QWidget* dialog);

// Where a window of the given size goes on a screen's available area:
// centred when it fits. A window taller than the area keeps its top (the
// title strip) on it; one wider keeps its right edge (the minimise and close
// buttons) on it, so it can always be dragged and closed.
QPoint PlacedTopLeft(const QRect& available, const QSize& size);

// A button drawn entirely by pictures: one for rest, one under the mouse, one
// while pressed and, for the toolbar, one for the button of the page on show.
class ImageButton : public QAbstractButton {
    Q_OBJECT
  public:
    ImageButton(const QString& name, const QRect& geometry, const QString& hint, QWidget* parent);

    void SetFaces(QPixmap normal, QPixmap hover, QPixmap down, QPixmap current = {});
    void SetCurrent(bool current);
    bool IsCurrent() const { return current_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    QPixmap normal_;
    QPixmap hover_;
    QPixmap down_;
    QPixmap currentFace_;
    bool current_ = false;
    bool hovered_ = false;
};

// A picture that moves its top-level window while any mouse button is held on
// it. The window system moves the window where it can; elsewhere the strip
// follows the mouse itself.
class DragStrip : public QLabel {
    Q_OBJECT
  public:
    DragStrip(const QString& name, const QRect& geometry, QWidget* parent);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool dragging_ = false;
    QPoint grabOffset_;
};

}  // namespace quillora::gui
