#!/usr/bin/env bash
# Installs the build into a scratch prefix while the build's program folder holds what runs leave
# there: none of it may be installed. What is planted goes again; Tips.Inf is put back as it was.
set -euo pipefail
bau=$1 quelle=$2 programme="$1/bin" ziel=$(mktemp -d)
laufdateien=(Kronel.PlD Kronel.BAK Kronel.Old Kronel.Txt NetWatch.Ini NetWatch.Ini.lock
             Tips.Inf.lock Kronel.Old.lock Kronel.PlD.lock Kronel.Txt.lock)
gepflanzt=()
cp -p "$programme/Tips.Inf" "$ziel.tips"
trap 'rm -f -- "${gepflanzt[@]}"; cp -p "$ziel.tips" "$programme/Tips.Inf"; rm -rf -- "$ziel"*' EXIT
trap 'exit 1' INT TERM HUP
for name in "${laufdateien[@]}"; do
    if [ ! -e "$programme/$name" ]; then
        gepflanzt+=("$programme/$name")
        printf '[UserJetzt]\r\nUser=Lauf\r\n' >"$programme/$name"
    fi
done
printf '[Tips]\r\nZuletzt=7\r\n' >>"$programme/Tips.Inf"

cmake --install "$bau" --prefix "$ziel" >/dev/null
fehler=0
for name in "${laufdateien[@]}"; do
    if [ -e "$ziel/lib/kronel/$name" ]; then
        echo "Installiert, obwohl ein Lauf es hinterließ: $name"
        fehler=1
    fi
done
cmp "$quelle/data/Tips.Inf" "$ziel/lib/kronel/Tips.Inf" || fehler=1
for programm in Kronelin Kronel Kronelol KronMemo; do
    [ -x "$ziel/bin/$programm" ] || { echo "Nicht installiert: $programm"; fehler=1; }
done
exit $fehler
