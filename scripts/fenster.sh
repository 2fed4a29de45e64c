# SPDX-FileCopyrightText: 2026 Das Gedenkbuch-Team
# SPDX-License-Identifier: GPL-3.0-or-later
# Shell helpers for running the program in a real X window (sourced by tests and tools).

# Runs the calling script again inside a fresh Xvfb, unless it already runs in one. Without
# -noreset the server resets whenever its last client leaves, as each xdotool call does, and a
# program connecting at that moment finds no display.
# Call as: im_xvfb "$0" "$@"
im_xvfb() {
  if [ -z "${GEDENKBUCH_IM_XVFB:-}" ]; then
    GEDENKBUCH_IM_XVFB=1 exec xvfb-run -a -s '-screen 0 1280x1024x24 -noreset' "$@"
  fi
  export QT_QPA_PLATFORM=xcb
}

# Prints the id of the first visible window whose name matches the pattern, waiting up to the
# given number of seconds for it to appear; fails when none does.
fenster_abwarten() {
  _ende=$(( $(date +%s) + $2 ))
  while [ "$(date +%s)" -le "$_ende" ]; do
    _id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    if [ -n "$_id" ]; then echo "$_id"; return 0; fi
    sleep 0.1
  done
  return 1
}

# True while a visible window with a name matching the pattern exists.
fenster_sichtbar() {
  [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)" ]
}

# Waits up to the given number of seconds for a child process of this shell to end and sets
# `status` to its exit status (999 when it had to be killed). Call it directly, not in $(...):
# only the shell that started the process can collect it.
prozess_abwarten() {
  _ende=$(( $(date +%s) + $2 ))
  # A process that has ended stays a zombie ("Z" in /proc) until this shell collects it.
  while [ -e "/proc/$1" ] && [ "$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null | cut -c1)" != Z ]; do
    if [ "$(date +%s)" -gt "$_ende" ]; then kill -9 "$1"; wait "$1"; status=999; return 1; fi
    sleep 0.1
  done
  wait "$1"
  status=$?
}
