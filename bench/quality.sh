#!/usr/bin/env bash
# The round-trip quality of WSSCod.exe on real sound, beside other IMA ADPCM coders: for each file
# of a corpus of recordings from Debian packages (speech, music, desktop sounds), the signal to
# noise ratio (whole file, all channels) of WAV -> coder -> decoder -> WAV for
#   - WSSCod.exe as the program runs it (no option), decoded by WSSdec.exe;
#   - the greedy coder (WSS_SEARCH=greedy), the tools' coding before the trellis;
#   - ffmpeg's IMA ADPCM (adpcm_ima_wav), plain and with -trellis 8;
#   - a depth-5 look-ahead search in WSS blocks (tools/codec/look_ahead.h, alone).
# Then the median of each per category, and ours minus the best of ffmpeg -trellis 8 and the
# look-ahead on the worst file.
#
#   bench/quality.sh [BUILD_DIR]          (WIDE=1 bench/quality.sh: 66 more files, below)
#
# BUILD_DIR (default: build) must hold the tools and bench/wss_quality (-DTALVEN_BENCHMARKS=ON).
# Needs ffmpeg (installed with apt-get if missing, as root or with sudo). The corpus is fetched with
# `apt-get download` into TALVEN_CORPUS (default ~/.cache/talven-sound/corpus) and unpacked
# there; none of it goes into the repository. Its packages, each under its own licence:
# alsa-utils (recorded speech, 48 kHz), asterisk-core-sounds-en-wav (recorded speech, 8 kHz),
# drascula-music (music, 44.1 kHz stereo, 10 s of each track from its 30th second),
# sound-theme-freedesktop and deepin-sound-theme (desktop sounds).
set -euo pipefail

build=$(realpath "${1:-build}")
for f in "$build/bin/WSSCod.exe" "$build/bin/WSSdec.exe" "$build/bench/wss_quality"; do
    if [ ! -x "$f" ]; then
        echo "quality.sh: $f is missing; build with: cmake -S . -B $build -DCMAKE_BUILD_TYPE=Release -DTALVEN_BENCHMARKS=ON && cmake --build $build" >&2
        exit 2
    fi
done
if ! command -v ffmpeg > /dev/null; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends ffmpeg
fi

corpus=${TALVEN_CORPUS:-${XDG_CACHE_HOME:-$HOME/.cache}/talven-sound/corpus}
mkdir -p "$corpus/debs" "$corpus/x" "$corpus/wav"
packages=(alsa-utils asterisk-core-sounds-en-wav drascula-music sound-theme-freedesktop deepin-sound-theme)
for p in "${packages[@]}"; do
    if ! ls "$corpus/debs/${p}"_*.deb > /dev/null 2>&1; then
        (cd "$corpus/debs" && apt-get download "$p")
    fi
done
for d in "$corpus"/debs/*.deb; do
    [ -e "$corpus/x/.${d##*/}" ] || { dpkg -x "$d" "$corpus/x" && touch "$corpus/x/.${d##*/}"; }
done

# category|name|file in the packages|ffmpeg input options (where to start, how long)
files=(
    "speech 48k|front-center|usr/share/sounds/alsa/Front_Center.wav|"
    "speech 48k|rear-left|usr/share/sounds/alsa/Rear_Left.wav|"
    "speech 48k|side-right|usr/share/sounds/alsa/Side_Right.wav|"
    "speech 8k|vm-intro|usr/share/asterisk/sounds/en_US_f_Allison/vm-intro.wav|"
    "speech 8k|vm-options|usr/share/asterisk/sounds/en_US_f_Allison/vm-options.wav|"
    "speech 8k|tt-weasels|usr/share/asterisk/sounds/en_US_f_Allison/tt-weasels.wav|"
    "music 44.1k|track1|usr/share/scummvm/drascula/audio/track1.ogg|-ss 30 -t 10"
    "music 44.1k|track2|usr/share/scummvm/drascula/audio/track2.ogg|-ss 30 -t 10"
    "music 44.1k|track30|usr/share/scummvm/drascula/audio/track30.ogg|-ss 30 -t 10"
    "effects|bell|usr/share/sounds/freedesktop/stereo/bell.oga|"
    "effects|complete|usr/share/sounds/freedesktop/stereo/complete.oga|"
    "effects|phone-incoming|usr/share/sounds/freedesktop/stereo/phone-incoming-call.oga|"
    "effects|alarm-clock|usr/share/sounds/freedesktop/stereo/alarm-clock-elapsed.oga|"
    "effects|camera-shutter|usr/share/sounds/freedesktop/stereo/camera-shutter.oga|"
    "effects|dialog-warning|usr/share/sounds/freedesktop/stereo/dialog-warning.oga|"
    "effects|deepin-login|usr/share/sounds/deepin/stereo/desktop-login.wav|"
    "effects|deepin-volume|usr/share/sounds/deepin/stereo/audio-volume-change.wav|"
)
# WIDE=1 adds 66 more files of the same packages: every other freedesktop and deepin sound, 12
# telephone prompts and 6 s of 6 more music tracks.
wide_files=(
    "effects|fd-audio-channel-front-center|usr/share/sounds/freedesktop/stereo/audio-channel-front-center.oga|"
    "effects|fd-audio-channel-front-left|usr/share/sounds/freedesktop/stereo/audio-channel-front-left.oga|"
    "effects|fd-audio-channel-front-right|usr/share/sounds/freedesktop/stereo/audio-channel-front-right.oga|"
    "effects|fd-audio-channel-rear-center|usr/share/sounds/freedesktop/stereo/audio-channel-rear-center.oga|"
    "effects|fd-audio-channel-rear-left|usr/share/sounds/freedesktop/stereo/audio-channel-rear-left.oga|"
    "effects|fd-audio-channel-rear-right|usr/share/sounds/freedesktop/stereo/audio-channel-rear-right.oga|"
    "effects|fd-audio-channel-side-left|usr/share/sounds/freedesktop/stereo/audio-channel-side-left.oga|"
    "effects|fd-audio-channel-side-right|usr/share/sounds/freedesktop/stereo/audio-channel-side-right.oga|"
    "effects|fd-audio-test-signal|usr/share/sounds/freedesktop/stereo/audio-test-signal.oga|"
    "effects|fd-audio-volume-change|usr/share/sounds/freedesktop/stereo/audio-volume-change.oga|"
    "effects|fd-device-added|usr/share/sounds/freedesktop/stereo/device-added.oga|"
    "effects|fd-device-removed|usr/share/sounds/freedesktop/stereo/device-removed.oga|"
    "effects|fd-dialog-error|usr/share/sounds/freedesktop/stereo/dialog-error.oga|"
    "effects|fd-dialog-information|usr/share/sounds/freedesktop/stereo/dialog-information.oga|"
    "effects|fd-message-new-instant|usr/share/sounds/freedesktop/stereo/message-new-instant.oga|"
    "effects|fd-message|usr/share/sounds/freedesktop/stereo/message.oga|"
    "effects|fd-network-connectivity-established|usr/share/sounds/freedesktop/stereo/network-connectivity-established.oga|"
    "effects|fd-network-connectivity-lost|usr/share/sounds/freedesktop/stereo/network-connectivity-lost.oga|"
    "effects|fd-phone-outgoing-busy|usr/share/sounds/freedesktop/stereo/phone-outgoing-busy.oga|"
    "effects|fd-phone-outgoing-calling|usr/share/sounds/freedesktop/stereo/phone-outgoing-calling.oga|"
    "effects|fd-power-plug|usr/share/sounds/freedesktop/stereo/power-plug.oga|"
    "effects|fd-power-unplug|usr/share/sounds/freedesktop/stereo/power-unplug.oga|"
    "effects|fd-screen-capture|usr/share/sounds/freedesktop/stereo/screen-capture.oga|"
    "effects|fd-service-login|usr/share/sounds/freedesktop/stereo/service-login.oga|"
    "effects|fd-service-logout|usr/share/sounds/freedesktop/stereo/service-logout.oga|"
    "effects|fd-suspend-error|usr/share/sounds/freedesktop/stereo/suspend-error.oga|"
    "effects|fd-trash-empty|usr/share/sounds/freedesktop/stereo/trash-empty.oga|"
    "effects|fd-window-attention|usr/share/sounds/freedesktop/stereo/window-attention.oga|"
    "effects|fd-window-question|usr/share/sounds/freedesktop/stereo/window-question.oga|"
    "effects|dp-camera-shutter|usr/share/sounds/deepin/stereo/camera-shutter.wav|"
    "effects|dp-complete-copy|usr/share/sounds/deepin/stereo/complete-copy.wav|"
    "effects|dp-complete-print|usr/share/sounds/deepin/stereo/complete-print.wav|"
    "effects|dp-desktop-logout|usr/share/sounds/deepin/stereo/desktop-logout.wav|"
    "effects|dp-device-added|usr/share/sounds/deepin/stereo/device-added.wav|"
    "effects|dp-device-removed|usr/share/sounds/deepin/stereo/device-removed.wav|"
    "effects|dp-dialog-error-critical|usr/share/sounds/deepin/stereo/dialog-error-critical.wav|"
    "effects|dp-dialog-error-serious|usr/share/sounds/deepin/stereo/dialog-error-serious.wav|"
    "effects|dp-dialog-error|usr/share/sounds/deepin/stereo/dialog-error.wav|"
    "effects|dp-message|usr/share/sounds/deepin/stereo/message.wav|"
    "effects|dp-power-plug|usr/share/sounds/deepin/stereo/power-plug.wav|"
    "effects|dp-power-unplug-battery-low|usr/share/sounds/deepin/stereo/power-unplug-battery-low.wav|"
    "effects|dp-power-unplug|usr/share/sounds/deepin/stereo/power-unplug.wav|"
    "effects|dp-screen-capture-complete|usr/share/sounds/deepin/stereo/screen-capture-complete.wav|"
    "effects|dp-screen-capture|usr/share/sounds/deepin/stereo/screen-capture.wav|"
    "effects|dp-suspend-resume|usr/share/sounds/deepin/stereo/suspend-resume.wav|"
    "effects|dp-system-shutdown|usr/share/sounds/deepin/stereo/system-shutdown.wav|"
    "effects|dp-trash-empty|usr/share/sounds/deepin/stereo/trash-empty.wav|"
    "effects|dp-x-deepin-app-sent-to-desktop|usr/share/sounds/deepin/stereo/x-deepin-app-sent-to-desktop.wav|"
    "speech 8k|as-num-was-successfully|usr/share/asterisk/sounds/en_US_f_Allison/num-was-successfully.wav|"
    "speech 8k|as-confbridge-has-joined|usr/share/asterisk/sounds/en_US_f_Allison/confbridge-has-joined.wav|"
    "speech 8k|as-seconds|usr/share/asterisk/sounds/en_US_f_Allison/seconds.wav|"
    "speech 8k|as-vm-then-pound|usr/share/asterisk/sounds/en_US_f_Allison/vm-then-pound.wav|"
    "speech 8k|as-cancelled|usr/share/asterisk/sounds/en_US_f_Allison/cancelled.wav|"
    "speech 8k|as-conf-getpin|usr/share/asterisk/sounds/en_US_f_Allison/conf-getpin.wav|"
    "speech 8k|as-vm-invalid-password|usr/share/asterisk/sounds/en_US_f_Allison/vm-invalid-password.wav|"
    "speech 8k|as-conf-nonextended|usr/share/asterisk/sounds/en_US_f_Allison/conf-nonextended.wav|"
    "speech 8k|as-queue-holdtime|usr/share/asterisk/sounds/en_US_f_Allison/queue-holdtime.wav|"
    "speech 8k|as-vm-nonumber|usr/share/asterisk/sounds/en_US_f_Allison/vm-nonumber.wav|"
    "speech 8k|as-conf-adminmenu-menu8|usr/share/asterisk/sounds/en_US_f_Allison/conf-adminmenu-menu8.wav|"
    "speech 8k|as-vm-enter-num-to-call|usr/share/asterisk/sounds/en_US_f_Allison/vm-enter-num-to-call.wav|"
    "music 44.1k|track16|usr/share/scummvm/drascula/audio/track16.ogg|-ss 20 -t 6"
    "music 44.1k|track11|usr/share/scummvm/drascula/audio/track11.ogg|-ss 20 -t 6"
    "music 44.1k|track12|usr/share/scummvm/drascula/audio/track12.ogg|-ss 20 -t 6"
    "music 44.1k|track23|usr/share/scummvm/drascula/audio/track23.ogg|-ss 20 -t 6"
    "music 44.1k|track6|usr/share/scummvm/drascula/audio/track6.ogg|-ss 20 -t 6"
    "music 44.1k|track7|usr/share/scummvm/drascula/audio/track7.ogg|-ss 20 -t 6"
)
[ "${WIDE:-}" = 1 ] && files+=("${wide_files[@]}")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ff="ffmpeg -nostdin -loglevel error -y"
: > "$work/results.txt"
for entry in "${files[@]}"; do
    IFS='|' read -r category name path cut <<< "$entry"
    wav="$corpus/wav/$name.wav"
    # shellcheck disable=SC2086 # $cut is a list of options
    [ -e "$wav" ] || $ff $cut -i "$corpus/x/$path" -c:a pcm_s16le "$wav"
    cp "$wav" "$work/in.wav"
    (cd "$work" && "$build/bin/WSSCod.exe" -f in.wav 2> /dev/null && "$build/bin/WSSdec.exe" -f in.wss 2> /dev/null && mv in.wav ours.wav)
    cp "$wav" "$work/in.wav"
    $ff -i "$wav" -c:a adpcm_ima_wav "$work/ffg.wav" && $ff -i "$work/ffg.wav" -c:a pcm_s16le "$work/ffg-dec.wav"
    $ff -i "$wav" -c:a adpcm_ima_wav -trellis 8 "$work/fft.wav" && $ff -i "$work/fft.wav" -c:a pcm_s16le "$work/fft-dec.wav"
    line=$("$build/bench/wss_quality" ${QUALITY_OPTIONS:-} "$wav" "$work/ours.wav" "$work/ffg-dec.wav" "$work/fft-dec.wav")
    echo "$category|$name|$line" | tee -a "$work/results.txt" >&2
done

awk -F'|' '
function median(a, n,    i, j, t) {
    for (i = 2; i <= n; i++) for (j = i; j > 1 && a[j - 1] > a[j]; j--) { t = a[j]; a[j] = a[j - 1]; a[j - 1] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
}
{
    split($3, v, "\t")   # frames channels rate greedy trellis look-ahead trellis-ns greedy-ns ours ffg fft
    c = $1; n[c]++; cats[c] = 1
    best = v[11] > v[6] ? v[11] : v[6]
    rows[++rowCount] = sprintf("| %-11s | %-28s | %6.1f | %2d | %6.2f | %6.2f | %6.2f | %6.2f | %6.2f | %+6.2f |", c, $2, v[1] / v[3], v[2], v[9], v[4], v[10], v[11], v[6], v[9] - best)
    ours[c, n[c]] = v[9]; greedy[c, n[c]] = v[4]; ffg[c, n[c]] = v[10]; fft[c, n[c]] = v[11]; la[c, n[c]] = v[6]; gap[c, n[c]] = v[9] - best
    if (!(c in worst) || v[9] - best < worst[c]) worst[c] = v[9] - best
    if (rowCount == 1 || v[9] - best < worstAll) { worstAll = v[9] - best; worstName = $2 }
    ns += v[7] * v[1] * v[2]; samples += v[1] * v[2]
}
END {
    print "| category    | file           | s      | ch | ours   | greedy | ffmpeg | ff -trellis 8 | look-ahead 5 | ours - best |"
    print "|---|---|---:|---:|---:|---:|---:|---:|---:|---:|"
    for (i = 1; i <= rowCount; i++) print rows[i]
    print ""
    print "Median SNR per category, dB (ours - best: the least of ours minus the better of ffmpeg -trellis 8 and the look-ahead):"
    print "| category | files | ours | greedy | ffmpeg | ffmpeg -trellis 8 | look-ahead 5 | ours - best, worst file |"
    print "|---|---:|---:|---:|---:|---:|---:|---:|"
    for (c in cats) {
        for (i = 1; i <= n[c]; i++) { a[i] = ours[c, i]; b[i] = greedy[c, i]; d[i] = ffg[c, i]; e[i] = fft[c, i]; f[i] = la[c, i] }
        printf "| %s | %d | %.2f | %.2f | %.2f | %.2f | %.2f | %+.2f |\n", c, n[c], median(a, n[c]), median(b, n[c]), median(d, n[c]), median(e, n[c]), median(f, n[c]), worst[c]
    }
    printf "\nWorst file: %s, ours %+.2f dB against the best of the others. Trellis: %.1f ns a sample on one thread.\n", worstName, worstAll, ns / samples
}' "$work/results.txt"
