#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kletochka developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Windows question editor under Wine, on an X server of its own at a
# projector's 1024 x 768: it opens a bank whose path has Cyrillic and a character
# outside the ANSI code page, a question typed over round 1's cell А and saved with
# Ctrl+S is in the file, File, Quit ends it well, and the game given that bank shows
# the question on the screen; STOP ends the game well. Works on a copy of the folder.
#   tests/windows/editor_test.sh PROGRAM_DIR [SHOT_DIR]
# SHOT_DIR, when given, keeps the two screenshots (windows-editor-typed.png and
# windows-game-typed.png).
# The helpers are called through check and until_seen, which shellcheck cannot follow.
# shellcheck disable=SC2317
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
say_as=editor_test
# shellcheck source=scripts/lib/windows.sh
. "$root/scripts/lib/windows.sh"

# What the teacher types over the first question of round 1: plain letters, so
# that the screen can be read back without doubt.
readonly typed="Kletochka editor check 42"

passed=0
failed=0
check() { # DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
    echo "PASS: $what"
  else
    failed=$((failed + 1))
    echo "FAIL: $what"
    return 1
  fi
}
summary() {
  echo "editor_test: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
until_seen() { # TRIES COMMAND...: tries it every 0.1 s
  local tries=$1 _
  shift
  for _ in $(seq "$tries"); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  return 1
}
ended_with_zero() { # PID: up to 60 s for it to end, then its status
  local _
  for _ in $(seq 600); do
    kill -0 "$1" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$1" 2>/dev/null; then
    kill "$1"
    wait "$1" 2>/dev/null || true
    echo "still running after 60 s" >&2
    return 1
  fi
  local status=0
  wait "$1" || status=$?
  [ "$status" -eq 0 ] || echo "status $status" >&2
  [ "$status" -eq 0 ]
}

# Runs inside Xvfb, with the prefix, the copied program folder, the bank and the
# folder for the screenshots.
session() {
  local program=$1 bank=$2 shots=$3 log=$3/programs.log
  local name
  name=$(basename "$bank")
  editor_window() { xdotool search --onlyvisible --name "$name" | head -n1 | grep .; }
  in_file() { grep -aqF "$typed" "$bank"; }
  # The menu is a window of its own.
  menu_open() { [ "$(xdotool search --onlyvisible --class kletochka-editor | wc -l)" -ge 2 ]; }

  wine "$program/kletochka-editor.exe" "$(windows_path "$bank")" 2>>"$log" &
  local editor=$!
  check "the editor opens $name, its name in the title" until_seen 300 editor_window || return 0
  local window
  window=$(editor_window)
  check "the editor's window takes the focus" timeout 10 xdotool windowfocus --sync "$window" || return 0
  # The question field of round 1, cell А has the focus when a bank opens.
  xdotool key --clearmodifiers ctrl+a
  xdotool type --delay 30 "$typed"
  xdotool key --clearmodifiers ctrl+s
  check "Ctrl+S saves the typed question into the bank" until_seen 100 in_file || return 0
  import -window "$window" "$shots/windows-editor-typed.png" || true
  # Qt gives Quit no shortcut on Windows (Ctrl+Q is X11's and the Mac's): File, Quit.
  xdotool key --clearmodifiers alt+f
  check "Alt+F opens the File menu" until_seen 50 menu_open || return 0
  xdotool key --clearmodifiers q
  check "File, Quit ends the editor with status 0" ended_with_zero "$editor" || return 0

  # The game reads default.qb, and its sounds and pictures, in its folder, as its
  # shortcut starts it.
  cp "$bank" "$program/default.qb"
  (cd "$program" && exec wine kletochka.exe) 2>>"$log" &
  local game=$!
  # Its window fills the screen once drawn: the bottom right corner is no longer black.
  drawn() { ! area 1023 767 1 1 | grep -q '#000000'; }
  check "the game's window fills the screen" until_seen 300 drawn || { kill "$game"; return 0; }
  local title
  title=$(area 0 0 1017 48)
  xdotool mousemove 45 132 click 1 # round 1
  title_changed() { [ "$(area 0 0 1017 48)" != "$title" ]; }
  check "round 1 starts" until_seen 100 title_changed || { kill "$game"; return 0; }
  xdotool mousemove 392 288 click 1 # cell А
  # The question line, enlarged for the reader.
  shown() {
    import -window root "$shots/windows-game-typed.png" &&
      convert "$shots/windows-game-typed.png" -crop 1017x37+0+176 +repage -scale 200% "$shots/question.png" &&
      tesseract "$shots/question.png" - 2>/dev/null | tr -s ' \n' ' ' | grep -qiF "$typed"
  }
  # Each reading takes about a second.
  check "the game shows the typed question" until_seen 20 shown || true
  xdotool mousemove 980 708 click 1 # STOP
  check "STOP ends the game with status 0" ended_with_zero "$game" || true
}

area() { # X Y WIDTH HEIGHT: the screen's pixels there, as text
  import -window root -crop "$3x$4+$1+$2" +repage txt:-
}
windows_path() { local p=${1//\//\\}; printf 'Z:%s' "$p"; }

if [ "${1:-}" = --session ]; then
  session "$2" "$3" "$4"
  # Every program of the prefix ends before the X server does.
  timeout 60 wineserver -w || wineserver -k
  summary
  exit
fi

if [ $# -lt 1 ]; then
  echo "usage: tests/windows/editor_test.sh PROGRAM_DIR [SHOT_DIR]" >&2
  exit 2
fi
need_packages wine wine64 xvfb xauth xdotool imagemagick tesseract-ocr tesseract-ocr-eng

work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Wine reads its command line in the locale's encoding: UTF-8, whatever the caller's locale.
# Qt on Windows takes its language from LANG when set: English, for the menu's Alt+F.
export LC_ALL=C.UTF-8 LANG=C.UTF-8

cp -r "$1" "$work/program"
shots=$work/shots
mkdir -p "$shots"
# ✓ is in no ANSI code page: only the wide command line carries it.
bank="$work/Вопросы 5 «А» ✓/урок.qb"
mkdir -p "$(dirname "$bank")"
cp "$work/program/default.qb" "$bank"

"$root/scripts/windows-wine-prefix" "$WINEPREFIX"
status=0
timeout 300 xvfb-run -a -s "-screen 0 1024x768x24" \
  "$0" --session "$work/program" "$bank" "$shots" | tee "$work/session.log" || status=${PIPESTATUS[0]}
if [ "$status" -eq 124 ]; then
  echo "FAIL: the session took longer than 300 s"
elif ! grep -q '^editor_test: ' "$work/session.log"; then
  echo "FAIL: the session broke off with status $status"
fi
if [ "$status" -ne 0 ] && [ -s "$shots/programs.log" ]; then
  echo "editor_test: what the programs wrote:" >&2
  cat "$shots/programs.log" >&2
fi
if [ $# -ge 2 ]; then
  mkdir -p "$2"
  cp "$shots"/windows-*.png "$2"/ 2>/dev/null || true
fi
exit "$status"
