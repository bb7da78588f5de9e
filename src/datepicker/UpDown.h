// A stepper of two small arrow buttons, up above down, holding a position
// within a range. The arrows move the position by one without wrapping and
// report the step; setting the position from code reports nothing.
#pragma once

#include <QWidget>

class QToolButton;

namespace quillora::gui {

class UpDown : public QWidget {
    Q_OBJECT
  public:
    explicit UpDown(QWidget* parent = nullptr);

    void SetRange(int minimum, int maximum);
    int Position() const { return position_; }
    void SetPosition(int position);  // clamped into the range

    // What a press of the upper (+1) or lower (-1) arrow does. At the end
    // of the range the position stays and no step is reported.
    void Step(int delta);

    QToolButton* UpButton() const { return up_; }
    QToolButton* DownButton() const { return down_; }

  signals:
    // The user moved the position with an arrow.
    void Stepped(int position);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    QToolButton* up_;
    QToolButton* down_;
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
};

}  // namespace quillora::gui
