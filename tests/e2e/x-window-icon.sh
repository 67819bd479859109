#!/bin/sh
# x-window-icon.sh XID OUT
# Writes the icons Wine gave an X window (_NET_WM_ICON, what a window manager
# shows) to OUT. Wine keeps class icons out of reach of other processes, so
# the main window's icon is read here.
xprop -id "$1" _NET_WM_ICON >"$2.part" 2>&1 || echo "xprop failed (apt-get install x11-utils)" >>"$2.part"
mv "$2.part" "$2"
