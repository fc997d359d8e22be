#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program. Its program
# folder (AppDir) is build/run/bin unless APPRAISAL_HOME names another one.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"
build_tree "$root/build/run"
exec "$root/build/run/bin/house-appraisal" "$@"
