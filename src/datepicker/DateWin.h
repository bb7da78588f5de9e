// The calendar date picker window: one Gregorian month as a grid of days,
// each with its lunar day, lunar month, festival or solar term below it,
// the year and month with their steppers above, the zodiac of the month and
// the star sign of the selected day below. A viewer only: the selection
// stays inside the window.
#pragma once

#include <QDialog>
#include <array>

#include "common/DateValue.h"

class QLabel;
class QPushButton;

namespace quillora::gui {

class UpDown;

class TFRM_Date : public QDialog {
    Q_OBJECT
  public:
    explicit TFRM_Date(QWidget* parent = nullptr);

    static constexpr int kCellCount = 37;
    static constexpr int kFirstYear = 1901;
    static constexpr int kLastYear = 2050;

    // Shows the month of a date with that day selected, as on opening and
    // for "今天". A date outside 1901-2050 shows the nearest month inside
    // the range (January 1901 or December 2050) with its day selected.
    void ShowDate(DateValue date);
    void ShowToday();

    // Draws the month of x (a day of the shown month), highlighting x's day.
    void DrawMonth(DateValue x);

    int ShownYear() const { return shownYear_; }
    int ShownMonth() const { return shownMonth_; }
    int SelectedDay() const { return selectedDay_; }

    // The two labels of cell 1 to 37.
    QLabel* DayLabel(int cell) const { return dayLabels_.at(cell - 1); }
    QLabel* LunarLabel(int cell) const { return lunarLabels_.at(cell - 1); }

    // The named controls of the window.
    QLabel* Label1;   // shown year
    QLabel* Label17;  // shown month
    UpDown* UpDown1;  // year stepper
    UpDown* UpDown2;  // month stepper
    QPushButton* BtnToday;
    QLabel* Label20;  // background year
    QLabel* Label16;  // background month
    QWidget* Shape2;  // highlight behind the selected day
    QLabel* Label21;  // zodiac
    QLabel* Label22;  // star sign

  protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void BuildFixedElements();
    void BuildCells();
    void Label1Click();
    void Label17Click();
    void UpDown1Click(int position);
    void UpDown2Click(int position);
    void DrawShownMonth();
    void DayLabelMouseDown(QLabel* label);
    void LunarLabelMouseDown(QLabel* label);
    void CellClick(QLabel* label);

    std::array<QLabel*, kCellCount> dayLabels_{};
    std::array<QLabel*, kCellCount> lunarLabels_{};
    int shownYear_ = kFirstYear;
    int shownMonth_ = 1;
    int selectedDay_ = 1;
    bool wasActive_ = false;
};

}  // namespace quillora::gui
