#!/usr/bin/env bash
# Installs what building, running and testing Vendelair needs on Debian 12,
# quietly and only when something is missing. Safe to run again.
set -euo pipefail

paquets=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-image-formats-plugins qt6-translations-l10n
  libgl-dev libxkbcommon-dev
  fonts-dejavu-core fonts-liberation2
  xvfb xauth imagemagick poppler-utils unrtf unzip
  grammalecte-cli
  dpkg-dev desktop-file-utils appstream lintian
  libhunspell-dev hunspell-fr
)

manquants=()
for p in "${paquets[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    manquants+=("$p")
  fi
done

if [ ${#manquants[@]} -gt 0 ]; then
  echo "Installation des paquets manquants : ${manquants[*]}"
  if [ "$(id -u)" -eq 0 ]; then sudo_cmd=(); else sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${manquants[@]}" >/dev/null
fi
