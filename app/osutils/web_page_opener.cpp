#include "app/osutils/web_page_opener.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>

namespace lirvane::gui::osutils {
namespace {

constexpr const char* kHtmlType = "text/html";

// The value of `key` in the [group] of an XDG key file (a desktop entry, a
// mimeapps.list, a mimeinfo.cache); empty when there is none.
QString keyFileValue(const QString& path, const QString& group, const QString& key) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  bool inGroup = false;
  while (!file.atEnd()) {
    QString line = QString::fromUtf8(file.readLine()).trimmed();
    if (line.startsWith(u'[')) {
      inGroup = line == u'[' + group + u']';
    } else if (inGroup && line.startsWith(key + u'=')) {
      return line.mid(key.size() + 1);
    }
  }
  return {};
}

// The first desktop entry a .list file names for text/html.
QString firstEntryFor(const QString& listFile, const QString& group) {
  QString entries = keyFileValue(listFile, group, QString::fromLatin1(kHtmlType));
  return entries.split(u';', Qt::SkipEmptyParts).value(0).trimmed();
}

}  // namespace

std::optional<QString> registeredHtmlCommand() {
  // The user's and the system's associations, most preferred first, then
  // what the installed applications declare.
  QStringList lists;
  for (const QString& dir :
       QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation))
    lists << dir + QStringLiteral("/mimeapps.list");
  QStringList applicationDirs =
      QStandardPaths::standardLocations(QStandardPaths::ApplicationsLocation);
  for (const QString& dir : applicationDirs) lists << dir + QStringLiteral("/mimeapps.list");
  QString entry;
  for (const QString& list : lists) {
    entry = firstEntryFor(list, QStringLiteral("Default Applications"));
    if (!entry.isEmpty()) break;
  }
  for (int i = 0; entry.isEmpty() && i < applicationDirs.size(); ++i) {
    entry = firstEntryFor(applicationDirs[i] + QStringLiteral("/mimeinfo.cache"),
                          QStringLiteral("MIME Cache"));
  }
  if (entry.isEmpty()) return std::nullopt;
  for (const QString& dir : applicationDirs) {
    QString exec =
        keyFileValue(dir + u'/' + entry, QStringLiteral("Desktop Entry"), QStringLiteral("Exec"));
    if (!exec.isEmpty()) return exec;
  }
  return std::nullopt;
}

QString commandForAddress(const QString& command, const QString& address) {
  static const QRegularExpression kQuoted(QStringLiteral("\"%[uUfF1]\""));
  static const QRegularExpression kPlain(QStringLiteral("%[uUfF1]"));
  qsizetype cut = command.indexOf(kQuoted);
  if (cut < 0) cut = command.indexOf(kPlain);
  QString head = cut < 0 ? command : command.left(cut);
  return head + u' ' + address;
}

bool openWebPage(const QUrl& address) {
  if (QDesktopServices::openUrl(address)) return true;
  auto command = registeredHtmlCommand();
  if (!command) return false;
  QStringList words = QProcess::splitCommand(commandForAddress(*command, address.toString()));
  if (words.isEmpty()) return false;
  QString program = words.takeFirst();
  return QProcess::startDetached(program, words);
}

}  // namespace lirvane::gui::osutils
