#!/usr/bin/env bash
# Runs Lirvane (the run probe) on a virtual display with a session bus and
# the accessibility bus, fetches a playlist from the sample service, and
# reads the window through AT-SPI with read_window.py.
#   read_window.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
exec dbus-run-session -- bash -c '
  set -euo pipefail
  build=$1; here=$2
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  log=$(mktemp)
  "$build/tools/lirvane-sample-service" --port 0 >"$log" &
  service=$!
  trap "kill $launcher $service 2>/dev/null || true; rm -f $log $log.probe" EXIT
  for _ in $(seq 50); do [ -s "$log" ] && break; sleep 0.1; done
  export http_proxy=$(head -n 1 "$log") QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
  unset no_proxy NO_PROXY
  xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" bash -c "
    \"$build/app/tests/lirvane_run_probe\" fetch-stay 10001 > \"$log.probe\" &
    probe=\$!
    for _ in \$(seq 200); do grep -q listed \"$log.probe\" 2>/dev/null && break; sleep 0.1; done
    /usr/bin/python3 \"$here/read_window.py\" lirvane_run_probe
    status=\$?
    kill \$probe
    exit \$status"
' bash "$build" "$here"
