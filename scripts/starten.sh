#!/usr/bin/env bash
# Builds the programs and starts the planner on a fresh copy of the sample data folder,
# with settings of its own (the user's own settings are never touched).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/pakete.sh
cmake --preset dev >/dev/null
cmake --build --preset dev

lauf="$PWD/build/lauf"
rm -rf "$lauf"
mkdir -p "$lauf/windows"
cp -r data/beispiel "$lauf/daten"
printf '[Kronel]\r\nDirData=%s\r\n' "$lauf/daten" > "$lauf/windows/RIVIROR.INI"
export KRONEL_WINDIR="$lauf/windows"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Kein Bildschirm gefunden: der Planer läuft unter Xvfb (beenden mit Strg+C)."
    exec xvfb-run -a build/bin/Kronelin "$@"
fi
exec build/bin/Kronelin "$@"
