// The program's modal message boxes, with a hook through which tests answer
// them instead of a user.
//
// showMessageBox builds the box and runs it modally; when a test hook is
// set, the hook receives the built box instead (it may read it and must not
// run it), and the call returns as if the user had pressed OK.
// UI thread only.
#pragma once

#include <QMessageBox>

#include <functional>

namespace lirvane::gui {

using MessageBoxHook = std::function<void(QMessageBox&)>;

void showMessageBox(QMessageBox::Icon icon, const QString& caption, const QString& text,
                    QWidget* owner = nullptr);

// For tests: answers every box from now on; an empty hook restores the user.
void setMessageBoxHook(MessageBoxHook hook);

}  // namespace lirvane::gui
