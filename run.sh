#!/usr/bin/env bash
# Builds drafnova-cli, creates the default drawing "新規図面.JWW" in the current
# folder and shows its header.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/tools/install-deps.sh"
drafnova_install "${DRAFNOVA_BUILD_PACKAGES[@]}"

(cd "$here" && cmake --preset linux-release >/dev/null &&
    cmake --build --preset linux-release -j "$(nproc)" --target drafnova-cli >/dev/null)
cli="$here/build/linux-release/src/cli/drafnova-cli"

# Without a display nobody can be asked or shown anything.
flags=()
[ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && flags=(--yes --no-open)
"$cli" new "${flags[@]}"
"$cli" info "新規図面.JWW"
