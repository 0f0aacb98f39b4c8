// The program's fatal stop and its exit handler.
//
// Contract:
// - fatalStop shows the error box (caption "错误", the error icon, "运行时出错!",
//   CR LF CR LF, "错误信息：", the message, CR LF), empties the exit handler
//   slot and ends the process with status 255 (the -1 of the platform). It
//   never returns. From a thread other than the UI thread the box is shown
//   by the UI thread while the caller waits, when that thread still runs.
// - An allocation of the program (any C++ new) that fails stops the same way
//   with "分配 N 字节内存失败!".
// - The exit handler slot holds one routine, run once by runExitHandler at
//   the normal end; a fatal stop empties it first so it never runs then.
#pragma once

#include <QString>

#include <cstddef>
#include <functional>

#include "text/text.h"

namespace lirvane::gui {

class UiThreadCaller;

[[noreturn]] void fatalStop(const Text& message);

// The text of the fatal box for `message`.
QString fatalBoxText(const Text& message);

// "分配 N 字节内存失败!"
Text allocationFailureMessage(std::size_t bytes);

// Makes failed allocations stop the program; called once at start-up.
void installAllocationFailureStop();

// The thread that may show the box for other threads; nullptr when gone.
void setFatalBoxThread(UiThreadCaller* caller);

void setExitHandler(std::function<void()> handler);
void runExitHandler();

}  // namespace lirvane::gui
