# An installed machine in the Wine prefix named by WINEPREFIX, as the installer and Steam would
# leave it; source this file (after wine.sh).

# install_machine BIN_DIR [NAME=VALUE ...]: the program with its two shipped demos and its
# product key holding the given stored choices, the stand-in Steam client with its key, and the
# stand-in game below Steam's library folder with the user's own autoexec.cfg. Sets program,
# steam, game (Unix paths) and users_autoexec (the user's file's bytes).
install_machine() {
  local bin=$1
  shift
  local drive_c="$WINEPREFIX/drive_c"
  program="$drive_c/Program Files/Korvalin Tamsendor"
  steam="$drive_c/Program Files (x86)/Steam"
  game="$steam/steamapps/common/half-life 2 episode two"
  users_autoexec=$'// the user\'s own settings\r\nbind "F5" "jpeg"\r\n'
  mkdir -p "$program" "$game/ep2/cfg"
  cp "$bin/tamsendor.exe" "$program/"
  cp "$bin/steam.exe" "$steam/"
  cp "$bin/hl2.exe" "$game/"
  printf 'stand-in demo 1\r\n' >"$program/qordemo1.dem"
  printf 'stand-in demo 2\r\n' >"$program/qordemo2.dem"
  printf '%s' "$users_autoexec" >"$game/ep2/cfg/autoexec.cfg"

  local key='HKLM\SOFTWARE\Korvalin\Quillax' value
  wine reg add "$key" /f >/dev/null 2>&1 </dev/null
  for value in "$@"; do
    wine reg add "$key" /v "${value%%=*}" /d "${value#*=}" /f >/dev/null 2>&1 </dev/null
  done
  wine reg add 'HKCU\Software\Valve\Steam' /v SteamPath /d 'c:/program files (x86)/steam' /f \
    >/dev/null 2>&1 </dev/null
}

# game_folder_state: every file of the game's folder with its checksum, without the stand-in
# game's own log and control file.
game_folder_state() {
  (cd "$game" && find . -type f ! -name 'standin-*' -print0 | sort -z | xargs -0 -r sha1sum)
}
