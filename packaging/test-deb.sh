#!/usr/bin/env bash
# Builds the Debian package, installs it, starts the installed program on
# Qt's offscreen platform until its window exists, and removes the package.
# Needs root (or sudo) and a finished default build.
set -euo pipefail
cd "$(dirname "$0")/.."
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"

rm -f build/default/lirvane_*.deb
(cd build/default && cpack --config CPackConfig.cmake >/dev/null)
package=$(ls build/default/lirvane_*.deb)
echo "Built $package"
dpkg-deb --contents "$package" | awk '{print $6}' | grep -E 'bin/lirvane|applications|metainfo|hicolor/(scalable|48x48)'

export DEBIAN_FRONTEND=noninteractive
$sudo apt-get install -y -qq "./$package" >/dev/null
desktop-file-validate /usr/share/applications/io.github.lirvane.Lirvane.desktop
appstreamcli validate --no-net /usr/share/metainfo/io.github.lirvane.Lirvane.metainfo.xml >/dev/null

# The program has no way to say its window is up; running on until stopped
# after a few seconds, without a fatal stop (exit 255) or a crash, is it.
status=0
QT_QPA_PLATFORM=offscreen timeout 5 /usr/bin/lirvane || status=$?
$sudo apt-get remove -y -qq lirvane >/dev/null
if [ "$status" -ne 124 ]; then
  echo "the installed program ended with status $status instead of running" >&2
  exit 1
fi
if [ -e /usr/bin/lirvane ]; then
  echo "the package left /usr/bin/lirvane behind" >&2
  exit 1
fi
echo "The package installs, starts and uninstalls cleanly."
