#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given seconds
# (default 60) on a copy of its seed corpus under fuzz/korpus/.
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden="${1:-60}"
fehlend=()
for p in clang libclang-rt-14-dev; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        fehlend+=("$p")
    fi
done
if [ ${#fehlend[@]} -gt 0 ]; then
    sudo_=""
    if [ "$(id -u)" -ne 0 ]; then sudo_="sudo"; fi
    $sudo_ apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_ apt-get install -y -qq --no-install-recommends "${fehlend[@]}"
fi
cmake --preset fuzz
cmake --build --preset fuzz
export QT_QPA_PLATFORM=offscreen TZ=Europe/Berlin
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for ziel in formel textfelder termindatei; do
    korpus="build-fuzz/korpus/$ziel"
    mkdir -p "$korpus"
    "build-fuzz/fuzz/bin/${ziel}_fuzz" -max_total_time="$sekunden" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 "$korpus" "fuzz/korpus/$ziel"
done
