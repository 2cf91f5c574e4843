#!/usr/bin/env bash
# Runs one test in surroundings of its own: a fresh home and XDG folders, and none of the
# tester's display, session bus, print server or default printer. The tester's settings (a
# default printer in ~/.cups/lpoptions, a desktop's configuration) then cannot change a result,
# and a read-only home does not matter. The locale stays the tester's: tests pass in any.
# A test that needs a display, a bus or a print server starts its own.
#   test_environment.sh COMMAND [ARGUMENT...]
set -u
root=$(mktemp -d "${TMPDIR:-/tmp}/hmtest.XXXXXX") || exit 1
trap 'rm -rf "$root"' EXIT
mkdir "$root/home" "$root/config" "$root/data" "$root/cache" "$root/state" "$root/cups" || exit 1
mkdir -m 700 "$root/runtime" || exit 1

export HOME="$root/home"
export XDG_CONFIG_HOME="$root/config" XDG_DATA_HOME="$root/data" XDG_CACHE_HOME="$root/cache"
export XDG_STATE_HOME="$root/state" XDG_RUNTIME_DIR="$root/runtime"
# A bus address that leads nowhere: with none at all, libdbus would look for the tester's bus
# through the X server and start one there.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$XDG_RUNTIME_DIR/bus"
# No print server and no client settings (the machine's client.conf and lpoptions): a test sees
# printers only where it starts a print server of its own.
export CUPS_SERVER="$XDG_RUNTIME_DIR/cups.sock" CUPS_SERVERROOT="$root/cups"
unset DISPLAY WAYLAND_DISPLAY XAUTHORITY SESSION_MANAGER CUPS_USER PRINTER LPDEST

"$@"
