#!/usr/bin/env bash
# Makes docs/screenshot.png: the window under a private X server, showing two example paths.
#   docs/screenshot.sh [BUILD_DIR] [SCALE]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
scale=${2:-1}
out=docs/screenshot.png
[ "$scale" != 1 ] && out=docs/screenshot@${scale}x.png

need=()
command -v Xvfb >/dev/null || need+=(xvfb)
command -v import >/dev/null || need+=(imagemagick)
command -v xdotool >/dev/null || need+=(xdotool)
if [ ${#need[@]} -gt 0 ]; then
    sudo=(); [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${need[@]}"
fi
[ -x "$build_dir/bin/talven-sound" ] || ./dev.sh build

home=$(mktemp -d)
trap 'kill "${app:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$home"' EXIT
mkdir -p "$home/.config"
cat > "$home/.config/ZNRSoundEnCoderDecoder.ini" <<INI
[Settings]
WSS=/home/ann/Sounds/gun shot.wss
WAV=/home/ann/Sounds/gun shot.wav
INI

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 2000x400x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY=$display HOME=$home XDG_CONFIG_HOME=$home/.config QT_SCALE_FACTOR=$scale \
    "$build_dir/bin/talven-sound" >/dev/null 2>&1 &
app=$!
window=$(DISPLAY=$display timeout 20 xdotool search --sync --name "TALVEN Sound Decoder / Encoder" | head -1)
sleep 1
DISPLAY=$display import -window "$window" "$out"
echo "wrote $out"
