#!/usr/bin/env bash
# Runs the program as a person would see it: under Xvfb with the openbox
# window manager, on a copy of the built program folder. Checks from outside,
# through the X server, that the framed main window lies on the screen, can be
# resized and maximised, and comes back where it was left.
#   scripts/desktop-test.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "${1:-build}")

if [ -z "${HT57_UNDER_XVFB:-}" ]; then
    # -a picks a free display number; others may run Xvfb at the same time.
    HT57_UNDER_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$build"
fi

work=$(mktemp -d)
openbox_pid=""
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$openbox_pid" ] && kill "$openbox_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A program folder of its own, so Program.ini in the build stays as it is.
for f in ht57 default.dat Program.ini Background.bmp logo.ico; do
    cp "$build/bin/$f" "$work/"
done
cp -r "$build/bin/translations" "$work/"
unset QT_QPA_PLATFORM
export QT_QPA_PLATFORM=xcb

openbox --sm-disable >/dev/null 2>&1 &
openbox_pid=$!
# The window manager announces itself before it publishes the work area; wait
# for both.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" &&
        xprop -root _NET_WORKAREA 2>/dev/null | grep -q " = " && break
    sleep 0.1
done

read -r area_x area_y area_w area_h < <(xprop -root _NET_WORKAREA | sed 's/.*= //; s/,//g' | cut -d' ' -f1-4)

# Arguments go to the program; QT_SCALE_FACTOR in the environment scales it.
start_program() {
    "$work/ht57" "$@" >"$work/out.txt" 2>&1 &
    program_pid=$!
    window=""
    for _ in $(seq 100); do
        window=$(xdotool search --onlyvisible --pid "$program_pid" --name "Software" 2>/dev/null | head -1) || true
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || fail "the main window did not appear"
    sleep 1  # let the window manager finish framing and placing it
}

# The client's place and size, and the frame's left, right, top and bottom
# widths, into frame_x frame_y frame_w frame_h client_w client_h.
measure() {
    local info extents
    info=$(xwininfo -id "$window")
    local x y
    x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
    y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
    client_w=$(awk '/Width:/ {print $2}' <<<"$info")
    client_h=$(awk '/Height:/ {print $2}' <<<"$info")
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    read -r left right top bottom <<<"$extents"
    frame_x=$((x - left))
    frame_y=$((y - top))
    frame_w=$((client_w + left + right))
    frame_h=$((client_h + top + bottom))
}

check_on_screen() {
    measure
    echo "  frame ${frame_x},${frame_y} ${frame_w}x${frame_h} in work area ${area_x},${area_y} ${area_w}x${area_h}"
    [ "$frame_x" -ge "$area_x" ] && [ "$frame_y" -ge "$area_y" ] &&
        [ $((frame_x + frame_w)) -le $((area_x + area_w)) ] &&
        [ $((frame_y + frame_h)) -le $((area_y + area_h)) ] || fail "$1: the framed window leaves the work area"
}

# Alt+F4 as a person presses it: the window manager asks the window to close.
close_program() {
    xdotool windowactivate --sync "$window" key --clearmodifiers alt+F4
    wait_gone
}

wait_gone() {
    for _ in $(seq 100); do
        kill -0 "$program_pid" 2>/dev/null || { program_pid=""; return 0; }
        sleep 0.1
    done
    fail "the program did not end"
}

echo "== first start: framed and on screen"
start_program
check_on_screen "first start"
actions=$(xprop -id "$window" _NET_WM_ALLOWED_ACTIONS)
for action in RESIZE MAXIMIZE_HORZ MAXIMIZE_VERT; do
    grep -q "_NET_WM_ACTION_$action" <<<"$actions" || fail "the window manager may not $action it"
done

echo "== resized from outside"
xdotool windowsize "$window" 900 650
sleep 0.5
measure
[ "$client_w" -eq 900 ] && [ "$client_h" -eq 650 ] || fail "resized to 900x650 it is ${client_w}x${client_h}"
xdotool windowmove "$window" 120 90
sleep 0.5
check_on_screen "moved"
left_at="${frame_x},${frame_y} ${client_w}x${client_h}"

echo "== maximised by a double click on its title bar"
xdotool mousemove $((frame_x + frame_w / 2)) $((frame_y + 5)) click --repeat 2 --delay 80 1
sleep 1
xprop -id "$window" _NET_WM_STATE | grep -q MAXIMIZED_VERT || fail "not maximised"
check_on_screen "maximised"
xdotool mousemove $((frame_x + frame_w / 2)) $((frame_y + 5)) click --repeat 2 --delay 80 1
sleep 1
measure
[ "${frame_x},${frame_y} ${client_w}x${client_h}" = "$left_at" ] || fail "restored to ${frame_x},${frame_y} ${client_w}x${client_h}, not $left_at"

echo "== Print Preview hides the window and brings it back where it was"
xdotool windowactivate --sync "$window" key --clearmodifiers alt+f
sleep 0.3
xdotool key --clearmodifiers v
sleep 2
xdotool search --onlyvisible --name "^Print preview$" >/dev/null || fail "no preview window"
xwininfo -id "$window" | grep -q IsUnMapped || fail "the main window stayed shown beside the preview"
xdotool key --clearmodifiers Escape
sleep 1
measure
[ "${frame_x},${frame_y} ${client_w}x${client_h}" = "$left_at" ] || fail "after the preview it is at ${frame_x},${frame_y} ${client_w}x${client_h}, not $left_at"

echo "== closed, started again: back where it was left"
close_program
grep -q "^\[Window\]" "$work/Program.ini" || fail "Program.ini keeps no window placement"
start_program
check_on_screen "second start"
[ "${frame_x},${frame_y} ${client_w}x${client_h}" = "$left_at" ] || fail "came back at ${frame_x},${frame_y} ${client_w}x${client_h}, not $left_at"

echo "== a remembered place off the screen is not used"
close_program
sed -i 's/^Frame=.*/Frame=3000,-40,900,700/' "$work/Program.ini"
start_program
check_on_screen "after an off-screen placement"

echo "== across scalings: as large on the screen at 200% and at 100%"
xdotool windowsize "$window" 1000 700
sleep 0.5
close_program
for scale in 2 1 2; do
    QT_SCALE_FACTOR=$scale start_program
    check_on_screen "at scale $scale"
    echo "  scale $scale: client ${client_w}x${client_h}"
    [ $((client_w - 1000)) -le 2 ] && [ $((1000 - client_w)) -le 2 ] &&
        [ $((client_h - 700)) -le 2 ] && [ $((700 - client_h)) -le 2 ] ||
        fail "at scale $scale the window is ${client_w}x${client_h}, not 1000x700"
    close_program
done

echo "== larger than the screen: clipped to it"
sed -i 's/^Frame=.*/Frame=0,0,2000,1600/; s/^Client=.*/Client=1990,1570/' "$work/Program.ini"
start_program
check_on_screen "a remembered size larger than the screen"
# The frame's border is estimated from the remembered frame and client, so
# the clipped window may fall a few pixels short of the work area.
[ "$frame_w" -ge $((area_w - 16)) ] || fail "shrunk to ${frame_w} wide, not to the screen's ${area_w}"
close_program

echo "== a file named on the command line opens"
cp "$work/default.dat" "$work/Club List.dat"
start_program "$work/Club List.dat"
xdotool getwindowname "$window" | grep -q "Club List.dat" || fail "the caption does not name the file: $(xdotool getwindowname "$window")"
close_program

echo "== a missing file is told, and the program still starts"
start_program "$work/missing.dat"
box=""
for _ in $(seq 50); do
    box=$(xdotool search --onlyvisible --pid "$program_pid" --name "^Program$" 2>/dev/null | head -1) || true
    [ -n "$box" ] && break
    sleep 0.1
done
[ -n "$box" ] || fail "no message about the missing file"
xdotool windowactivate --sync "$box" key --clearmodifiers Return
sleep 0.5
xdotool getwindowname "$window" | grep -q "Software" || fail "the main window went"
close_program

echo "desktop test passed"
