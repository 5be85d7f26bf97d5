#!/usr/bin/env bash
# Installs the Debian packages listed in scripts/packages.txt and the ja_JP.UTF-8 locale;
# with --native only the packages the native build and its tests need.
# Safe to run again: does nothing when everything is already there.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
case "${1:-}" in
  --native) set_=native ;;
  "") set_=all ;;
  *) echo "usage: scripts/install-deps.sh [--native]" >&2; exit 2 ;;
esac
mapfile -t pkgs < <(awk -v set_="$set_" '!/^[[:space:]]*(#|$)/ && (set_ == "all" || $2 == "native") { print $1 }' "$here/packages.txt")

sudo_() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    sudo_ dpkg --add-architecture i386
  fi
  sudo_ apt-get update -q
  sudo_ env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

[ "$set_" = all ] || exit 0
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
  sudo_ sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | sudo_ tee -a /etc/locale.gen >/dev/null
  sudo_ locale-gen
fi
