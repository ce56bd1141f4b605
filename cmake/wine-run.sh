#!/usr/bin/env bash
# Cross-compiling emulator: runs one Windows program under Wine.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
exec wine "$@"
