#!/usr/bin/env bash
# Remakes the program's pictures in res/ from ImageMagick drawing commands:
#   logo.ico        window icon of the editing frames (16, 32 and 48 pixels)
#   ht57.png        256-pixel icon of the installed program's desktop entry
#   icons/ht57-N.png the same icon at 16 to 128 pixels for the icon theme
#   Background.bmp  64x64 tile for the main window's client area (24-bit)
#   tree.png        navigation tree images, a strip of 16x16 cells with an
#                   alpha channel: 0 = item, 16 = expanded, 17 = collapsed;
#                   the cells in between are left empty.
set -euo pipefail
cd "$(dirname "$0")/../res"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Both PNG timestamps and the ICO's inner PNGs would otherwise make every
# run produce different bytes.
png_opts=(-define png:exclude-chunks=date,time -strip)

# --- logo.ico: a handheld radio seen from the front ------------------------
radio() {  # size output
    local s=$1 out=$2
    convert -size 64x64 xc:none \
        -fill '#3b3f45' -stroke none -draw 'roundrectangle 40,1 46,22 2,2' \
        -fill '#596069' -draw 'rectangle 19,9 27,17' \
        -fill '#2c3e50' -stroke '#16202a' -strokewidth 2 \
        -draw 'roundrectangle 14,15 50,62 7,7' \
        -fill '#a6e3b0' -stroke '#4f7d57' -strokewidth 1 \
        -draw 'roundrectangle 19,21 45,33 2,2' \
        -stroke '#9aa7b4' -strokewidth 2 \
        -draw 'line 21,40 43,40' -draw 'line 21,45 43,45' \
        -draw 'line 21,50 43,50' -draw 'line 21,55 43,55' \
        -fill '#e74c3c' -stroke none -draw 'circle 45,11 45,8' \
        -filter Lanczos -resize "${s}x${s}" "${png_opts[@]}" "$out"
}
# The 16-pixel icon is drawn on its own pixel grid; scaled down it blurs.
convert -size 16x16 xc:none +antialias \
    -fill '#3b3f45' -stroke none -draw 'rectangle 10,0 11,5' \
    -fill '#e74c3c' -draw 'point 11,1' \
    -fill '#2c3e50' -stroke '#16202a' -draw 'roundrectangle 3,4 12,15 2,2' \
    -fill '#a6e3b0' -stroke none -draw 'rectangle 5,6 10,8' \
    -fill '#9aa7b4' -draw 'rectangle 5,10 10,10' -draw 'rectangle 5,12 10,12' \
    "${png_opts[@]}" "$work/logo-16.png"
for s in 32 48; do
    radio "$s" "$work/logo-$s.png"
done
convert "$work/logo-16.png" "$work/logo-32.png" "$work/logo-48.png" logo.ico
# The same radio, large, for the desktop entry and the software centres.
radio 256 "$work/ht57.png"
convert "$work/ht57.png" -depth 8 "${png_opts[@]}" ht57.png
# Docks and menus pick the size they need from the icon theme.
mkdir -p icons
cp "$work/logo-16.png" icons/ht57-16.png
for s in 24 32 48 64 128; do
    radio "$s" "$work/icon-$s.png"
    convert "$work/icon-$s.png" -depth 8 "${png_opts[@]}" "icons/ht57-$s.png"
done

# --- Background.bmp: a quiet diagonal weave that tiles seamlessly ----------
convert -size 64x64 xc:'#e8ecf0' \
    -stroke '#dde3e9' -strokewidth 1 \
    -draw 'line 0,31 31,0' -draw 'line 0,63 63,0' -draw 'line 32,63 63,32' \
    -stroke '#e3e8ed' \
    -draw 'line 0,0 63,63' -draw 'line 32,0 63,31' -draw 'line 0,32 31,63' \
    -type TrueColor -alpha off BMP3:Background.bmp

# --- tree.png: image strip for the navigation tree -------------------------
item() {  # a page with a folded corner and text lines
    convert -size 16x16 xc:none \
        -fill white -stroke '#6b7785' -draw 'polygon 3,1 10,1 13,4 13,14 3,14' \
        -fill '#d5dbe2' -draw 'polygon 10,1 10,4 13,4' \
        -stroke '#4a90d9' -draw 'line 5,7 11,7' -draw 'line 5,9 11,9' \
        -draw 'line 5,11 9,11' "${png_opts[@]}" "$1"
}
folderClosed() {
    convert -size 16x16 xc:none \
        -fill '#e0a526' -stroke '#a0700e' -draw 'polygon 1,3 6,3 7,5 14,5 14,13 1,13' \
        -fill '#f6c651' -stroke none -draw 'rectangle 2,6 13,12' "${png_opts[@]}" "$1"
}
folderOpen() {
    convert -size 16x16 xc:none \
        -fill '#e0a526' -stroke '#a0700e' -draw 'polygon 1,3 6,3 7,5 13,5 13,7 1,13' \
        -fill '#f6c651' -stroke '#a0700e' -draw 'polygon 4,7 15,7 12,13 1,13' \
        "${png_opts[@]}" "$1"
}
empty() {
    convert -size 16x16 xc:none "${png_opts[@]}" "$1"
}

cells=()
for i in $(seq 0 17); do
    cell="$work/cell-$i.png"
    case $i in
        0) item "$cell" ;;
        16) folderOpen "$cell" ;;
        17) folderClosed "$cell" ;;
        *) empty "$cell" ;;
    esac
    cells+=("$cell")
done
convert -background none "${cells[@]}" +append "${png_opts[@]}" PNG32:tree.png

ls -l logo.ico Background.bmp tree.png ht57.png icons
