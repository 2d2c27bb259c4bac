#!/usr/bin/env bash
# Installs the Debian packages the build, the programs and the tests need (only what is missing).
set -euo pipefail
pakete=(qt6-base-dev qt6-serialport-dev qt6-multimedia-dev qt6-translations-l10n
        fonts-dejavu-core fonts-liberation2 ninja-build cmake g++ libgtest-dev libgmock-dev
        libbenchmark-dev xvfb xauth x11-utils poppler-utils socat desktop-file-utils
        clang-format)
fehlend=()
for p in "${pakete[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        fehlend+=("$p")
    fi
done
if [ ${#fehlend[@]} -eq 0 ]; then
    exit 0
fi

sudo_=()
if [ "$(id -u)" -ne 0 ]; then sudo_=(sudo); fi
# A fresh desktop often updates itself in the background: while another apt or dpkg holds the
# lock, apt-get gives up at once. Wait for it, at most five minutes for all calls together.
wartezeit=300
frist=$((SECONDS + wartezeit))
gewartet=0
apt_get() {
    local meldungen
    meldungen=$(mktemp)
    while true; do
        # English messages, so the lock can be recognised whatever the user's language.
        if "${sudo_[@]}" env LC_ALL=C DEBIAN_FRONTEND=noninteractive apt-get "$@" 2>"$meldungen"
        then
            cat "$meldungen" >&2
            rm -f "$meldungen"
            return 0
        fi
        if ! grep -qE 'Could not get lock|Unable to acquire the dpkg frontend lock|Unable to lock' \
            "$meldungen"; then
            cat "$meldungen" >&2
            rm -f "$meldungen"
            return 1
        fi
        if [ $SECONDS -ge $frist ]; then
            local halter
            halter=$(sed -nE 's/.*held by process ([0-9]+) \(([^)]*)\).*/Prozess \1, \2/p' \
                "$meldungen" | head -n 1)
            rm -f "$meldungen"
            echo "Abbruch: Ein anderes apt oder dpkg${halter:+ ($halter)} hält die" \
                "Paketverwaltung seit $((wartezeit / 60)) Minuten gesperrt; die fehlenden Pakete" \
                "sind nicht installiert. Bitte später noch einmal starten." >&2
            exit 1
        fi
        if [ $gewartet -eq 0 ]; then
            echo "Ein anderes apt oder dpkg (etwa eine Aktualisierung im Hintergrund) hält die" \
                "Paketverwaltung gesperrt: warte darauf, höchstens $((wartezeit / 60)) Minuten ..."
            gewartet=1
        fi
        sleep 5
    done
}

echo "Installiere: ${fehlend[*]}"
apt_get update -qq
apt_get install -y -qq --no-install-recommends "${fehlend[@]}"
