#!/usr/bin/env bash
# Installs every Debian package the build, the program and the tests need.
# Idempotent: only packages that are missing are installed. Works as root or via sudo.
set -euo pipefail

packages=(
  # toolchain
  g++ cmake ninja-build pkg-config git
  # Qt 6 (Core, Gui, Widgets, PrintSupport, Network, Test) and its platform plugins; Svg for the
  # scalable program icon
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev qt6-svg-dev
  # question documents and GIF pictures; the print system's job states
  libgmime-3.0-dev libgif-dev libcups2-dev
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # fonts named by the program (metric-compatible substitutes)
  fonts-liberation2 fontconfig
  # end-to-end checks in a real X server, and a real printer queue
  xvfb xauth xdotool imagemagick x11-utils
  cups cups-client cups-bsd printer-driver-cups-pdf poppler-utils
  # a window manager, to drag a frameless window the way a desktop does
  openbox
  # what a screen reader sees: the accessibility bus and its Python client
  at-spi2-core python3-pyatspi dbus-daemon
  # the screen reader itself, which the Orca test runs (its log, not its voice, is checked)
  orca
  # the installed tree and the Debian package: validators, cpack's dependency list, lintian
  desktop-file-utils appstream dpkg-dev file lintian
  # a non-English locale, to run the tests in as a tester abroad would
  locales
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The German locale the tests are also run in (scripts/test.sh).
if ! locale -a 2>/dev/null | grep -qx 'de_DE\.utf8'; then
  echo "Making the locale de_DE.UTF-8"
  $SUDO localedef -i de_DE -c -f UTF-8 de_DE.UTF-8
fi
