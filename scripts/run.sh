#!/usr/bin/env bash
# Builds the program (release) and starts it; arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j"$(nproc)"
if [ -x build/bin/velmar ]; then
  exec build/bin/velmar "$@"
else
  exec build/bin/velmar-cli --help
fi
