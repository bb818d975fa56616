# Sourced by the scripts that run Qd under Wine. Defines:
#   qd_wine_vars      export the Wine variables for the project's prefix
#   qd_wine_prefix    create the 32-bit Japanese prefix once (no downloads)
#   qd_display        make sure an X display is there (Xvfb when none is set)
#   qd_session_start  start the Wine session that later starts reuse
#   qd_session_stop   end the session and an Xvfb we started
QD_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QD_WINE_DIR="$QD_ROOT/build/wine"

qd_wine_vars() {
  export WINEPREFIX="$QD_WINE_DIR/prefix"
  export WINEARCH=win32
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEDEBUG=-all
  # LC_CTYPE decides Wine's code page: ja_JP.UTF-8 gives GetACP() = 932.
  export LC_ALL=ja_JP.UTF-8
  # The recycle bin is the Linux trash: keep it inside the build tree.
  export XDG_DATA_HOME="$QD_WINE_DIR/xdg"
  if [ -z "${DISPLAY:-}" ] && [ -f "$QD_WINE_DIR/display" ]; then
    DISPLAY=$(cat "$QD_WINE_DIR/display")
    export DISPLAY
  fi
}

qd_wine_prefix() {
  qd_wine_vars
  [ -f "$WINEPREFIX/.qd-ready" ] && return 0
  echo "wine: creating the prefix in $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  mkdir -p "$QD_WINE_DIR" "$XDG_DATA_HOME"
  wineboot -i </dev/null >"$QD_WINE_DIR/wineboot.log" 2>&1
  wineserver -w
  # Debian's Wine does not find its own fonts unless they are in the prefix.
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  local reg="$QD_WINE_DIR/fonts.reg"
  {
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    printf '"MS UI Gothic"="IPAPGothic"\r\n"MS PGothic"="IPAPGothic"\r\n'
    printf '"\xef\xbc\xad\xef\xbc\xb3 \xef\xbc\xb0\xe3\x82\xb4\xe3\x82\xb7\xe3\x83\x83\xe3\x82\xaf"="IPAPGothic"\r\n'
    printf '"Meiryo UI"="IPAPGothic"\r\n"MS Gothic"="IPAGothic"\r\n'
    printf '"\xef\xbc\xad\xef\xbc\xb3 \xe3\x82\xb4\xe3\x82\xb7\xe3\x83\x83\xe3\x82\xaf"="IPAGothic"\r\n'
    # The filer's default face; give it a fixed-pitch font that has Japanese.
    printf '"Terminal"="IPAGothic"\r\n'
  } | iconv -f UTF-8 -t CP932 >"$reg"
  wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" </dev/null >>"$QD_WINE_DIR/wineboot.log" 2>&1
  wineserver -w
  touch "$WINEPREFIX/.qd-ready"
}

qd_display() {
  qd_wine_vars
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local n
  for n in 87 88 89 90 91 92 93 94 95 96; do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$QD_WINE_DIR/xvfb.log" 2>&1 &
    echo $! >"$QD_WINE_DIR/xvfb.pid"
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      xdpyinfo >/dev/null 2>&1 && break
      sleep 0.1
    done
    if xdpyinfo >/dev/null 2>&1; then
      echo "$DISPLAY" >"$QD_WINE_DIR/display"
      return 0
    fi
    kill "$(cat "$QD_WINE_DIR/xvfb.pid")" 2>/dev/null
  done
  echo "wine: could not start Xvfb" >&2
  return 1
}

qd_session_start() {
  qd_wine_prefix
  qd_display || return 1
  # A running session makes each start cost well under 0.1 s; its helpers
  # must not inherit a pipe, so their output goes to a file.
  wineserver -p 2>/dev/null || true  # already running: reuse it
  wine wineboot </dev/null >"$QD_WINE_DIR/session.log" 2>&1
}

qd_session_stop() {
  qd_wine_vars
  wineserver -k 2>/dev/null || true
  if [ -f "$QD_WINE_DIR/xvfb.pid" ]; then
    kill "$(cat "$QD_WINE_DIR/xvfb.pid")" 2>/dev/null || true
    rm -f "$QD_WINE_DIR/xvfb.pid" "$QD_WINE_DIR/display"
  fi
}
