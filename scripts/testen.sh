#!/usr/bin/env bash
# Installs what is missing, builds and runs every test (headless).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/pakete.sh
export QT_QPA_PLATFORM=offscreen
cmake --workflow --preset dev
