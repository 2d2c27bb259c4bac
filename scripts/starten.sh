#!/usr/bin/env bash
# Builds the four programs (Release) and starts the planner on the run folder build/lauf/, with
# settings of its own (the user's own settings are never touched). The first start makes the run
# folder from the sample data; later starts keep it with what was entered there. "--frisch" makes
# it anew. Any further arguments go to the planner.
set -euo pipefail
cd "$(dirname "$0")/.."

frisch=0
if [ "${1:-}" = "--frisch" ]; then
    frisch=1
    shift
fi

bash scripts/pakete.sh
cmake --preset release >/dev/null
cmake --build --preset release --target Kronelin Kronel Kronelol KronMemo

programme="$PWD/build-release/bin"
lauf="$PWD/build/lauf"
if [ "$frisch" -eq 1 ]; then
    rm -rf "$lauf"
fi
# Only what is missing is made: a kept data folder is never replaced.
if [ ! -d "$lauf/daten" ]; then
    mkdir -p "$lauf"
    cp -r data/beispiel "$lauf/daten"
    echo "Neuer Laufordner aus den Beispieldaten: $lauf"
else
    echo "Laufordner mit den bisherigen Terminen: $lauf (neu aus den Beispieldaten: --frisch)"
fi
if [ ! -e "$lauf/windows/RIVIROR.INI" ]; then
    mkdir -p "$lauf/windows"
    # Dir: the folder of the programs, as the planner records it when it ends, so that the
    # other programs find the planner from the first start on.
    printf '[Kronel]\r\nDirData=%s\r\nDir=%s\r\n' "$lauf/daten" "$programme" \
        > "$lauf/windows/RIVIROR.INI"
fi
export KRONEL_WINDIR="$lauf/windows"

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Kein Bildschirm gefunden: der Planer läuft unter Xvfb (beenden mit Strg+C)."
    exec xvfb-run -a "$programme/Kronelin" "$@"
fi
exec "$programme/Kronelin" "$@"
