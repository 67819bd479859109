#!/usr/bin/env bash
# screenshot.sh KALVIO_EXE OUT_DIR [DPI]
# Starts Kalvio under Wine in a private Xvfb display (Wine's virtual desktop
# draws the window frames), then saves OUT_DIR/main-window.png and, after a
# click on the number, OUT_DIR/about-window.png, and OUT_DIR/system-menu.png. With a DPI other than 96 it
# saves only the main window, as OUT_DIR/main-window-PERCENT.png.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
[ $# -eq 2 ] || [ $# -eq 3 ] || { echo "usage: screenshot.sh KALVIO_EXE OUT_DIR [DPI]" >&2; exit 2; }
exe=$(realpath "$1") out=$(realpath -m "$2") dpi=${3:-96}

for tool in import xdotool; do
    command -v "$tool" >/dev/null || { echo "screenshot.sh: $tool missing (apt-get install imagemagick xdotool)" >&2; exit 2; }
done
if [ -z "${SCREENSHOT_IN_XVFB-}" ]; then
    SCREENSHOT_IN_XVFB=1 exec "$here/wine/with-xvfb.sh" "$0" "$@"
fi

. "$here/wine/env.sh"
template=${KALVIO_WINE_TEMPLATE:-${TMPDIR:-/tmp}/kalvio-screenshot-template}
"$here/wine/prepare-prefix.sh" "$template"
export WINEPREFIX
WINEPREFIX=$(mktemp -d "${TMPDIR:-/tmp}/kalvio-shot.XXXXXX")
work=$(mktemp -d)
trap 'end_prefix "$WINEPREFIX"; rm -rf "$WINEPREFIX" "$work"' EXIT
"$here/wine/new-prefix.sh" "$template" "$WINEPREFIX" "$dpi"
mkdir -p "$out"

# The desktop is one flat colour: what trimming leaves is the windows on it.
wine "$exe" &
sleep 1
import -window root "$work/desktop.png"
for _ in $(seq 60); do
    sleep 0.5
    import -window root "$work/main.png"
    geometry=$(convert "$work/main.png" -trim -format '%w %h %X %Y' info:)
    read -r w h x y <<<"$geometry"
    [ "$w" -gt 300 ] && break
done
sleep 1
import -window root "$work/main.png"
geometry=$(convert "$work/main.png" -trim -format '%w %h %X %Y' info:)
read -r w h x y <<<"$geometry"
if [ "$dpi" != 96 ]; then
    convert "$work/main.png" -crop "${w}x${h}+${x#+}+${y#+}" +repage "$out/main-window-$((dpi * 100 / 96)).png"
    echo "screenshot.sh: wrote $out/main-window-$((dpi * 100 / 96)).png"
    exit 0
fi
convert "$work/main.png" -crop "${w}x${h}+${x#+}+${y#+}" +repage "$out/main-window.png"

# The system menu, opened from the keyboard, over the window it belongs to.
xdotool key alt+space
sleep 1
import -window root "$work/menu.png"
xdotool key Escape
sleep 0.5
geometry=$(convert "$work/main.png" "$work/menu.png" -compose difference -composite -trim -format '%w %h %X %Y' info:)
read -r mw mh mx my <<<"$geometry"
right=$(( ${x#+} + w > ${mx#+} + mw ? ${x#+} + w : ${mx#+} + mw ))
bottom=$(( ${y#+} + h > ${my#+} + mh ? ${y#+} + h : ${my#+} + mh ))
convert "$work/menu.png" -crop "$(( right - ${x#+} ))x$(( bottom - ${y#+} ))+${x#+}+${y#+}" +repage \
    "$out/system-menu.png"

# The client area sits at the bottom centre of the frame; the number label's
# centre is at (4065, 660) twips = (271, 44) px at 96 DPI.
border=$(( (w - 376) / 2 ))
click_x=$(( ${x#+} + border + 271 )) click_y=$(( ${y#+} + h - border - 233 + 44 ))
xdotool mousemove "$click_x" "$click_y" click 1
sleep 2
xdotool mousemove 5 1000
sleep 1
import -window root "$work/both.png"
# What changed is the about window, and the main window's caption turning
# inactive: leave that caption out.
caption_bottom=$(( ${y#+} + h - border - 233 ))
geometry=$(convert "$work/main.png" "$work/both.png" -compose difference -composite \
    -fill black -draw "rectangle 0,${y#+} 1279,$caption_bottom" -trim -format '%w %h %X %Y' info:)
read -r aw ah ax ay <<<"$geometry"
# That leaves the about window less what shared the caption's rows: its
# height follows from its client area, its frame and the common caption.
caption=$(( h - 233 - 2 * border ))
about_h=$(( 170 + caption + aw - 270 ))
about_y=$(( ${ay#+} + ah - about_h ))
convert "$work/both.png" -crop "${aw}x${about_h}+${ax#+}+${about_y}" +repage "$out/about-window.png"
echo "screenshot.sh: wrote $out/main-window.png, system-menu.png and about-window.png"
