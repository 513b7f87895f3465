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
# wine_server_start [KEEPER_EXE]: with a keeper program (a hidden window that never ends), Wine's
# desktop stays up for the whole run instead of closing a second after each program, which saves
# about a second per test program.
wine_server_start() {
  wine_env
  wineserver -p >/dev/null 2>&1 </dev/null
  wine cmd /c exit >/dev/null 2>&1 </dev/null || true
  if [ -n "${1:-}" ] && [ -f "$1" ]; then
    # Wait until it is up: a test that started the desktop itself would hand the desktop its own
    # output pipe, and the runner would wait for that pipe until the time-out.
    local ready
    ready=$(mktemp -u)
    wine "$1" "$(wine_path "$ready")" >/dev/null 2>&1 </dev/null &
    for _ in $(seq 100); do
      [ -f "$ready" ] && break
      sleep 0.1
    done
    rm -f "$ready"
  fi
}

wine_server_stop() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
}

# wine_path UNIX_PATH: the same file as Wine's Z: drive names it.
wine_path() {
  printf 'Z:%s' "$(realpath -m "$1" | tr '/' '\\')"
}
