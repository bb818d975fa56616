#!/usr/bin/env bash
# Installs what building and testing Qd needs on Debian 12, skipping what is
# already there. Must run as root (or with sudo available) on a fresh machine.
# Usage: scripts/setup.sh [test]   (test: only what scripts/test.sh needs,
# without the screenshot tool that run.sh and screenshot.sh use)
set -euo pipefail

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi

native_pkgs=(cmake ninja-build g++ googletest libgtest-dev
  g++-mingw-w64-i686-posix mingw-w64-tools
  wine wine64 xvfb x11-utils
  fonts-ipafont fonts-wine locales)
# `import` takes the pictures; a dozen image libraries come with it.
if [ "${1:-}" != test ]; then native_pkgs+=(imagemagick); fi
# The Wine suites run on the i686 build under wine32 where the kernel runs
# 32-bit programs, otherwise on an x86_64 build under wine64 (see
# wine-env.sh). Each machine gets only what its case needs: wine32 and its
# i386 libraries are useless where i386 cannot execute, and the x86_64
# compilers (about 280 MB) are useless where it can. QD_WINE_ARCH=win64
# forces the 64-bit case on any machine.
. "$(dirname "$0")/wine-env.sh"
qd_wine_arch
if [ "$QD_WINE_ARCH" = win32 ]; then
  arch_pkgs=(wine32:i386 libxrender1:i386 libxrandr2:i386 libxi6:i386
    libxcursor1:i386 libxinerama1:i386 libxcomposite1:i386 libxfixes3:i386)
else
  # The X libraries are only Recommends of libwine: without them no
  # anti-aliased text.
  arch_pkgs=(g++-mingw-w64-x86-64-posix libxrender1 libxrandr2 libxi6
    libxcursor1 libxinerama1 libxcomposite1 libxfixes3)
fi

missing=()
for p in "${native_pkgs[@]}" "${arch_pkgs[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  if [ "$QD_WINE_ARCH" = win32 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
  fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  # One install for everything; dpkg's fsync of every file is what a fresh
  # machine waits on most, and a machine that loses power mid-install is set
  # up again anyway.
  $SUDO apt-get install -y -q --no-install-recommends -o Dpkg::Options::=--force-unsafe-io \
    "${missing[@]}"
fi

# Without the generated locale Wine silently falls back to code page 1252.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  echo "setup: generating ja_JP.UTF-8"
  $SUDO sed -i 's/^# *ja_JP.UTF-8 UTF-8/ja_JP.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi
