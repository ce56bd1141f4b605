#!/usr/bin/env bash
# Packs the release archive: korvath.exe and the Chinese user guide with its pictures.
# Usage: make-dist.sh <windows build dir> <dist dir>
set -euo pipefail
build="$1"
dist="$2"
root="$(cd "$(dirname "$0")/.." && pwd)"
version="$(cat "$build/version.txt")"
name="korvath-$version-win64"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
mkdir -p "$stage/$name" "$dist"
cp "$build/korvath.exe" "$stage/$name/"
cp "$root/docs/使用说明.md" "$stage/$name/"
cp -r "$root/docs/screenshots" "$stage/$name/"
rm -f "$dist/$name.zip"
(cd "$stage" && zip -qr -X "$dist/$name.zip" "$name")
echo "$dist/$name.zip"
