#include "app/CommandGuard.h"

#include <exception>

#include "app/ShowInfo.h"

namespace quillora::gui {

bool RunCommand(const std::function<void()>& command) {
    try {
        command();
        return true;
    } catch (const std::exception& e) {
        ReportError(QString::fromUtf8(e.what()));
    } catch (...) {
        ReportError(QStringLiteral("未知错误"));
    }
    return false;
}

}  // namespace quillora::gui
