#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs, where they are missing.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-svg-dev qt6-translations-l10n qt6-qpa-plugins libgl-dev libvulkan-dev
  libgtest-dev libgmock-dev libbenchmark-dev clang-format clang-tidy
  fonts-dejavu-core fonts-liberation2 locales
  desktop-file-utils appstream man-db dpkg-dev file lintian xvfb xauth x11-utils xdotool
  libxcb1-dev openbox wmctrl dbus-x11
  poppler-utils  # pdftotext reads the record pages in the GUI tests
)
if [ "${MORVANE_SANITIZE:-0}" = 1 ]; then packages+=(clang libclang-rt-14-dev); fi

source "$(dirname "$0")/packages.sh"
install_missing "${packages[@]}"

# A German locale, so the tests can prove that number texts ignore the environment.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
  grep -q '^de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo tee -a /etc/locale.gen >/dev/null
  $sudo locale-gen >/dev/null
fi
