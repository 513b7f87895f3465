#!/usr/bin/env bash
# The setup program under Wine, silently, as an administrator deploys it: the files, the Start
# menu shortcut, the entry in Apps & Features and the product key are there, and the key and the
# results folder let the Users group write; the program starts from its shortcut without the
# "reinstall" message; an upgrade keeps a stored choice; the uninstaller removes all it added but
# leaves the user's report and the game's folder alone.
# Usage: installer.sh BIN_DIR SCREENSHOT_FOLDER
set -u
bin=$1
shots=$2

. "$(dirname "$0")/smoke_lib.sh"
setup=$(ls "$bin"/korvalin-tamsendor-*-setup.exe 2>/dev/null | head -n 1)
[ -n "$setup" ] || fail "no setup program in $bin"
probe="$bin/access_probe.exe"

drive_c="$WINEPREFIX/drive_c"
program="$drive_c/Program Files/Korvalin Tamsendor"
link="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Korvalin Tamsendor.lnk"
key='HKLM\SOFTWARE\Korvalin\Quillax'
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvalin Tamsendor'
game="$drive_c/Program Files (x86)/Steam/steamapps/common/half-life 2 episode two"

reg_has() { wine reg query "$@" /reg:64 >/dev/null 2>&1 </dev/null; }
reg_value() {
  wine reg query "$1" /v "$2" /reg:64 2>/dev/null </dev/null | tr -d '\r' |
    awk -v name="$2" '$1 == name { $1 = ""; $2 = ""; sub(/^  */, ""); print }'
}

# A machine the program was never on (earlier tests leave their installations), with a game.
rm -rf "$program" "$link"
wine reg delete "$key" /f /reg:64 >/dev/null 2>&1 </dev/null
wine reg delete "$entry" /f /reg:64 >/dev/null 2>&1 </dev/null
mkdir -p "$game/ep2/cfg"
printf 'bind "F5" "jpeg"\r\n' >"$game/ep2/cfg/autoexec.cfg"
game_before=$(cd "$game" && find . -type f -print0 | sort -z | xargs -0 sha1sum)

wine "$setup" /S >/dev/null 2>&1 </dev/null || fail "the silent setup failed"
for file in tamsendor.exe tamsendor_update.exe tamsendor-results.exe Help.pdf qordemo1.dem qordemo2.dem \
  uninstall.exe; do
  [ -f "$program/$file" ] || fail "setup did not install $file"
done
cmp -s "$bin/tamsendor.exe" "$program/tamsendor.exe" || fail "the installed program is not the build's"
[ -d "$program/Benchmark" ] || fail "setup made no Benchmark folder"
[ -f "$link" ] || fail "no Start menu shortcut"
reg_has "$key" || fail "no product key"
version=$(basename "$setup" | sed 's/^korvalin-tamsendor-\(.*\)-setup.exe$/\1/')
[ "$(reg_value "$entry" DisplayName)" = "Korvalin Tamsendor" ] || fail "no uninstall entry"
[ "$(reg_value "$entry" DisplayVersion)" = "$version" ] || fail "the entry's version is not $version"
[ "$(reg_value "$entry" Publisher)" = "Korvalin" ] || fail "the entry names no publisher"
for value in DisplayIcon UninstallString QuietUninstallString EstimatedSize; do
  [ -n "$(reg_value "$entry" "$value")" ] || fail "the uninstall entry has no $value"
done
echo "installed: files, shortcut, key, uninstall entry ($(reg_value "$entry" EstimatedSize) KB)"

# What the Users group may do: on the key, set values and make subkeys (0x2 | 0x4), inherited
# by subkeys; in the folder, write, add and delete files (0x2 | 0x4 | 0x10000), inherited by all.
read -r key_mask key_flags <<<"$(wine "$probe" key 'MACHINE\SOFTWARE\Korvalin\Quillax' 2>/dev/null </dev/null | tr -d '\r')"
read -r folder_mask folder_flags <<<"$(wine "$probe" file 'C:\Program Files\Korvalin Tamsendor\Benchmark' 2>/dev/null </dev/null | tr -d '\r')"
[ $((0x${key_mask:-0} & 0x6)) -eq $((0x6)) ] || fail "Users may not write the key (mask ${key_mask:-none})"
[ $((0x${key_flags:-0} & 0x2)) -ne 0 ] || fail "the key's grant is not inherited (flags ${key_flags:-none})"
# This Wine keeps no security descriptors for files: setting one succeeds and reading gives one
# made from the Unix mode, so the folder's grant can only be seen on Windows.
if [ "${folder_mask:-0}" != 00000000 ]; then
  [ $((0x$folder_mask & 0x10006)) -eq $((0x10006)) ] ||
    fail "Users may not modify the Benchmark folder (mask $folder_mask)"
  [ $((0x${folder_flags:-0} & 0x3)) -eq 3 ] || fail "the folder's grant is not inherited ($folder_flags)"
fi
echo "access: key $key_mask/$key_flags, Benchmark $folder_mask/$folder_flags"

# The program from its shortcut, as a user starts it: no message, the main window.
wine reg add 'HKCU\Software\Valve\Steam' /v SteamPath /d 'c:/steam' /f >/dev/null 2>&1 </dev/null
target=$(python3 "$root/scripts/lib/shortcut-target.py" "$link") || fail "no target in the shortcut"
[ "$target" = 'C:\Program Files\Korvalin Tamsendor\tamsendor.exe' ] || fail "the shortcut starts $target"
wine "$target" >/dev/null 2>&1 </dev/null &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT
wait_for 60 main_window >/dev/null || fail "the installed program shows no main window"
message_box >/dev/null && fail "the installed program shows a message at its start"
window=$(main_window)
close_news
screenshot "$window" "$shots/installed_program.png"
xdotool mousemove --window "$window" 541 15 sleep 0.3 click 1
wait_for 10 sh -c "! kill -0 $pid 2>/dev/null" || fail "the installed program did not end"
echo "the program starts from its shortcut"

# An upgrade over the installed copy keeps what the program stored.
wine reg add "$key" /v Note /d 'kept across setups' /f /reg:64 >/dev/null 2>&1 </dev/null
wine "$setup" /S >/dev/null 2>&1 </dev/null || fail "the second setup failed"
[ "$(reg_value "$key" Note)" = "kept across setups" ] || fail "the upgrade lost a stored choice"
echo "an upgrade keeps the stored choices"

# The uninstaller, silently: it copies itself away and goes on in a second process.
printf '<html>a report</html>' >"$program/Benchmark/result_1_1_2026_1_00_00_PM.htm"
wine "$program/uninstall.exe" /S >/dev/null 2>&1 </dev/null
uninstalled() { [ ! -f "$program/uninstall.exe" ] && ! reg_has "$entry"; }
wait_for 60 uninstalled || fail "the uninstaller did not finish within 60 s"
sleep 1
for file in tamsendor.exe tamsendor_update.exe tamsendor-results.exe Help.pdf qordemo1.dem qordemo2.dem; do
  [ -f "$program/$file" ] && fail "the uninstaller left $file"
done
[ -f "$link" ] && fail "the uninstaller left the shortcut"
reg_has "$key" && fail "the uninstaller left the product key"
[ -f "$program/Benchmark/result_1_1_2026_1_00_00_PM.htm" ] || fail "a silent uninstall deleted a report"
game_after=$(cd "$game" && find . -type f -print0 | sort -z | xargs -0 sha1sum)
[ "$game_before" = "$game_after" ] || fail "the uninstaller changed the game's folder"

# Without reports the Benchmark folder, and with it the program's folder, go too.
rm "$program/Benchmark/result_1_1_2026_1_00_00_PM.htm"
wine "$setup" /S >/dev/null 2>&1 </dev/null || fail "the setup after the uninstall failed"
wine "$program/uninstall.exe" /S >/dev/null 2>&1 </dev/null
wait_for 60 uninstalled || fail "the second uninstall did not finish within 60 s"
gone() { [ ! -e "$program" ]; }
wait_for 10 gone || fail "the uninstaller left $(ls -A "$program" | tr '\n' ' ')"
echo "uninstalled: all gone but the user's report"
