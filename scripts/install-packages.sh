#!/usr/bin/env bash
# Installs, as root on Debian 12, the packages that building, running and testing need and that
# are not installed yet. Quiet when nothing is missing.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libfontconfig-dev
  libgtest-dev
  fonts-ipafont-gothic fonts-dejavu-core fonts-dejavu-extra
  qt6-translations-l10n
  poppler-utils locales
  cups cups-client cups-bsd printer-driver-cups-pdf libcups2-dev
  qpdf libqpdf-dev libxlsxwriter-dev desktop-file-utils shared-mime-info dpkg-dev xdg-utils
  xvfb openbox x11-utils
  fonts-ipafont-mincho lintian appstream
  acl attr
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi
