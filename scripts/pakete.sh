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
if [ ${#fehlend[@]} -gt 0 ]; then
    echo "Installiere: ${fehlend[*]}"
    sudo_=""
    if [ "$(id -u)" -ne 0 ]; then sudo_="sudo"; fi
    $sudo_ apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi
