#!/usr/bin/env bash
# Builds the home-screen package Launcher.apk from its text sources, reproducibly.
# Usage: build-apk.sh <output.apk> <work dir>. Writes only the output and the work dir.
set -euo pipefail

if [ "$#" -ne 2 ]; then
    echo "usage: build-apk.sh <output.apk> <work dir>" >&2
    exit 2
fi

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
mkdir -p "$2"
work="$(cd "$2" && pwd)"
output="$1"

# apktool writes its framework folder and a build/ folder inside the sources:
# both go into the work dir, never into ~ or the source tree.
export HOME="$work/home"
export LC_ALL=C.UTF-8 TZ=UTC
rm -rf "$work/home" "$work/framework" "$work/app" "$work"/*.apk
mkdir -p "$HOME" "$work/framework"
ln -s /usr/share/android-framework-res/framework-res.apk "$work/framework/1.apk"

cp -r "$here/app" "$work/app"
python3 "$here/draw-icon.py" "$work/app/res"

apktool b -p "$work/framework" -o "$work/packed.apk" "$work/app" >"$work/apktool.log" 2>&1 || {
    cat "$work/apktool.log" >&2
    echo "build-apk.sh: apktool failed" >&2
    exit 1
}
# apktool stamps the build time into every entry.
python3 "$here/normalize-zip.py" "$work/packed.apk" "$work/normalized.apk"
zipalign -p -f 4 "$work/normalized.apk" "$work/aligned.apk"
# v1 for Android 5, v2 for 7; a test key, committed (see README.md).
apksigner sign \
    --ks "$here/launcher-test.keystore" --ks-pass pass:korvath-test \
    --ks-key-alias korvath --key-pass pass:korvath-test \
    --min-sdk-version 22 --v1-signer-name CERT \
    --v1-signing-enabled true --v2-signing-enabled true \
    --v3-signing-enabled false --v4-signing-enabled false \
    --out "$work/signed.apk" "$work/aligned.apk"

mkdir -p "$(dirname "$output")"
mv -f "$work/signed.apk" "$output"
