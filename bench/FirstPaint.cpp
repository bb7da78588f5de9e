// quillora-first-paint: the desktop program's own start (RunApplication, as
// src/app/main.cpp runs it) with a probe that notes when the first window has
// been painted. Then it writes "painted N ms" (N from the start of main) to
// stdout and quits. StartupBench times it from outside, from process start.
// With QUILLORA_MAPS_OUT=FILE set it also writes the files the process has
// mapped (program, libraries, fonts) to FILE, one a line, so the benchmark
// can drop them from the page cache for a cold start.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <string>

#include "app/Application.h"

namespace {

QElapsedTimer& Clock() {
    static QElapsedTimer clock;
    return clock;
}

void WriteMappedFiles(const char* out) {
    std::ifstream maps("/proc/self/maps");
    std::set<std::string> files;
    std::string line;
    while (std::getline(maps, line)) {
        const auto slash = line.find('/');
        if (slash != std::string::npos && line.find(" (deleted)") == std::string::npos)
            files.insert(line.substr(slash));
    }
    std::ofstream o(out);
    for (const std::string& f : files)
        o << f << '\n';
}

// Watches every event of the application; after the first paint event of a
// window, a zero timer fires once the whole paint pass (the window and its
// children) is done.
class PaintProbe : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!seen_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                if (const char* out = std::getenv("QUILLORA_MAPS_OUT"))
                    WriteMappedFiles(out);
                std::printf("painted %lld ms\n", static_cast<long long>(Clock().elapsed()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

  private:
    bool seen_ = false;
};

void InstallProbe() {
    QCoreApplication::instance()->installEventFilter(new PaintProbe(qApp));
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallProbe)

int main(int argc, char** argv) {
    Clock().start();
    return quillora::gui::RunApplication(argc, argv);
}
