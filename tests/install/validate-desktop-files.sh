#!/usr/bin/env bash
# Validates the desktop entry and the AppStream file, and checks that the MIME package tells
# our .pat files from GIMP patterns. Exits 77 (skipped) when no validator is installed.
set -euo pipefail

desktop_dir="$1"
sample="$2"
id=org.glowshoweditor.GlowshowEditor2
ran=0
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$desktop_dir/$id.desktop"
  ran=1
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --no-net "$desktop_dir/$id.metainfo.xml"
  ran=1
fi

detect=""
if command -v gio >/dev/null; then
  detect=gio
elif command -v mimetype >/dev/null; then
  detect=mimetype
fi
if command -v update-mime-database >/dev/null && [ -n "$detect" ] && [ -d /usr/share/mime/packages ]; then
  mkdir -p "$work/data/mime/packages"
  cp "$desktop_dir/$id.xml" "$work/data/mime/packages/"
  XDG_DATA_HOME="$work/data" update-mime-database "$work/data/mime"

  cp "$sample" "$work/ours.pat"
  # A GIMP pattern: header size, version, width, height, bytes per pixel, "GPAT", name, pixels.
  printf '\0\0\0\035\0\0\0\001\0\0\0\002\0\0\0\002\0\0\0\003GPATTest\0' > "$work/gimp.pat"
  head -c 12 /dev/zero >> "$work/gimp.pat"

  type_of() {
    if [ "$detect" = gio ]; then
      XDG_DATA_HOME="$work/data" XDG_DATA_DIRS=/usr/share gio info -a standard::content-type "$1" |
        sed -n 's/.*standard::content-type: //p'
    else
      XDG_DATA_HOME="$work/data" XDG_DATA_DIRS=/usr/share mimetype -b "$1"
    fi
  }
  ours="$(type_of "$work/ours.pat")"
  gimp="$(type_of "$work/gimp.pat")"
  echo "ours.pat: $ours; gimp.pat: $gimp"
  [ "$ours" = application/x-motorola-glowshow ] || { echo "our sample is not detected as ours" >&2; exit 1; }
  [ "$gimp" != application/x-motorola-glowshow ] || { echo "a GIMP pattern is taken for ours" >&2; exit 1; }
  ran=1
fi

[ "$ran" = 1 ] || { echo "no validator installed"; exit 77; }
