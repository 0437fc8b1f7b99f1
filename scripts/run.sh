#!/usr/bin/env bash
# Installs what is missing, builds ZORVEL LESSON and starts it. Arguments go to the
# program (for example --data-dir DIR).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build
exec build/bin/zorvel-lesson "$@"
