#!/usr/bin/env bash
# Installs the Debian packages Knallfeld needs to build, test and run (only those still missing).
# Further package names given as arguments are installed too.
set -euo pipefail
# lld: scripts/mutanten.sh links its copies with it where it is installed, much faster.
pakete=(cmake ninja-build g++ qt6-base-dev qt6-translations-l10n libgtest-dev libbenchmark-dev
        libsdl2-dev libenet-dev pkg-config lld xvfb xauth "$@")
fehlend=()
for p in "${pakete[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || fehlend+=("$p")
done
if ((${#fehlend[@]})); then
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${fehlend[@]}"
fi
