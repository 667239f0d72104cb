#!/usr/bin/env bash
# With none of the named faces nor their substitutes installed, and then
# with no fonts at all, the program still starts and keeps running (Qt's
# defaults serve) until it is stopped.
set -u
vorendal=$1
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=offscreen
mkdir -p "$work/fonts"
# Only DejaVu, if present: none of the faces the window asks for.
for f in /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf; do [ -f "$f" ] && cp "$f" "$work/fonts/"; done
fail=0
for case in some-fonts no-fonts; do
  [ "$case" = no-fonts ] && rm -f "$work/fonts/"*
  cat >"$work/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig><dir>$work/fonts</dir><cachedir>$work/cache</cachedir></fontconfig>
CONF
  FONTCONFIG_FILE=$work/fonts.conf timeout 4 "$vorendal" >/dev/null 2>"$work/err"
  status=$?
  echo "$case: exit $status (124: still running when stopped)"
  [ "$status" -eq 124 ] || { fail=1; cat "$work/err"; }
done
exit $fail
