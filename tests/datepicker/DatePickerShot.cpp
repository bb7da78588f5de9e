// Draws the calendar date picker and saves the picture, for the
// documentation and for checking the look after a change:
//   quillora-picker-shot OUT.png [YYYY-MM-DD [SCALE]]
// Shows today's month unless a date is given; SCALE enlarges the picture
// (pixels copied, not smoothed) for a close look.
#include <QApplication>
#include <QPixmap>
#include <cstdio>
#include <cstdlib>

#include "common/DateValue.h"
#include "datepicker/DateWin.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: quillora-picker-shot OUT.png [YYYY-MM-DD [SCALE]]\n");
        return 2;
    }
    quillora::gui::TFRM_Date picker;
    picker.show();
    QApplication::processEvents();
    if (argc > 2)
        picker.ShowDate(quillora::ParseDate(argv[2]));
    QApplication::processEvents();
    QPixmap picture = picker.grab();
    const int scale = argc > 3 ? std::atoi(argv[3]) : 1;
    if (scale > 1)
        picture = picture.scaled(picture.size() * scale);
    return picture.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
