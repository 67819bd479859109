#!/bin/sh
# Stands in for the web browser in the about-window tests: winebrowser runs
# it with the address as its argument; it notes the address in the prefix's
# C:\kalvio-e2e-urls.log, where the test driver reads it, and ends.
printf '%s\n' "$1" >>"${WINEPREFIX:?WINEPREFIX is not set}/drive_c/kalvio-e2e-urls.log"
