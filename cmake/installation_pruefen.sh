#!/usr/bin/env bash
# Installs the build into a scratch prefix while the build's program folder holds what runs
# leave there (a book with its companions, the guard file, locks, a changed tip history): none
# of it may reach the installed program folder, which gets the programs and the shipped files.
# Whatever is planted goes again, and the tip history is put back as it was.
set -euo pipefail
bau=$1
quelle=$2
programme="$bau/bin"
ziel=$(mktemp -d)
tips_vorher="$ziel.tips"
cp -p "$programme/Tips.Inf" "$tips_vorher"
gepflanzt=()
aufraeumen() {
    rm -f -- "${gepflanzt[@]}"
    cp -p "$tips_vorher" "$programme/Tips.Inf"
    rm -rf -- "$ziel" "$tips_vorher"
}
trap aufraeumen EXIT
trap 'exit 1' INT TERM HUP

laufdateien=(Kronel.PlD Kronel.BAK Kronel.Old Kronel.Txt NetWatch.Ini NetWatch.Ini.lock
             Tips.Inf.lock Kronel.Old.lock RIVIROR.INI.lock)
for name in "${laufdateien[@]}"; do
    if [ ! -e "$programme/$name" ]; then
        gepflanzt+=("$programme/$name")
        printf '[UserJetzt]\r\nUser=Lauf\r\n' >"$programme/$name"
    fi
done
printf '[Tips]\r\nZuletzt=7\r\n' >>"$programme/Tips.Inf"

cmake --install "$bau" --prefix "$ziel" >/dev/null
ordner="$ziel/lib/kronel"
fehler=0
for name in "${laufdateien[@]}"; do
    if [ -e "$ordner/$name" ]; then
        echo "Installiert, obwohl ein Lauf es hinterließ: $name"
        fehler=1
    fi
done
if ! cmp -s "$quelle/data/Tips.Inf" "$ordner/Tips.Inf"; then
    echo "Tips.Inf ist nicht die mitgelieferte Datei"
    fehler=1
fi
for programm in Kronelin Kronel Kronelol KronMemo; do
    if [ ! -x "$ordner/$programm" ] || [ ! -x "$ziel/bin/$programm" ]; then
        echo "Nicht installiert: $programm"
        fehler=1
    fi
done
exit $fehler
