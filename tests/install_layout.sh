#!/usr/bin/env bash
# cmake --install puts both programs in bin/, the desktop entry and the
# icon in their XDG places.
set -eu
build=$1
prefix=$(mktemp -d); trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
for f in bin/vorendal bin/vorendal-run share/applications/vorendal.desktop \
         share/icons/hicolor/32x32/apps/vorendal.xpm; do
  [ -e "$prefix/$f" ] || { echo "missing $f"; exit 1; }
done
[ -x "$prefix/bin/vorendal" ] && [ -x "$prefix/bin/vorendal-run" ]
grep -qx 'Exec=vorendal' "$prefix/share/applications/vorendal.desktop"
grep -qx 'Icon=vorendal' "$prefix/share/applications/vorendal.desktop"
grep -q '"32 32 16 1"' "$prefix/share/icons/hicolor/32x32/apps/vorendal.xpm"
"$prefix/bin/vorendal-run" --seed 1 --rounds 1 | tail -n1 | grep -qx 'Normal End of Job'
echo "install layout: ok"
