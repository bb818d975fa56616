# Sourced by the scripts that run Qd under Wine. Defines:
#   qd_runs_32bit     whether this machine can execute 32-bit (i386) programs
#   qd_wine_arch      pick win32 or win64 (QD_WINE_ARCH, when set, decides)
#   qd_wine_vars      export the Wine variables for the project's prefix
#   qd_wine           run the Wine loader of that prefix
#   qd_wine_prefix    create the Japanese prefix once (no downloads)
#   qd_display        make sure an X display is there (Xvfb when none is set)
#   qd_session_start  start the Wine session that later starts reuse
#   qd_session_stop   end the session and an Xvfb we started
# QD_WINE_SLOT=1 picks a second session beside the first: its own prefix (a
# copy of the first), wineserver and Xvfb. Two tests can then run at once
# without sharing a desktop, its foreground window or its focus.
# Where the kernel runs 32-bit programs, everything is 32-bit: the i686 build
# (dist/Qd.exe) in a win32 prefix. Where it does not (ia32_emulation off),
# wine32 cannot start at all, so the same sources built for x86_64 (preset
# win64) run in a win64 prefix under wine64; dist/ stays 32-bit.
QD_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
QD_WINE_DIR="$QD_ROOT/build/wine"

qd_runs_32bit() {
  if [ -z "${QD_RUNS_32BIT:-}" ]; then
    # A 96-byte static i386 ELF that only calls exit(42): it needs no package,
    # so it also answers before setup has installed anything i386. Without
    # 32-bit emulation the kernel refuses it (ENOEXEC); only 42 means it ran.
    # It lives in the build tree because /tmp may be mounted noexec.
    mkdir -p "$QD_ROOT/build"
    local probe="$QD_ROOT/build/.i386-probe.$$" rc=0
    {
      printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'
      printf '\x02\x00\x03\x00\x01\x00\x00\x00'  # ET_EXEC, EM_386
      printf '\x54\x80\x04\x08'                   # entry: the code below
      printf '\x34\x00\x00\x00\x00\x00\x00\x00'  # program header at 52
      printf '\x00\x00\x00\x00\x34\x00\x20\x00'
      printf '\x01\x00\x00\x00\x00\x00\x00\x00'  # one program header
      printf '\x01\x00\x00\x00\x00\x00\x00\x00'  # PT_LOAD of the whole file
      printf '\x00\x80\x04\x08\x00\x80\x04\x08'  # at 0x08048000
      printf '\x60\x00\x00\x00\x60\x00\x00\x00'
      printf '\x05\x00\x00\x00\x00\x10\x00\x00'  # R+X
      printf '\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80'  # exit(42)
    } >"$probe"
    chmod +x "$probe"
    ("$probe") >/dev/null 2>&1 || rc=$?
    rm -f "$probe"
    if [ "$rc" = 42 ]; then QD_RUNS_32BIT=yes; else QD_RUNS_32BIT=no; fi
    export QD_RUNS_32BIT
  fi
  [ "$QD_RUNS_32BIT" = yes ]
}

qd_wine_arch() {
  if [ -z "${QD_WINE_ARCH:-}" ]; then
    QD_WINE_ARCH=win32
    if ! qd_runs_32bit; then
      QD_WINE_ARCH=win64
      QD_WINE_WHY="this machine cannot run 32-bit programs"
    fi
  fi
  # A few words for the scripts to say why it is the 64-bit build.
  : "${QD_WINE_WHY:=QD_WINE_ARCH=$QD_WINE_ARCH is set}"
  export QD_WINE_WHY
  case "$QD_WINE_ARCH" in
    win32 | win64) ;;
    *) echo "wine: QD_WINE_ARCH must be win32 or win64, not $QD_WINE_ARCH" >&2; return 1 ;;
  esac
  export QD_WINE_ARCH
}

# "" for the first session, "-N" for slot N.
qd_slot_suffix() {
  case "${QD_WINE_SLOT:-0}" in
    0) ;;
    *) printf '%s' "-$QD_WINE_SLOT" ;;
  esac
}

qd_wine_vars() {
  qd_wine_arch
  QD_SLOT=$(qd_slot_suffix)
  # QD_PRESET builds QD_EXE, the filer that runs under this prefix.
  if [ "$QD_WINE_ARCH" = win32 ]; then
    export WINEPREFIX="$QD_WINE_DIR/prefix$QD_SLOT"
    QD_WINE=wine
    unset WINELOADER  # one left by a 64-bit caller would start the wrong loader
    QD_PRESET=win32
    QD_EXE="$QD_ROOT/dist/Qd.exe"
  else
    export WINEPREFIX="$QD_WINE_DIR/prefix64$QD_SLOT"
    # Debian's `wine` picks the i386 loader whenever wine32 is installed,
    # even where it cannot run; wine64 is not on PATH.
    QD_WINE=/usr/lib/wine/wine64
    # Processes that Wine itself starts use the same loader.
    export WINELOADER="$QD_WINE"
    QD_PRESET=win64
    QD_EXE="$QD_ROOT/build/win64/dist/Qd.exe"
  fi
  export WINEARCH="$QD_WINE_ARCH"
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEDEBUG=-all
  # LC_CTYPE decides Wine's code page: ja_JP.UTF-8 gives GetACP() = 932.
  export LC_ALL=ja_JP.UTF-8
  # The recycle bin is the Linux trash: keep it inside the build tree.
  export XDG_DATA_HOME="$QD_WINE_DIR/xdg"
  if [ -n "$QD_SLOT" ] && [ -f "$QD_WINE_DIR/display$QD_SLOT" ]; then
    DISPLAY=$(cat "$QD_WINE_DIR/display$QD_SLOT")  # a slot's own Xvfb, always
    export DISPLAY
  elif [ -z "${DISPLAY:-}" ] && [ -f "$QD_WINE_DIR/display" ]; then
    DISPLAY=$(cat "$QD_WINE_DIR/display")
    export DISPLAY
  fi
}

qd_wine() {
  "$QD_WINE" "$@"
}

# Bumped when qd_wine_prefix adds a setting, so that an existing prefix gets it.
QD_PREFIX_VERSION=2

qd_wine_prefix() {
  qd_wine_vars
  [ "$(cat "$WINEPREFIX/.qd-ready" 2>/dev/null)" = "$QD_PREFIX_VERSION" ] && return 0
  if [ -n "$QD_SLOT" ] && [ ! -f "$WINEPREFIX/.qd-ready" ]; then
    # A copy of the first prefix takes seconds, a new one ten or more.
    local slot_prefix="$WINEPREFIX"
    (QD_WINE_SLOT=0 qd_wine_prefix)
    echo "wine: copying the $WINEARCH prefix to $slot_prefix"
    rm -rf "$slot_prefix"
    cp -a --reflink=auto "${slot_prefix%"$QD_SLOT"}" "$slot_prefix"
    return 0
  fi
  if [ ! -f "$WINEPREFIX/.qd-ready" ]; then
    echo "wine: creating the $WINEARCH prefix in $WINEPREFIX"
    rm -rf "$WINEPREFIX"
    mkdir -p "$QD_WINE_DIR" "$XDG_DATA_HOME"
    # In a win64 prefix wineboot also tries the 32-bit rundll32 and logs that
    # it failed (c0000135); the 64-bit side is complete without it.
    qd_wine wineboot -i </dev/null >"$QD_WINE_DIR/wineboot.log" 2>&1
    wineserver -w
    # Debian's Wine does not find its own fonts unless they are in the prefix.
    cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
  local reg="$QD_WINE_DIR/prefix.reg"
  {
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
    printf '"MS UI Gothic"="IPAPGothic"\r\n"MS PGothic"="IPAPGothic"\r\n'
    printf '"\xef\xbc\xad\xef\xbc\xb3 \xef\xbc\xb0\xe3\x82\xb4\xe3\x82\xb7\xe3\x83\x83\xe3\x82\xaf"="IPAPGothic"\r\n'
    printf '"Meiryo UI"="IPAPGothic"\r\n"MS Gothic"="IPAGothic"\r\n'
    printf '"\xef\xbc\xad\xef\xbc\xb3 \xe3\x82\xb4\xe3\x82\xb7\xe3\x83\x83\xe3\x82\xaf"="IPAGothic"\r\n'
    # The filer's default face; give it a fixed-pitch font that has Japanese.
    printf '"Terminal"="IPAGothic"\r\n'
    # Every program of a session runs in one virtual desktop. Without a
    # window manager (a bare Xvfb) Wine waits about 1.9 s for each top-level
    # window it hides (a dialog closing, a program ending); in the desktop
    # it does not wait, and windows get their frames.
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer]\r\n"Desktop"="Default"\r\n'
    printf '\r\n[HKEY_CURRENT_USER\\Software\\Wine\\Explorer\\Desktops]\r\n"Default"="1280x1024"\r\n'
  } | iconv -f UTF-8 -t CP932 >"$reg"
  # The settings take effect in the next session: end one that is running.
  wineserver -k 2>/dev/null || true
  qd_wine regedit /S "$(qd_wine winepath -w "$reg" 2>/dev/null)" </dev/null >>"$QD_WINE_DIR/wineboot.log" 2>&1
  wineserver -w
  echo "$QD_PREFIX_VERSION" >"$WINEPREFIX/.qd-ready"
}

qd_display() {
  qd_wine_vars
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local n
  for n in 87 88 89 90 91 92 93 94 95 96; do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >"$QD_WINE_DIR/xvfb$QD_SLOT.log" 2>&1 &
    echo $! >"$QD_WINE_DIR/xvfb$QD_SLOT.pid"
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      xdpyinfo >/dev/null 2>&1 && break
      sleep 0.1
    done
    if xdpyinfo >/dev/null 2>&1; then
      echo "$DISPLAY" >"$QD_WINE_DIR/display$QD_SLOT"
      return 0
    fi
    kill "$(cat "$QD_WINE_DIR/xvfb$QD_SLOT.pid")" 2>/dev/null
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
  qd_wine wineboot </dev/null >"$QD_WINE_DIR/session$QD_SLOT.log" 2>&1
}

qd_session_stop() {
  qd_wine_vars
  wineserver -k 2>/dev/null || true
  if [ -f "$QD_WINE_DIR/xvfb$QD_SLOT.pid" ]; then
    kill "$(cat "$QD_WINE_DIR/xvfb$QD_SLOT.pid")" 2>/dev/null || true
    rm -f "$QD_WINE_DIR/xvfb$QD_SLOT.pid" "$QD_WINE_DIR/display$QD_SLOT"
  fi
}

# The sessions that ctest -j2 runs the Wine suites in: the first and slot 1
# (cmake/wine-run.sh gives each test one that is free).
qd_test_sessions_start() {
  (QD_WINE_SLOT=1 && unset DISPLAY && qd_session_start && qd_hold_desktop) || return 1
  qd_session_start && qd_hold_desktop
}

# Keeps the session's desktop up between tests (see tests/win32/main_win32.cpp);
# it ends with the session.
qd_hold_desktop() {
  local runner="$QD_ROOT/build/$QD_PRESET/tests/win32/qd_win32_tests.exe"
  [ -f "$runner" ] || return 0
  qd_wine "$runner" --hold-desktop </dev/null >/dev/null 2>&1 &
}

qd_test_sessions_stop() {
  (QD_WINE_SLOT=1 qd_session_stop)
  qd_session_stop
}
