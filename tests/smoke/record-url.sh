#!/bin/sh
# Stands in for the web browser: winebrowser runs it with the address as its
# argument; it notes the address where the smoke test reads it, and ends.
printf '%s\n' "$1" >>"${WINEPREFIX:?WINEPREFIX is not set}/drive_c/smoke-urls.log"
