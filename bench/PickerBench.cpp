// Drawing a month in the calendar date picker TFRM_Date, offscreen: the
// labels of the month set (DrawMonth) and the whole window painted into a
// picture, as a click on a stepper does.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>

#include "common/DateValue.h"
#include "datepicker/DateWin.h"

namespace {

using namespace quillora;

void BM_PickerDrawMonth(benchmark::State& state) {
    gui::TFRM_Date picker;
    picker.show();
    QApplication::processEvents();
    QPixmap canvas(picker.size());
    int month = 0;
    for (auto _ : state) {
        picker.DrawMonth(EncodeDate(1901 + month / 12, 1 + month % 12, 15));
        picker.render(&canvas);
        month = (month + 7) % (150 * 12);
    }
}
BENCHMARK(BM_PickerDrawMonth)->Unit(benchmark::kMillisecond);

// Setting the labels alone, without painting.
void BM_PickerSetMonthLabels(benchmark::State& state) {
    gui::TFRM_Date picker;
    picker.show();
    QApplication::processEvents();
    int month = 0;
    for (auto _ : state) {
        picker.DrawMonth(EncodeDate(1901 + month / 12, 1 + month % 12, 15));
        month = (month + 7) % (150 * 12);
    }
}
BENCHMARK(BM_PickerSetMonthLabels)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
