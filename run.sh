#!/usr/bin/env bash
# Builds the editor and starts it on the shipped sample.
set -euo pipefail
cd "$(dirname "$0")"
source tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build --target GlowshowEditor2 data
exec ./build/GlowshowEditor2 "${@:-data/samples/Sample.pat}"
