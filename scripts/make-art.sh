#!/usr/bin/env bash
# Remakes the program's pictures in res/ from ImageMagick drawing commands:
#   logo.ico        window icon of the editing frames (16, 32 and 48 pixels)
#   ht57.png        256-pixel icon of the installed program's desktop entry
#   icons/ht57-N.png the same icon at 16 to 128 pixels for the icon theme
#   Background.bmp  64x64 tile for the main window's client area (24-bit)
#   tree.png        navigation tree images, a strip of 16x16 cells with an
#                   alpha channel: 0 = item, 16 = expanded, 17 = collapsed;
#                   the cells in between are left empty.
#   toolbar.png     toolbar buttons, a strip of 16x16 cells with an alpha
#                   channel: New, Open, Save, Read, Write, About, Undo, Redo. Drawn in
#                   mid tones with dark outlines so they read on light and
#                   dark palettes alike.
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

# --- toolbar.png: the toolbar's buttons -----------------------------------
tool() {  # output, drawing arguments
    local out=$1
    shift
    convert -size 16x16 xc:none "$@" "${png_opts[@]}" "$out"
}
page=(-fill '#f4f6f8' -stroke '#4b5563' -draw 'polygon 3,1 10,1 13,4 13,14 3,14'
      -fill '#cfd6de' -draw 'polygon 10,1 10,4 13,4')
tool "$work/tool-0.png" "${page[@]}" -fill '#f2b01e' -stroke '#8a5a00' -draw 'circle 11,11 11,8'
tool "$work/tool-1.png" \
    -fill '#e0a526' -stroke '#7a5200' -draw 'polygon 1,3 6,3 7,5 14,5 14,13 1,13' \
    -fill '#f6c651' -stroke '#7a5200' -draw 'polygon 4,7 15,7 12,13 1,13'
tool "$work/tool-2.png" \
    -fill '#3f6fb5' -stroke '#1d3557' -draw 'roundrectangle 1,1 14,14 1,1' \
    -fill '#f4f6f8' -stroke none -draw 'rectangle 4,2 11,6' \
    -fill '#1d3557' -draw 'rectangle 5,10 10,13'
arrow() {  # output, colour, outline, polygon
    tool "$1" -fill '#9aa7b4' -stroke '#374151' -draw 'roundrectangle 2,10 13,14 1,1' \
        -fill "$2" -stroke "$3" -draw "polygon $4"
}
arrow "$work/tool-3.png" '#2e9e5b' '#14532d' '5,1 10,1 10,5 13,5 7,10 2,5 5,5'
arrow "$work/tool-4.png" '#d9534f' '#7f1d1d' '7,0 13,5 10,5 10,9 5,9 5,5 2,5'
tool "$work/tool-5.png" \
    -fill '#3f6fb5' -stroke '#1d3557' -draw 'circle 7.5,7.5 7.5,0.5' \
    -fill white -stroke none -draw 'rectangle 7,6 8,12' -draw 'rectangle 7,3 8,4'
# Undo: a hooked arrow, drawn large and scaled down so its curve stays smooth;
# Redo is its mirror image.
convert -size 128x128 xc:none -fill '#4a88d4' -stroke '#1d3f6e' -strokewidth 7 \
    -draw 'polygon 62,31 75,33 86,38 97,45 104,56 109,67 111,80 109,93 104,104 97,115 86,122 75,127 69,106 76,103 81,99 85,94 88,87 89,80 88,73 85,66 81,61 76,57 69,54 62,53' \
    -draw 'polygon 10,42 60,6 60,78' \
    -stroke none -draw 'rectangle 52,31 66,53' \
    -filter Lanczos -resize 16x16 "${png_opts[@]}" "$work/tool-6.png"
convert "$work/tool-6.png" -flop "${png_opts[@]}" "$work/tool-7.png"
convert -background none "$work"/tool-{0,1,2,3,4,5,6,7}.png +append "${png_opts[@]}" PNG32:toolbar.png

ls -l toolbar.png logo.ico Background.bmp tree.png ht57.png icons
