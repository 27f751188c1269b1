#!/usr/bin/env bash
# Installs the build into a scratch prefix, runs the launcher, then moves the whole tree and a
# symbolic link to the launcher elsewhere and runs them again: the launcher must not hard-code
# its prefix.
set -euo pipefail

build="$1"
cmake="${2:-cmake}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$cmake" --install "$build" --prefix "$work/prefix" >/dev/null
app="$work/prefix/lib/glowshow-editor"
for f in "$app/GlowshowEditor2" "$app/Profiles" "$app/Languages/English.lng" \
         "$work/prefix/share/applications/org.glowshoweditor.GlowshowEditor2.desktop" \
         "$work/prefix/share/mime/packages/org.glowshoweditor.GlowshowEditor2.xml" \
         "$work/prefix/share/metainfo/org.glowshoweditor.GlowshowEditor2.metainfo.xml" \
         "$work/prefix/share/icons/hicolor/scalable/apps/org.glowshoweditor.GlowshowEditor2.svg" \
         "$work/prefix/share/icons/hicolor/48x48/apps/org.glowshoweditor.GlowshowEditor2.png"; do
  [ -e "$f" ] || { echo "missing after install: $f" >&2; exit 1; }
done

expect="Glowshow Editor 2 2.1.1"
out="$("$work/prefix/bin/glowshow-editor" --version)"
[ "$out" = "$expect" ] || { echo "launcher printed: $out" >&2; exit 1; }

mv "$work/prefix" "$work/moved"
ln -s "$work/moved/bin/glowshow-editor" "$work/link"
for launcher in "$work/moved/bin/glowshow-editor" "$work/link"; do
  out="$("$launcher" --version)"
  [ "$out" = "$expect" ] || { echo "$launcher printed: $out" >&2; exit 1; }
done
echo "install layout and launcher relocation: ok"
