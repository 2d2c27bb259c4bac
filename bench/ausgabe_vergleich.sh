#!/usr/bin/env bash
# Times the output run (bench/ausgabe_lauf) against `remind -q` over the same
# appointments, each as a whole process, and prints the medians and their ratio.
#
#   ausgabe_vergleich.sh AUSGABE_LAUF [ANZAHL [LAEUFE [TT.MM.JJJJ]]]
#
# AUSGABE_LAUF: the driver of a release build (bin/ausgabe_lauf in its bench
# folder). Defaults: 30000 appointments, 20 runs each, 15.03.2026. The two
# programs run by turns, so a load on the machine hits both alike. Needs bash 5,
# python3 and remind.
set -euo pipefail

if [[ $# -lt 1 ]]; then
    sed -n '4,5p' "$0" >&2
    exit 2
fi
lauf=$1
anzahl=${2:-30000}
laeufe=${3:-20}
tag=${4:-15.03.2026}
command -v remind >/dev/null || { echo "remind fehlt" >&2; exit 2; }

hier=$(cd "$(dirname "$0")" && pwd)
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT
mkdir -p "$ordner/windows"
export KRONEL_WINDIR="$ordner/windows"
python3 "$hier/ausgabe_daten.py" "$ordner" "$anzahl" "$tag"

IFS=. read -r t m j <<<"$tag"
monate=(Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
remind_tag=("$((10#$t))" "${monate[$((10#$m - 1))]}" "$j")

kronel() { "$lauf" "$ordner" "$tag"; }
rem() { remind -q "$ordner/termine.rem" "${remind_tag[@]}"; }

# Wall time of one run in microseconds, by the shell's own clock (no process
# of its own in the measured span).
dauer() {
    local a e
    a=${EPOCHREALTIME/[.,]/}
    "$@" >/dev/null
    e=${EPOCHREALTIME/[.,]/}
    echo $((e - a))
}

median() {
    sort -n | awk '{ z[NR] = $1 } END {
        m = (NR % 2) ? z[(NR + 1) / 2] : (z[NR / 2] + z[NR / 2 + 1]) / 2
        printf "%.4f\n", m / 1e6 }'
}

# One run of each first: files in the cache, libraries loaded.
kronel >/dev/null
rem >/dev/null
k=()
r=()
for ((i = 0; i < laeufe; i++)); do
    k+=("$(dauer kronel)")
    r+=("$(dauer rem)")
done
mk=$(printf '%s\n' "${k[@]}" | median)
mr=$(printf '%s\n' "${r[@]}" | median)
printf 'Termine: %s  ausgabe_lauf: %s s  remind -q: %s s  Verhältnis: %s\n' "$anzahl" "$mk" "$mr" \
    "$(awk -v k="$mk" -v r="$mr" 'BEGIN { printf "%.2f", k / r }')"
