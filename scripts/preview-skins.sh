#!/usr/bin/env bash
# Renders every skin from its sources and composes pictures to judge it by eye: a contact
# sheet of every image, the settings page mocked up with texts (also with lists open) and
# the seven dialogs. Prints the paths of the pictures.
#   scripts/preview-skins.sh [outdir]     (default: build/skin-preview)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
out="${1:-$root/build/skin-preview}"
mkdir -p "$out"
exec python3 "$root/resources/skins/preview.py" "$out"
