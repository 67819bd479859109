#!/bin/sh
# Stands in for the web browser: winebrowser runs it with the address, which
# it notes (without the / Wine's launcher may add) where the smoke test reads it.
printf '%s\n' "${1%/}" >>"${WINEPREFIX:?WINEPREFIX is not set}/drive_c/smoke-urls.log"
