// lirvane-demo: Lirvane itself, driven as a user would for a demonstration
// on a machine without a desktop: once the window shows, it types a number,
// presses 获取, waits for the summary, saves a picture of the window and
// closes it.
//   lirvane-demo NUMBER PICTURE.png
// The playlist comes from wherever http_proxy points (the sample service).
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <cstdio>

#include "app/application.h"
#include "app/main_window.h"
#include "app/number_edit.h"

namespace {

QString g_number;
QString g_picture;

lirvane::gui::MainWindow* mainWindow() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* window = qobject_cast<lirvane::gui::MainWindow*>(widget);
    if (window && window->isVisible()) return window;
  }
  return nullptr;
}

void finishWhenListed() {
  auto* window = mainWindow();
  if (!window) return;
  bool done = window->fetchButton()->isEnabled() &&
              window->statusPart()->text().startsWith(QStringLiteral("QQ:"));
  if (!done) {
    QTimer::singleShot(50, finishWhenListed);
    return;
  }
  // A frame for the last changes to show, then the picture.
  QTimer::singleShot(300, [window] {
    QRect frame = window->frameGeometry();
    QPixmap picture = window->screen()->grabWindow(0, frame.x(), frame.y(), frame.width(),
                                                   frame.height());
    bool saved = picture.save(g_picture);
    std::printf("%s\n%s %s\n", window->statusPart()->text().toUtf8().constData(),
                saved ? "saved" : "could not save", g_picture.toUtf8().constData());
    window->close();
  });
}

void pressFetch() {
  QTimer::singleShot(500, [] {
    auto* window = mainWindow();
    if (!window) return;
    window->numberBox()->setText(g_number);
    window->fetchButton()->click();
    finishWhenListed();
  });
}
Q_COREAPP_STARTUP_FUNCTION(pressFetch)

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: lirvane-demo NUMBER PICTURE.png\n");
    return 2;
  }
  g_number = QString::fromLocal8Bit(argv[1]);
  g_picture = QString::fromLocal8Bit(argv[2]);
  return lirvane::gui::runLirvane(argc, argv);
}
