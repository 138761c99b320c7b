#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Kletochka developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Windows packages and checks them under Wine, in a Wine prefix of its own:
# a silent install for the current user and one for all users, each checked in the
# registry, the Start menu and the program folder, then uninstalled silently and checked
# gone; and the portable zip unpacked.
#   tests/windows/installer_test.sh [PROGRAM_DIR]
# Without PROGRAM_DIR it checks a stand-in folder of tiny programs that log how they were
# started, which also lets it follow a shortcut and a double-clicked .qb file.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
say_as=installer_test
# shellcheck source=scripts/lib/windows.sh
. "$root/scripts/lib/windows.sh"
need_packages wine wine64 g++-mingw-w64-x86-64-posix unzip

work=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all
# Wine reads its command line in the locale's encoding: UTF-8, whatever the caller's locale.
export LC_ALL=C.UTF-8

passed=0
failed=0
check() { # DESCRIPTION COMMAND...
  local what=$1
  shift
  if "$@"; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    echo "FAILED: $what" >&2
  fi
}

version=$(sed -n 's/^project(kletochka VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")

stand_in=false
if [ $# -ge 1 ]; then
  program=$(cd "$1" && pwd)
else
  stand_in=true
  program=$work/program
  mkdir -p "$program"/{platforms,styles,translations,plugins}
  x86_64-w64-mingw32-gcc-posix -municode -Os -s -o "$work/logger.exe" "$root/tests/windows/logger.c"
  for exe in kletochka kletochka-editor qbtool; do
    cp "$work/logger.exe" "$program/$exe.exe"
  done
  for f in Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll Qt6PrintSupport.dll libstdc++-6.dll \
    libgcc_s_seh-1.dll libwinpthread-1.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll \
    translations/qtbase_ru.qm plugins/kletochka-sound.dll click.wav good.wav bad.wav tada.wav \
    empty.bmp cross.bmp zero.bmp default.qb qt.conf; do
    echo "stand-in for $f" >"$program/$f"
  done
fi

out=$work/out
"$root/scripts/windows-packages" "$program" "$out" "$version"
setup=$out/kletochka-$version-setup.exe
zip=$out/kletochka-$version-portable.zip
mkdir "$work/unzipped"
unzip -q "$zip" -d "$work/unzipped"
top=$work/unzipped/kletochka-$version

"$root/scripts/windows-wine-prefix" "$WINEPREFIX"

# Every wine call costs seconds, so paths are translated here and the registry is read
# in one export per hive. Drive C: is the prefix's drive_c, Z: the Unix root.
unix_path() { local p=${1#[Cc]:\\}; printf '%s/drive_c/%s' "$WINEPREFIX" "${p//\\//}"; }
windows_path() { local p=${1//\//\\}; printf 'Z:%s' "$p"; }
folders=$(wine cmd /c 'echo %LOCALAPPDATA%&echo %APPDATA%&echo %ProgramData%&echo %ProgramFiles%' 2>/dev/null | tr -d '\r')
{
  read -r local_appdata
  read -r appdata
  read -r program_data
  read -r program_files
} <<<"$folders"
user_menu=$(unix_path "$appdata\\Microsoft\\Windows\\Start Menu\\Programs")
common_menu=$(unix_path "$program_data\\Microsoft\\Windows\\Start Menu\\Programs")

# reg export writes UTF-16, which reads the same in any locale; a key's lines run from
# its [name] to the blank line after them. One cmd exports the three keys the installer
# writes, with their subkeys; a key that is not there leaves no file.
snapshot() { # HKCU|HKLM
  local keys=("Software\\Classes\\.qb" "Software\\Classes\\Kletochka.QuestionBank" "$uninstall_key")
  local commands=() i
  rm -f "$work"/export-*.reg
  for i in "${!keys[@]}"; do
    commands+=("reg export $1\\${keys[$i]} $(windows_path "$work/export-$i.reg") /y")
  done
  wine cmd /c "$(IFS='&'; echo "${commands[*]}")" >/dev/null 2>&1 || true
  : >"$work/$1.reg"
  for i in "${!keys[@]}"; do
    if [ -f "$work/export-$i.reg" ]; then
      iconv -f UTF-16 -t UTF-8 "$work/export-$i.reg" | tr -d '\r' >>"$work/$1.reg"
    fi
  done
}
full_key() { local k=${1/#HKCU/HKEY_CURRENT_USER}; printf '[%s]' "${k/#HKLM/HKEY_LOCAL_MACHINE}"; }
reg_text() { # KEY, from the last snapshot of its hive
  awk -v key="$(full_key "$1")" '$0 == key { inside = 1; next } inside && /^$/ { exit } inside' "$work/${1%%\\*}.reg"
}
has_value() { # KEY "NAME"=VALUE as .reg writes it
  reg_text "$1" | grep -qxF -- "$2"
}
key_gone() { ! grep -qxF -- "$(full_key "$1")" "$work/${1%%\\*}.reg"; }
# .reg doubles backslashes and escapes quotes.
reg_escape() { printf '%s' "$1" | sed -e 's/\\/\\\\/g' -e 's/"/\\"/g'; }
same_files() { # FROM TO: every file of FROM is in TO, unchanged but for the packages' stripping
  (cd "$1" && find . -type f) | while IFS= read -r f; do
    case $f in
    *.exe | *.dll) [ -s "$2/$f" ] || exit 1 ;;
    *) cmp -s "$1/$f" "$2/$f" || exit 1 ;;
    esac
  done
}
as_in_zip() { # FOLDER: each program file in FOLDER is the very one in the zip
  (cd "$program" && find . -type f) | while IFS= read -r f; do cmp -s "$top/$f" "$1/$f" || exit 1; done
}
log_has() { grep -qxF -- "$1" "$log" 2>/dev/null; }

uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Kletochka'
check_installed() { # ROOT INSTDIR MENU OTHER_ROOT
  local hive=$1 dir=$2 menu=$3 other=$4
  local udir esc
  udir=$(unix_path "$dir")
  esc=$(reg_escape "$dir")
  check "$hive: every program file installed" same_files "$program" "$udir"
  check "$hive: the same programs as in the portable zip" as_in_zip "$udir"
  check "$hive: guide and uninstaller beside the programs" \
    test -s "$udir/guide-ru.html" -a -f "$udir/uninstall.exe"
  check "$hive: no editor settings file, which would make the editor portable" \
    test ! -e "$udir/kletochka-editor.ini"
  for link in Турнир-клеточка "Редактор вопросов" "Памятка учителю"; do
    check "$hive: Start menu entry $link" test -s "$menu/Турнир-клеточка/$link.lnk"
  done
  snapshot "$hive"
  snapshot "$other"
  local key="$hive\\$uninstall_key"
  check "$hive: uninstall entry named" has_value "$key" '"DisplayName"="Турнир-клеточка"'
  check "$hive: uninstall entry version" has_value "$key" "\"DisplayVersion\"=\"$version\""
  check "$hive: uninstall entry publisher" has_value "$key" '"Publisher"="The Kletochka developers"'
  check "$hive: uninstall entry icon" has_value "$key" "\"DisplayIcon\"=\"$esc\\\\kletochka.exe,0\""
  check "$hive: uninstall command" has_value "$key" "\"UninstallString\"=\"\\\"$esc\\\\uninstall.exe\\\"\""
  check "$hive: quiet uninstall command" \
    has_value "$key" "\"QuietUninstallString\"=\"\\\"$esc\\\\uninstall.exe\\\" /S\""
  check "$hive: no modify" has_value "$key" '"NoModify"=dword:00000001'
  check "$hive: no repair" has_value "$key" '"NoRepair"=dword:00000001'
  check "$hive: estimated size in KB" bash -c '[ "$((16#$1))" -gt 0 ]' _ \
    "$(reg_text "$key" | sed -n 's/^"EstimatedSize"=dword://p')"
  check "$hive: .qb is a question bank" has_value "$hive\\Software\\Classes\\.qb" '@="Kletochka.QuestionBank"'
  check "$hive: .qb offers the editor" \
    has_value "$hive\\Software\\Classes\\.qb\\OpenWithProgids" '"Kletochka.QuestionBank"=""'
  check "$hive: .qb opens in the editor, its name quoted" \
    has_value "$hive\\Software\\Classes\\Kletochka.QuestionBank\\shell\\open\\command" \
    "@=\"\\\"$esc\\\\kletochka-editor.exe\\\" \\\"%1\\\"\""
  check "$hive: .qb has the document icon" \
    has_value "$hive\\Software\\Classes\\Kletochka.QuestionBank\\DefaultIcon" "@=\"$esc\\\\kletochka-editor.exe,1\""
  check "$hive: nothing under $other" key_gone "$other\\$uninstall_key"
}

uninstall_and_check_gone() { # ROOT INSTDIR MENU
  local hive=$1 dir=$2 menu=$3
  # What Windows runs, "PROGRAM" /S: the uninstaller copies itself away and returns at
  # once, so wait for every process of the prefix to end.
  local command exe
  command=$(reg_text "$hive\\$uninstall_key" | sed -n 's/^"QuietUninstallString"="\(.*\)"$/\1/p' |
    sed -e 's/\\"/"/g' -e 's/\\\\/\\/g')
  exe=${command#\"}
  exe=${exe%%\"*}
  wine "$exe" /S
  wineserver -w
  snapshot "$hive"
  check "$hive: uninstall entry gone" key_gone "$hive\\$uninstall_key"
  check "$hive: .qb type gone" key_gone "$hive\\Software\\Classes\\.qb"
  check "$hive: question bank class gone" key_gone "$hive\\Software\\Classes\\Kletochka.QuestionBank"
  check "$hive: Start menu folder gone" test ! -e "$menu/Турнир-клеточка"
}

if ! $stand_in; then
  say "the programs' icons and Properties"
  x86_64-w64-mingw32-gcc-posix -municode -Os -s -o "$work/resources.exe" \
    "$root/tests/windows/resources.c" -lversion
  (cd "$program" && wine "$work/resources.exe" kletochka.exe kletochka-editor.exe qbtool.exe) |
    tr -d '\r' >"$work/resources.txt" || true
  for exe in kletochka kletochka-editor qbtool; do
    # The lines after the program's name, up to the next program.
    props=$(awk -v exe="$exe.exe" '/\.exe$/ { inside = ($0 == exe); next } inside' "$work/resources.txt")
    for line in "ProductName=Турнир-клеточка" "CompanyName=The Kletochka developers" \
      "FileVersion=$version" "ProductVersion=$version"; do
      check "$exe.exe: $line" grep -qxF -- "$line" <<<"$props"
    done
    check "$exe.exe: a description of its own" grep -q '^FileDescription=.' <<<"$props"
  done
  check "kletochka-editor.exe: its icon and the .qb document icon" \
    grep -qxF icons=2 <<<"$(awk '/\.exe$/ { inside = ($0 == "kletochka-editor.exe"); next } inside' "$work/resources.txt")"
fi

say "for the current user"
dir="$local_appdata\\Programs\\Kletochka"
udir=$(unix_path "$dir")
wine "$setup" /S /CurrentUser
wineserver -w
# A second install runs the first one's uninstaller and must wait for it.
wine "$setup" /S /CurrentUser
wineserver -w
check_installed HKCU "$dir" "$user_menu" HKLM
# A file of the teacher's own in the program folder outlives the uninstaller.
echo "own" >"$udir/мой урок.qb"
uninstall_and_check_gone HKCU "$dir" "$user_menu"
check "HKCU: only the teacher's own file is left" \
  test "$(cd "$udir" && find . -mindepth 1)" = "./мой урок.qb"
rm -rf "$udir"

say "for all users"
dir="$program_files\\Kletochka"
udir=$(unix_path "$dir")
wine "$setup" /S /AllUsers
wineserver -w
check_installed HKLM "$dir" "$common_menu" HKCU
if $stand_in; then
  # Wine looks file types up only under HKLM, so the double click is tried here.
  export KLETOCHKA_TEST_LOG='C:\started.log'
  log=$(unix_path "$KLETOCHKA_TEST_LOG")
  # start does not wait for what a shortcut starts: wait for every process of the prefix.
  wine start "$program_data\\Microsoft\\Windows\\Start Menu\\Programs\\Турнир-клеточка\\Турнир-клеточка.lnk" 2>/dev/null || true
  wineserver -w
  check "the game's shortcut starts it in its folder" log_has "started in $dir"
  bank='C:\Уроки 5 класса\урок 1.qb'
  mkdir -p "$(dirname "$(unix_path "$bank")")"
  : >"$(unix_path "$bank")"
  wine start "$bank" 2>/dev/null || true
  wineserver -w
  check "a double-clicked .qb opens in the editor" log_has "argument 0: $dir\\kletochka-editor.exe"
  check "the editor gets the whole name of the .qb" log_has "argument 1: $bank"
fi
uninstall_and_check_gone HKLM "$dir" "$common_menu"
check "HKLM: program folder gone" test ! -e "$udir"

say "the portable zip"
check "zip: one folder inside" test "$(ls "$work/unzipped")" = "kletochka-$version"
check "zip: every program file" same_files "$program" "$top"
check "zip: the three programs" test -f "$top/kletochka.exe" -a -f "$top/kletochka-editor.exe" -a -f "$top/qbtool.exe"
check "zip: an empty editor settings file beside the editor" bash -c '[ -f "$1" ] && [ ! -s "$1" ]' _ "$top/kletochka-editor.ini"
check "zip: the guide" grep -q 'памятка учителю' "$top/guide-ru.html"
check "zip: the guide's pictures inside it" bash -c '! grep -q "<img src=\"[^d]" "$1"' _ "$top/guide-ru.html"

echo "installer_test: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
