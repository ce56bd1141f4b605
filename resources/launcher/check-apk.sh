#!/usr/bin/env bash
# Offline checks of the built Launcher.apk, one named group per call.
# Usage: check-apk.sh <check> <apk> <scratch dir>; prints why a check failed.
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
check="${1:-}"
apk="${2:-}"
scratch="${3:-}"

PACKAGE=com.android.launcher3
ACTIVITY=com.android.launcher3.Launcher

fail() {
    echo "check '$check' failed: $*" >&2
    exit 1
}

# Fails unless the text holds the line fragment, naming what was looked for.
expect_in() {
    local text="$1" fragment="$2" what="$3"
    grep -qF -- "$fragment" <<<"$text" || fail "$what: no '$fragment' in:"$'\n'"$text"
}

check_signature() {
    local out
    out="$(apksigner verify --min-sdk-version 22 -v --print-certs "$apk" 2>&1)" ||
        fail "apksigner verify rejects the package:"$'\n'"$out"
    # Android 5 reads only the v1 (JAR) signature, Android 7 prefers v2.
    expect_in "$out" "Verified using v1 scheme (JAR signing): true" "v1 signature"
    expect_in "$out" "Verified using v2 scheme (APK Signature Scheme v2): true" "v2 signature"
    expect_in "$out" "certificate DN: CN=Korvath Launcher Test Key, O=Korvath" "signing key"
}

check_badging() {
    local out
    out="$(aapt dump badging "$apk" 2>&1)" || fail "aapt cannot read the package:"$'\n'"$out"
    expect_in "$out" "package: name='$PACKAGE'" "package name"
    expect_in "$out" "launchable-activity: name='$ACTIVITY'" "launchable activity"
    expect_in "$out" "sdkVersion:'22'" "minimum SDK"
    expect_in "$out" "application-label:'Korvath 桌面'" "label"
    expect_in "$out" "application-icon-320:'res/" "icon"
}

# The intent filters of the activity, one line each (aapt prints a tree by indentation).
activity_filters() {
    aapt dump xmltree "$apk" AndroidManifest.xml | awk -v name="\"$ACTIVITY\"" '
        function indent(line) { match(line, /^ */); return RLENGTH }
        /E: activity / { depth = indent($0); in_activity = 1; mine = 0; next }
        in_activity && indent($0) <= depth { in_activity = mine = 0 }
        in_activity && indent($0) == depth + 2 && /A: android:name\(/ && index($0, name) { mine = 1 }
        mine && /E: intent-filter/ { if (filter != "") print filter; filter = "filter" }
        mine && filter != "" { filter = filter " " $0 }
        END { if (filter != "") print filter }'
}

# MAIN with HOME, DEFAULT and LAUNCHER in one filter: the system's home screen
# and an entry in app lists.
check_manifest() {
    local filters
    filters="$(activity_filters)"
    [ -n "$filters" ] || fail "no intent filter under activity $ACTIVITY"
    local matching="$filters" name
    for name in action.MAIN category.HOME category.DEFAULT category.LAUNCHER; do
        matching="$(grep -F "\"android.intent.$name\"" <<<"$matching")" ||
            fail "no intent filter of $ACTIVITY has all of MAIN, HOME, DEFAULT, LAUNCHER" \
                "(missing android.intent.$name):"$'\n'"$filters"
    done
}

check_permissions() {
    local tree
    tree="$(aapt dump xmltree "$apk" AndroidManifest.xml 2>&1)" || fail "aapt: $tree"
    expect_in "$tree" "E: manifest" "manifest tree"
    local found
    if found="$(grep -E 'E: (uses-permission|permission)' <<<"$tree")"; then
        fail "the manifest requests or declares a permission:"$'\n'"$found"
    fi
}

check_dex() {
    mkdir -p "$scratch"
    local dex="$scratch/classes.dex"
    unzip -p "$apk" classes.dex >"$dex" 2>/dev/null || fail "no classes.dex in the package"
    local magic
    magic="$(head -c 8 "$dex" | od -An -tx1 | tr -d ' \n')"
    # "dex\n035\0": the format Android 5 accepts.
    [ "$magic" = 6465780a30333500 ] || fail "dex header is $magic, not dex 035"
    local out
    out="$(dexdump -c "$dex" 2>&1)" || fail "dexdump -c:"$'\n'"$out"
    expect_in "$out" "Checksum verified" "dex checksum"
}

check_alignment() {
    local out
    out="$(zipalign -c -p 4 "$apk" 2>&1)" || fail "zipalign -c -p 4:"$'\n'"$out"
}

check_reproducible() {
    local again="$scratch/Launcher.apk"
    rm -f "$again"
    "$here/build-apk.sh" "$again" "$scratch/work" || fail "the second build failed"
    cmp "$apk" "$again" || fail "a second build differs from $apk"
}

# Faulty packages must fail the checks that concern them: the checks look at
# the package, not only at the tools' exit codes.
check_rejects_faulty() {
    mkdir -p "$scratch"
    # One byte of classes.dex changed after signing.
    local tampered="$scratch/tampered.apk"
    python3 - "$apk" "$tampered" <<'PY' || fail "cannot make the tampered copy"
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as src, zipfile.ZipFile(sys.argv[2], "w") as dst:
    for entry in src.infolist():
        data = src.read(entry)
        if entry.filename == "classes.dex":
            data = data[:0x70] + bytes([data[0x70] ^ 0xFF]) + data[0x71:]
        dst.writestr(entry, data)
PY
    expect_rejected "$tampered" signature dex

    # Built from sources without HOME, with a permission, for dex 037.
    local sources="$scratch/faulty-sources"
    rm -rf "$sources"
    cp -r "$here" "$sources"
    local manifest="$sources/app/AndroidManifest.xml"
    sed -i -e '/android.intent.category.HOME/d' \
        -e 's|^    <application|    <uses-permission android:name="android.permission.INTERNET" />\n&|' \
        "$manifest"
    sed -i "s/minSdkVersion: '22'/minSdkVersion: '24'/" "$sources/app/apktool.yml"
    if grep -q category.HOME "$manifest" || ! grep -q uses-permission "$manifest" ||
        ! grep -q "minSdkVersion: '24'" "$sources/app/apktool.yml"; then
        fail "the faulty sources were not made as intended"
    fi
    "$sources/build-apk.sh" "$scratch/faulty.apk" "$scratch/faulty-work" ||
        fail "the faulty sources do not build"
    expect_rejected "$scratch/faulty.apk" manifest permissions dex
}

expect_rejected() {
    local package="$1" group
    shift
    for group in "$@"; do
        if "$0" "$group" "$package" "$scratch/$group" 2>/dev/null; then
            fail "check '$group' accepts the faulty $(basename "$package")"
        fi
    done
}

case "$check" in
    signature | badging | manifest | permissions | dex | alignment | reproducible | rejects_faulty) ;;
    *)
        echo "usage: check-apk.sh signature|badging|manifest|permissions|dex|alignment|reproducible|rejects_faulty <apk> <scratch dir>" >&2
        exit 2
        ;;
esac
[ -f "$apk" ] || fail "no package at '$apk'"
[ -n "$scratch" ] || fail "no scratch dir given"
"check_$check"
