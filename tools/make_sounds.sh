#!/usr/bin/env bash
# Regenerates the seven sound cues in assets/wav from tools/synth_cues.cpp.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
g++ -std=c++20 -O2 -Wall -Wextra -Werror -o "$build/synth_cues" "$root/tools/synth_cues.cpp"
mkdir -p "$root/assets/wav"
"$build/synth_cues" "$root/assets/wav"
