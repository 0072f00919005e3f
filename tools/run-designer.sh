#!/usr/bin/env bash
# Starts Designer from the build's program folder on the bundled example project.
# Without a display, says so and shows how to run it anyway.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
bin="${BUILD_DIR:-$here/build}/bin"
example="$here/examples/demo.lzd"
[ -f "$example" ] || example="${BUILD_DIR:-$here/build}/examples/demo.lzd"
args=()
[ -f "$example" ] && args+=("$example")

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "There is no display (neither DISPLAY nor WAYLAND_DISPLAY is set), so Designer cannot open its window."
    echo "Run it on a virtual display instead:"
    echo "    xvfb-run -a $bin/designer ${args[*]:-}"
    echo "or without any window system (nothing is shown):"
    echo "    QT_QPA_PLATFORM=offscreen $bin/designer ${args[*]:-}"
    exit 1
fi
exec "$bin/designer" "${args[@]}"
