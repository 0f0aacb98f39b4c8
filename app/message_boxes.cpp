#include "app/message_boxes.h"

namespace lirvane::gui {
namespace {
MessageBoxHook& hook() {
  static MessageBoxHook instance;
  return instance;
}
}  // namespace

void showMessageBox(QMessageBox::Icon icon, const QString& caption, const QString& text,
                    QWidget* owner) {
  QMessageBox box(icon, caption, text, QMessageBox::Ok, owner);
  box.setWindowModality(Qt::ApplicationModal);
  if (hook()) {
    hook()(box);
    return;
  }
  box.exec();
}

void setMessageBoxHook(MessageBoxHook newHook) { hook() = std::move(newHook); }

}  // namespace lirvane::gui
