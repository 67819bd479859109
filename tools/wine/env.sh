# shellcheck shell=bash
# Sourced by the other scripts here (and usable by hand: `. tools/wine/env.sh`).
# Quiet Wine that behaves like a Czech Windows: a cs_CZ locale makes Wine pick
# ANSI code page 1250, which the program's resources and file I/O rely on.

export WINEDEBUG=-all
# No Mono/Gecko install prompts; no menu/desktop entries written into $HOME.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEARCH=win64
# Braces: bash warns about a locale that ensure_locale has yet to generate.
{ export LANG=cs_CZ.UTF-8 LC_ALL=cs_CZ.UTF-8; } 2>/dev/null
unset LANGUAGE
# Host time zone on purpose: an Olson TZ value (TZ=Europe/Prague) would also reach
# the Windows CRT, whose localtime() cannot parse it and disagrees with GetLocalTime.

# Without the glibc locale Wine silently falls back to code page 1252.
ensure_locale() {
    if locale -a 2>/dev/null | grep -qix 'cs_CZ\.utf-\?8'; then
        return 0
    fi
    if [ "$(id -u)" -ne 0 ]; then
        echo "ensure_locale: cs_CZ.UTF-8 locale missing; run as root: sed -i 's/^# *cs_CZ.UTF-8/cs_CZ.UTF-8/' /etc/locale.gen && locale-gen" >&2
        return 1
    fi
    if [ ! -f /etc/locale.gen ] || ! command -v locale-gen >/dev/null; then
        echo "ensure_locale: locale-gen not available (apt-get install locales)" >&2
        return 1
    fi
    if ! grep -q '^cs_CZ.UTF-8 UTF-8' /etc/locale.gen; then
        if grep -q '^# *cs_CZ.UTF-8 UTF-8' /etc/locale.gen; then
            sed -i 's/^# *cs_CZ.UTF-8 UTF-8/cs_CZ.UTF-8 UTF-8/' /etc/locale.gen
        else
            echo 'cs_CZ.UTF-8 UTF-8' >>/etc/locale.gen
        fi
    fi
    locale-gen >/dev/null || { echo "ensure_locale: locale-gen failed" >&2; return 1; }
}

# Ends every Wine process of a prefix and removes the server's socket folder,
# which Debian's wineserver keeps in $TMPDIR/wine-XXXXXX and names in the prefix.
end_prefix() {
    local prefix=$1 name
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
    WINEPREFIX="$prefix" wineserver -w 2>/dev/null || true
    name=$(cat "$prefix/wineserver" 2>/dev/null) || name=''
    if [[ $name =~ ^wine-[A-Za-z0-9]{6}$ ]]; then rm -rf "${TMPDIR:-/tmp}/$name"; fi
    rm -f "$prefix/wineserver"
}
