#!/usr/bin/env bash
# Without a display the window program prints one clear line and exits 1,
# both with no display configured and with one that cannot be reached.
set -u
vorendal=$1
fail=0
for display in "" ":97531"; do
  err=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" "$vorendal" 2>&1 >/dev/null)
  status=$?
  lines=$(printf '%s\n' "$err" | grep -c .)
  echo "DISPLAY='$display': exit $status, stderr: $err"
  if [ "$status" -ne 1 ] || [ "$lines" -ne 1 ] || ! grep -q 'display' <<<"$err"; then fail=1; fi
done
exit $fail
