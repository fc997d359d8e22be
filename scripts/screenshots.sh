#!/usr/bin/env bash
# Takes the screenshots of the README and the user manual: builds the
# program, starts it under a virtual X display (Xvfb) on a fresh program
# folder, which the program seeds with the sample database and opens at
# start-up, and saves to docs/images/ the request page, the component table
# page and the report page, reached through the program's own View menu, the
# print preview of the first report's body page, a search by address, the
# grade of the report found with its clause list, the options dialog and the
# page setup dialog with its five tabs.
#
# Usage: scripts/screenshots.sh [output folder]   (default docs/images)
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
"$root/scripts/install-deps.sh" xvfb xdotool imagemagick
build_tree "$root/build/run"

out="${1:-$root/docs/images}"
mkdir -p "$out"
home="$(mktemp -d)"
width=1366
height=860

# A display number nobody uses.
display=99
while [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ]; do
  display=$((display + 1))
done
export DISPLAY=":${display}"

Xvfb "$DISPLAY" -screen 0 "${width}x${height}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$home"
}
trap cleanup EXIT

# The display is there once a client can talk to it.
for _ in $(seq 50); do
  xdotool getmouselocation >/dev/null 2>&1 && break
  sleep 0.1
done

APPRAISAL_HOME="$home" LC_ALL=C.UTF-8 "$root/build/run/bin/house-appraisal" &
app_pid=$!

# The frame's window; without a window manager it is placed and sized here.
frame="$(xdotool search --sync --onlyvisible --name '晨岭房屋安全鉴定管理系统' | head -n 1)"
xdotool windowmove "$frame" 0 0 windowsize "$frame" "$width" "$height"
sleep 1.5 # let the frame lay out and draw the report window

shoot() {
  import -window root "$out/$1"
  echo "wrote $out/$1"
}

xdotool windowactivate --sync "$frame" 2>/dev/null || xdotool windowfocus --sync "$frame"
shoot report-window-request.png

# View menu (Alt+V): 工具栏, 状态栏, 导航器, 登记, 鉴定和计算, 鉴定报告.
xdotool key --clearmodifiers alt+v
sleep 0.5
xdotool key Down Down Down Down Return
sleep 1
shoot report-window-components.png

xdotool key --clearmodifiers alt+v
sleep 0.5
xdotool key Down Down Down Down Down Return
sleep 1
shoot report-window-report.png

# The print preview (Ctrl+W) of the report shown. Without a window manager
# the preview is not maximised for us: it is placed and sized here. Then the
# body page (下一页, the bar's fourth button), a click on the page for actual
# size and a second one for the whole page at the window's height.
xdotool key ctrl+w
preview="$(xdotool search --sync --onlyvisible --name '^打印预览$' | head -n 1)"
xdotool windowmove "$preview" 0 0 windowsize "$preview" "$width" "$height"
sleep 1
xdotool mousemove 350 15 click 1
sleep 0.5
xdotool mousemove 360 250 click 1
sleep 0.5
xdotool mousemove $((width / 2)) $((height / 2)) click 1
sleep 1
shoot print-preview.png
xdotool key Escape
sleep 0.5

# Clicks at a place inside a window, given relative to its corner.
click_in() {
  local X Y WIDTH HEIGHT SCREEN WINDOW
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
  sleep 0.5
}
# Saves one window alone.
shoot_window() {
  import -window "$1" "$out/$2"
  echo "wrote $out/$2"
}
# The window of a dialog by its title.
window_named() {
  xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1
}

# The search tab (查询): the houses whose address holds 天河.
xdotool mousemove 72 71 click 1
sleep 0.5
xdotool mousemove 26 163 click 1
xdotool mousemove 70 266 click 1
xdotool type --delay 50 '天河'
xdotool mousemove 84 298 click 1
sleep 1
shoot search.png

# The report found first, graded on its component page (计算等级 under the
# table), the message box left open.
xdotool mousemove 263 823 click 1
sleep 0.5
xdotool mousemove 345 595 click 1
sleep 1
shoot grade.png
xdotool key Return
sleep 0.5

# The clause list, widened by its splitter, for a clause cell.
xdotool mousemove 1155 335 mousedown 1 mousemove 1000 335 sleep 0.2 mousemove 800 335 mouseup 1
sleep 0.5
xdotool mousemove 716 308 click 1
sleep 0.7
shoot clauses.png

# The options dialog (选项 › 设置), both tabs.
xdotool mousemove 292 11 click 1
sleep 0.5
xdotool mousemove 320 36 click 1
options="$(window_named '配置')"
sleep 0.5
shoot_window "$options" options.png
click_in "$options" 83 22
shoot_window "$options" options-other.png
xdotool key Escape
sleep 0.5

# The page setup dialog (文件 › 页面设置), its first tab alone and the other
# four in one picture.
xdotool mousemove 45 11 click 1
sleep 0.5
xdotool mousemove 80 163 click 1
setup="$(window_named '页面设置')"
sleep 1
shoot_window "$setup" pagesetup.png
tabs=()
for x in 110 175 262 365; do
  click_in "$setup" "$x" 22
  import -window "$setup" "$home/tab-$x.png"
  tabs+=("$home/tab-$x.png")
done
convert \( "${tabs[0]}" "${tabs[1]}" +append \) \( "${tabs[2]}" "${tabs[3]}" +append \) -append "$out/pagesetup-tabs.png"
echo "wrote $out/pagesetup-tabs.png"
click_in "$setup" 488 244
