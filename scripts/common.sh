# Shared shell functions of scripts/run, scripts/test, scripts/bench and scripts/screenshots.
# Source it; it sets no options of its own beyond what the functions need.

TOP=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${BUILD_DIR:-$TOP/build/mingw}

# Debian packages the build and the tests need, each with a file that shows it is there.
REQUIRED_PACKAGES=(
  "g++-mingw-w64-x86-64-posix:/usr/bin/x86_64-w64-mingw32-g++-posix"
  "binutils-mingw-w64-x86-64:/usr/bin/x86_64-w64-mingw32-windres"
  "cmake:/usr/bin/cmake"
  "ninja-build:/usr/bin/ninja"
  "wine:/usr/bin/wine"
  "wine64:/usr/lib/wine/wine64"
  "xvfb:/usr/bin/Xvfb"
  "xauth:/usr/bin/xauth"
  "doctest-dev:/usr/include/doctest/doctest.h"
  "locales:/usr/sbin/locale-gen"
  "fonts-wqy-microhei:/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
  "imagemagick:/usr/bin/import"
  "x11-utils:/usr/bin/xwininfo"
  "gcc:/usr/bin/gcc"
  "libx11-dev:/usr/include/X11/Xlib.h"
)

# Installs whatever is missing, as root, from Debian's packages.
install_missing_packages() {
  local missing=() entry
  for entry in "${REQUIRED_PACKAGES[@]}"; do
    [ -e "${entry#*:}" ] || missing+=("${entry%%:*}")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
  ensure_chinese_locale
}

# Wine renders the Chinese texts and reads UTF-8 file names only under a generated zh_CN.UTF-8.
ensure_chinese_locale() {
  if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    $sudo sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
    $sudo locale-gen >/dev/null
  fi
}

# Configures (once) and builds everything with two jobs.
# BUILD_DIR may be set to build elsewhere (several builds side by side).
build_all() {
  if [ ! -f "$BUILD_DIR/build.ninja" ]; then
    cmake -S "$TOP" -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_TOOLCHAIN_FILE="$TOP/cmake/mingw-w64-x86_64.cmake" >/dev/null || return 1
  fi
  cmake --build "$BUILD_DIR" -- -j2 || return 1
}

# The build's private Wine prefix, created on first use, with the private drive letter R:
# that tests map to a folder of their own (never C:\ or Z:\ for drive roots).
export TEMPOLIS_WINEPREFIX="$BUILD_DIR/wineprefix"
wine_env() {
  export WINEPREFIX="$TEMPOLIS_WINEPREFIX"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export LANG=zh_CN.UTF-8
  unset LC_ALL LC_CTYPE
  export TZ="${TZ:-Asia/Shanghai}"
}

ensure_wine_prefix() {
  (
    wine_env
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      echo "Creating the Wine prefix in $WINEPREFIX"
      mkdir -p "$WINEPREFIX"
      wineboot -i >/dev/null 2>&1
      wineserver -w
    fi
    mkdir -p "$BUILD_DIR/drive-r"
    ln -sfn "$BUILD_DIR/drive-r" "$WINEPREFIX/dosdevices/r:"
  )
}

# Every program of the prefix runs inside one Wine virtual desktop. Without a window manager
# Wine waits two seconds for the X server at each hidden or destroyed window; inside the
# virtual desktop it does not, and windows get their frames.
enable_virtual_desktop() {
  (
    wine_env
    grep -q '"Desktop"="Default"' "$WINEPREFIX/user.reg" 2>/dev/null && exit 0
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    wineserver -w
  )
}

# Starts a private Xvfb on a free display number and exports DISPLAY; stop_xvfb ends it.
XVFB_PID=""
start_xvfb() {
  local display
  for display in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] && continue
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    XVFB_PID=$!
    local tries
    for tries in $(seq 1 50); do
      [ -e "/tmp/.X11-unix/X$display" ] && break
      sleep 0.1
    done
    if kill -0 "$XVFB_PID" 2>/dev/null; then
      export DISPLAY=":$display"
      return 0
    fi
  done
  echo "Could not start Xvfb" >&2
  return 1
}

stop_xvfb() {
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=""
  fi
}

# Ends the wineserver of the private prefix (and with it any program left in it).
stop_wine() {
  ( wine_env; wineserver -k 2>/dev/null ) || true
}
