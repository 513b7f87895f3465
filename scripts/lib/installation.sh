# An installed machine in the Wine prefix named by WINEPREFIX, as our setup program and Steam
# leave it; source this file (after wine.sh).

# install_machine BIN_DIR [NAME=VALUE ...]: the program installed by its setup program (silently,
# as an administrator deploys it) with the product key holding the given stored choices, the
# stand-in Steam client with its key, and the stand-in game with the user's own autoexec.cfg in
# a second Steam library on a drive of its own (S:\SteamLibrary), as Steam installs games on other
# drives: Steam's libraryfolders.vdf lists it, and the game's manifest there names its folder
# ("Half-Life 2"). Sets program, shortcut, steam, library, game (Unix paths) and users_autoexec
# (the user's file's bytes).
install_machine() {
  local bin=$1
  shift
  local drive_c="$WINEPREFIX/drive_c"
  program="$drive_c/Program Files/Korvalin Tamsendor"
  shortcut="$drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Korvalin Tamsendor.lnk"
  steam="$drive_c/Program Files (x86)/Steam"
  library_drive="$WINEPREFIX/drive-s"
  library="$library_drive/SteamLibrary"
  game="$library/steamapps/common/Half-Life 2"
  users_autoexec=$'// the user\'s own settings\r\nbind "F5" "jpeg"\r\n'

  # A fresh machine: what another test's program stored (a results folder of its own, say) must
  # not reach this one.
  wine reg delete 'HKLM\SOFTWARE\Korvalin\Quillax' /f /reg:64 >/dev/null 2>&1 </dev/null || true
  local setup
  setup=$(ls "$bin"/korvalin-tamsendor-*-setup.exe 2>/dev/null | head -n 1)
  if [ -z "$setup" ] || ! wine "$setup" /S >/dev/null 2>&1 </dev/null ||
    [ ! -f "$program/tamsendor.exe" ]; then
    echo "install_machine: the setup program in $bin did not install the program" >&2
    return 1
  fi

  rm -rf "$library_drive"
  mkdir -p "$game/ep2/cfg" "$steam/steamapps"
  ln -sfn "$library_drive" "$WINEPREFIX/dosdevices/s:"
  printf '"AppState"\r\n{\r\n\t"appid"\t\t"420"\r\n\t"installdir"\t\t"Half-Life 2"\r\n}\r\n' \
    >"$library/steamapps/appmanifest_420.acf"
  printf '"libraryfolders"\r\n{\r\n\t"0"\r\n\t{\r\n\t\t"path"\t\t"C:\\\\Program Files (x86)\\\\Steam"\r\n\t}\r\n\t"1"\r\n\t{\r\n\t\t"path"\t\t"S:\\\\SteamLibrary"\r\n\t}\r\n}\r\n' \
    >"$steam/steamapps/libraryfolders.vdf"
  cp "$bin/steam.exe" "$steam/"
  # The stand-in client is told where the game is, as the real one knows its libraries.
  printf 'S:\\SteamLibrary\\steamapps\\common\\Half-Life 2\\hl2.exe\r\n' >"$steam/standin-game.txt"
  cp "$bin/hl2.exe" "$game/"
  printf '%s' "$users_autoexec" >"$game/ep2/cfg/autoexec.cfg"

  local key='HKLM\SOFTWARE\Korvalin\Quillax' value
  for value in "$@"; do
    wine reg add "$key" /v "${value%%=*}" /d "${value#*=}" /f /reg:64 >/dev/null 2>&1 </dev/null
  done
  wine reg add 'HKCU\Software\Valve\Steam' /v SteamPath /d 'c:/program files (x86)/steam' /f \
    >/dev/null 2>&1 </dev/null
}

# install_test_machine BIN_DIR [NAME=VALUE ...]: install_machine for a test script that shares
# the prefix with others: at the script's end the program (its PID in `app`) is killed and the
# installation goes again. Sets cfg (the game's autoexec.cfg) and users_file (a file with the
# user's autoexec.cfg bytes, to compare with).
install_test_machine() {
  app=""
  trap uninstall_test_machine EXIT
  install_machine "$@"
  cfg="$game/ep2/cfg/autoexec.cfg"
  users_file=$(mktemp)
  printf '%s' "$users_autoexec" >"$users_file"
}
uninstall_test_machine() {
  [ -n "${app:-}" ] && kill -9 "$app" 2>/dev/null
  uninstall_machine
  rm -f "${users_file:-}"
}

# uninstall_machine: what install_machine made goes again, with the game and Steam ended: for the
# tests that share a prefix with others.
uninstall_machine() {
  wine taskkill /f /im hl2.exe >/dev/null 2>&1 </dev/null
  [ -n "${steam:-}" ] && wine "$steam/steam.exe" -shutdown >/dev/null 2>&1 </dev/null
  wine reg delete 'HKLM\SOFTWARE\Korvalin\Quillax' /f /reg:64 >/dev/null 2>&1 </dev/null
  rm -rf "${program:-/nonexistent}" "${steam:-/nonexistent}" "${library_drive:-/nonexistent}"
  rm -f "$WINEPREFIX/dosdevices/s:"
}

# shortcut_target: the program the Start menu shortcut starts, as Windows names it (Wine's shell
# cannot start a shortcut itself).
shortcut_target() {
  python3 "$(dirname "${BASH_SOURCE[0]}")/shortcut-target.py" "$shortcut"
}

# game_folder_state: every file of the game's folder with its checksum, without the stand-in
# game's own log and control file.
game_folder_state() {
  (cd "$game" && find . -type f ! -name 'standin-*' -print0 | sort -z | xargs -0 -r sha1sum)
}
