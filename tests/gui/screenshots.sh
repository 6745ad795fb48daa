#!/bin/bash
# Takes a screenshot of every dialog template, English and Korean, on a private
# Wine session:  tests/gui/screenshots.sh BUILD_DIR [ID...]
# Needs BUILD_DIR/bin/template_viewer.exe; writes BUILD_DIR/screenshots/en/*.png
# and BUILD_DIR/screenshots/ko/*.png (one per template, named by its id; pages
# that carry the button bar are shown with it). When BUILD_DIR/bin/setup.exe
# exists, the whole screen with its background window and first page goes to
# BUILD_DIR/screenshots/{en,ko}/background.png as well.
set -euo pipefail

build=$(realpath "$1")
shift
only=" $* "
here=$(cd "$(dirname "$0")" && pwd)
viewer=$build/bin/template_viewer.exe
session=$build/screenshots/session
out=$build/screenshots
[ -x "$viewer" ] || { echo "screenshots.sh: $viewer is missing; build template_viewer first" >&2; exit 2; }

"$here/../harness/wine-session.sh" start "$session"
trap '"$here/../harness/wine-session.sh" stop "$session"' EXIT
# shellcheck disable=SC1091
source "$session/wine-session.env"
# Xvfb has no window manager: Wine then draws the captions and frames itself.
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1
/usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Gulim /d NanumGothic /f >/dev/null 2>&1

# "id|bar id|control=text|-control|...": what the program fills in at run
# time is filled with typical texts, so that their room can be judged too;
# of the folder picker's two path controls only the edit shows.
plugins='C:\Program Files\Netscape\Navigator\Program\plugins'
templates=(
  "102|129" "114" "104|129|1001=$plugins"
  "108|1008=A:\VELMOPI.Z01|1009=$plugins\Velmopi\npdvi.dll (42%)"
  "1549" "115" "116" "1558"
  "1545|129" "1546|129|1031=$plugins\Velmopi\npdvi.dll"
  "1550|129" "1547|129" "138|1002=$plugins|-1034"
  "113|1026=Please insert diskette 2 in drive A:|1033=Setup cannot find the file 'A:\VELMOPI.Z02' on the drive and directory specified below. Please insert the specified diskette in this drive. If the files can be found in a different location, type the location below or pick with Browse.|1001=A:\\"
  "1544|141=Setup cannot continue|140=File not found.|152=A file required for this operation was not found. This could be because the wrong location for the file was specified, or because the file has been deleted.|144=9.2 (CXFileException)"
)

capture() { # language-dir locale "id|args..."
  local dir=$1 locale=$2 rect="" pid ready
  local -a args
  IFS='|' read -r -a args <<<"$3"
  local id=${args[0]}
  mkdir -p "$out/$dir"
  ready=$(mktemp)
  LC_ALL=$locale LANG=$locale /usr/lib/wine/wine64 "$viewer" "${args[@]}" >"$ready" 2>/dev/null </dev/null &
  pid=$!
  for _ in $(seq 200); do
    rect=$(head -n 1 "$ready")
    [ -n "$rect" ] && break
    sleep 0.05
  done
  if [ -z "$rect" ]; then
    echo "template $id ($dir): the viewer showed nothing" >&2
    kill "$pid" 2>/dev/null || true
    rm -f "$ready"
    return 1
  fi
  read -r x y w h <<<"$rect"
  sleep 0.3 # let the X server finish drawing
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$out/$dir/$id.png"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  rm -f "$ready"
  echo "$out/$dir/$id.png"
}

background() { # language-dir locale
  local dir=$1 locale=$2 pid
  [ -x "$build/bin/setup.exe" ] || return 0
  [ "$only" = "  " ] || [[ $only == *" background "* ]] || return 0
  mkdir -p "$out/$dir"
  LC_ALL=$locale LANG=$locale /usr/lib/wine/wine64 "$build/bin/setup.exe" >/dev/null 2>&1 </dev/null &
  pid=$!
  sleep 4 # start-up, the ramp and the first page
  import -window root "$out/$dir/background.png"
  kill "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  echo "$out/$dir/background.png"
}

status=0
background en en_US.UTF-8
background ko ko_KR.UTF-8
for t in "${templates[@]}"; do
  [ "$only" = "  " ] || [[ $only == *" ${t%%|*} "* ]] || continue
  capture en en_US.UTF-8 "$t" || status=1
  # The error dialog has no Korean variant.
  [[ $t == 1544* ]] || capture ko ko_KR.UTF-8 "$t" || status=1
done
exit $status
