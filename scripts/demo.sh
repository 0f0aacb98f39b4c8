#!/usr/bin/env bash
# Lirvane against the sample playlist service: songs without the internet.
#   bash scripts/demo.sh          starts Lirvane on this desktop; press 获取 (the number
#                                 shown, 100200300, has three songs; 10001 has five
#                                 Chinese ones; any other n gives n % 100001 songs)
#   bash scripts/demo.sh --xvfb [NUMBER]
#                                 no display needed: runs on a virtual display, presses
#                                 获取 itself and saves the filled window as lirvane-demo.png
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh >/dev/null
build=build/default

log=$(mktemp)
"$build/tools/lirvane-sample-service" --port 0 >"$log" &
service=$!
trap 'kill $service 2>/dev/null; rm -f "$log"' EXIT
for _ in $(seq 50); do [ -s "$log" ] && break; sleep 0.1; done
address=$(head -n 1 "$log")
echo "Sample playlist service at $address; Lirvane reaches it as its proxy."
export http_proxy=$address
unset no_proxy NO_PROXY

if [ "${1:-}" = "--xvfb" ]; then
  xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    "$build/tools/lirvane-demo" "${2:-100200300}" "$PWD/lirvane-demo.png"
elif [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here. Run 'bash scripts/demo.sh --xvfb' to see it work on a virtual" >&2
  echo "display: it presses 获取 itself and saves a picture of the window." >&2
  exit 1
else
  "$build/app/lirvane"
fi
