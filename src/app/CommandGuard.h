// Where the errors of a window command stop. Every command a control starts
// runs inside RunCommand: a conversion, database or file error that escapes
// the command is shown by the error report (caption "错误") and the window
// keeps running. Nothing is thrown back into Qt's signal and event dispatch,
// which is built without exception support.
//
// A page connects its controls through CommandSlot:
//   connect(button, &QPushButton::clicked, this, CommandSlot(this, &Page::ButtonClick));
// and an event handler that starts a command calls RunCommand itself.
#pragma once

#include <functional>

namespace quillora::gui {

// Runs a command. An exception that escapes it goes to ReportError with its
// text (a thrown value of another kind as "未知错误"). Returns whether the
// command ran to its end.
bool RunCommand(const std::function<void()>& command);

// A slot that runs receiver->*command through RunCommand with the signal's
// arguments; a command may take fewer arguments than the signal carries.
template <typename Receiver, typename... Args>
auto CommandSlot(Receiver* receiver, void (Receiver::*command)(Args...)) {
    return
        [receiver, command](Args... args) { RunCommand([&] { (receiver->*command)(args...); }); };
}

}  // namespace quillora::gui
