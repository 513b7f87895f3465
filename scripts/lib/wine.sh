# Wine helpers shared by the scripts; source this file.
# A pristine prefix is made once per build folder and copied for each use (cp -a is ~1 s, a new
# prefix ~12 s).

wine_env() {
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="winemenubuilder.exe=d"
}

# wine_fresh_prefix TEMPLATE_DIR TARGET_DIR: a new prefix at TARGET_DIR.
wine_fresh_prefix() {
  local template=$1 target=$2
  wine_env
  if [ ! -f "$template/system.reg" ]; then
    rm -rf "$template"
    WINEPREFIX="$template" wineboot -i >/dev/null 2>&1 </dev/null
    WINEPREFIX="$template" wineserver -w
  fi
  rm -rf "$target"
  cp -a "$template" "$target"
}

# Starts a persistent wineserver for the prefix in WINEPREFIX and warms it up. Its output goes
# nowhere: a wineserver holding a captured pipe open makes ctest wait forever.
wine_server_start() {
  wine_env
  wineserver -p >/dev/null 2>&1 </dev/null
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
}

wine_server_stop() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}

# wine_path UNIX_PATH: the same file as Wine's Z: drive names it.
wine_path() {
  printf 'Z:%s' "$(realpath -m "$1" | tr '/' '\\')"
}
