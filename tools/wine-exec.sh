#!/usr/bin/env bash
# CMake's cross-compiling emulator: runs one Windows program under Wine on the
# project's private prefix. The prefix and display come from wine-session.sh.
source "$(dirname "$0")/wine-env.sh"
exec wine "$@"
