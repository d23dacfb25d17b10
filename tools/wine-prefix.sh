#!/usr/bin/env bash
# Prepares a Wine prefix for Tavoro: wine-prefix.sh PREFIX headless|screen
#   headless: windows exist without a display (Wine's null driver), for tests;
#   screen:   windows go to the X display, for people and screenshots.
# Either way the dialog font "ＭＳ Ｐゴシック" and the window captions show
# Japanese, through Debian's IPA fonts. Does nothing when the prefix is ready.
set -euo pipefail

prefix=${1:?usage: wine-prefix.sh PREFIX headless|screen}
mode=${2:?usage: wine-prefix.sh PREFIX headless|screen}
case "$mode" in headless | screen) ;; *) echo "unknown mode: $mode" >&2; exit 2 ;; esac

# Bump when the settings below change, so that old prefixes are redone.
settings_version=2
marker="$prefix/.tavoro-$mode-$settings_version"
[ -f "$marker" ] && exit 0

mkdir -p "$prefix"
prefix=$(cd "$prefix" && pwd)
export WINEPREFIX="$prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY  # a headless prefix is made the same way anywhere

echo "Preparing the Wine prefix $prefix ($mode)"
wine wineboot --init >/dev/null 2>&1 || true
wineserver -w

# Wine's own fonts (Tahoma, Marlett for the caption buttons) are not always found
# in its data folder; from the prefix's font folder they always are.
if [ -d /usr/share/wine/fonts ]; then
  cp -n /usr/share/wine/fonts/*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
fi

# A REG_MULTI_SZ of one entry, as regedit's hex(7) text.
multi_sz() {
  printf '%s\0\0' "$1" | iconv -f UTF-8 -t UTF-16LE | od -An -tx1 -v | tr -s ' \n' ',' |
    sed 's/^,//; s/,$//'
}

link=$(multi_sz "ipagp.ttf,IPAPGothic")
reg_file="$prefix/tavoro-fonts.reg"
{
  printf 'Windows Registry Editor Version 5.00\r\n\r\n'
  # The dialogs' face and its relatives, by their Japanese and English names.
  printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
  printf '"ＭＳ Ｐゴシック"="IPAPGothic"\r\n"ＭＳ ゴシック"="IPAGothic"\r\n'
  printf '"MS PGothic"="IPAPGothic"\r\n"MS Gothic"="IPAGothic"\r\n"MS UI Gothic"="IPAPGothic"\r\n\r\n'
  printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontSubstitutes]\r\n'
  printf '"ＭＳ Ｐゴシック"="IPAPGothic"\r\n"ＭＳ ゴシック"="IPAGothic"\r\n\r\n'
  # Captions, menus and message boxes use the system's face; Japanese glyphs
  # missing there are taken from IPAPGothic.
  printf '[HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows NT\\CurrentVersion\\FontLink\\SystemLink]\r\n'
  for face in "Tahoma" "Tahoma Bold" "MS Shell Dlg" "MS Shell Dlg 2"; do
    printf '"%s"=hex(7):%s\r\n' "$face" "$link"
  done
  printf '\r\n'
  if [ "$mode" = headless ]; then
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\r\n"Graphics"="null"\r\n\r\n'
  else
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]\r\n"Graphics"=-\r\n\r\n'
    # HTML pages open in the desktop's browser through winebrowser, as on
    # Windows in the default browser, so that F1 shows the user guide. (Wine
    # links them to its own HTML engine, which these prefixes leave out.)
    printf '[HKEY_CLASSES_ROOT\\.html]\r\n@="htmlfile"\r\n\r\n'
  fi
} | iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg_file"
wine regedit /S "$(winepath -w "$reg_file")" >/dev/null 2>&1
wineserver -w

touch "$marker"
