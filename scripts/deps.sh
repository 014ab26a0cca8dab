#!/usr/bin/env bash
# Installs the Debian 12 packages Vorlex needs to build and run, when missing.
set -euo pipefail

PACKAGES=(
  g++ cmake ninja-build pkg-config
  qt6-base-dev qt6-speech-dev qt6-declarative-dev
  qt6-speech-flite-plugin qt6-speech-speechd-plugin libqt6svg6
  fonts-liberation
  libgtest-dev libgmock-dev libbenchmark-dev
  locales poppler-utils
  speech-dispatcher speech-dispatcher-espeak-ng
  xdg-utils shared-mime-info libglib2.0-bin
  qt6-l10n-tools qt6-translations-l10n
)
# Other scripts name the further packages they need (the packaging tools).
PACKAGES+=("$@")

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

if [ "${#missing[@]}" -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The number-text tests also run under a German locale, to prove that no
# conversion follows the process locale.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  $SUDO localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "note: de_DE.UTF-8 not available"
fi
