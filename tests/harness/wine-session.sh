#!/bin/bash
# Starts or stops the private Wine session of a test run:
#   wine-session.sh start DIR   fresh prefix DIR/wineprefix, an Xvfb display and a
#                               warm wineserver; writes DIR/wine-session.env
#   wine-session.sh stop DIR    stops the wineserver and the Xvfb started above
# Every process started here gets /dev/null as its standard handles: a service
# that inherits a pipe of the caller would keep a test runner waiting forever.
set -euo pipefail

action=$1
dir=$(realpath -m "$2")
env_file=$dir/wine-session.env
wine_dir=/usr/lib/wine

start() {
  mkdir -p "$dir"
  [ -f "$env_file" ] && stop

  local display=90
  while [ -e /tmp/.X11-unix/X$display ] || [ -e /tmp/.X$display-lock ]; do
    display=$((display + 1))
  done
  setsid Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  local xvfb_pid=$!
  for _ in $(seq 100); do
    [ -e /tmp/.X11-unix/X$display ] && break
    sleep 0.05
  done

  cat >"$env_file" <<ENV
export WINEPREFIX=$dir/wineprefix
export WINEPRISTINE=$dir/wineprefix-pristine
export WINEDEBUG=-all
export WINEDLLOVERRIDES=winemenubuilder.exe=d
export DISPLAY=:$display
export XVFB_PID=$xvfb_pid
ENV
  # shellcheck disable=SC1090
  source "$env_file"
  rm -rf "$WINEPREFIX" "$WINEPRISTINE"
  # Boot the prefix and let its server end, so the registry is on disk.
  "$wine_dir/wine64" wineboot -i </dev/null >/dev/null 2>&1
  # Xvfb has no window manager: let Wine place and size windows itself, or a
  # maximised window is shrunk back once it is shown.
  "$wine_dir/wine64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
  "$wine_dir/wineserver" -w </dev/null >/dev/null 2>&1 || true
  # A copy of the freshly booted prefix for tests that need a pristine machine.
  cp -a "$WINEPREFIX" "$WINEPRISTINE"
  # Keep the server and the background services warm for the whole run.
  "$wine_dir/wineserver" -p </dev/null >/dev/null 2>&1
  "$wine_dir/wine64" wineboot </dev/null >/dev/null 2>&1
}

stop() {
  [ -f "$env_file" ] || return 0
  # shellcheck disable=SC1090
  source "$env_file"
  "$wine_dir/wineserver" -k >/dev/null 2>&1 || true
  kill "$XVFB_PID" 2>/dev/null || true
  rm -f "$env_file"
}

case $action in
  start) start ;;
  stop) stop ;;
  *) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
