#!/usr/bin/env bash
# Installs the build into a scratch root and checks the bundle's layout:
# the program folder, the launchers, the menu entry and the .lzd file type.
#   install_bundle.sh BUILD_DIR
set -eu
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
prefix="$root/usr"
test -x "$prefix/lib/zd740-designer/designer"
test -x "$prefix/lib/zd740-designer/zd740"
test -d "$prefix/lib/zd740-designer/lang"
test -f "$prefix/lib/zd740-designer/lang/Lang001.dat"
test -L "$prefix/bin/designer"
test "$(readlink -f "$prefix/bin/zd740")" = "$(readlink -f "$prefix/lib/zd740-designer/zd740")"
grep -q "MimeType=application/x-zd740-project" "$prefix/share/applications/zd740-designer.desktop"
grep -q 'glob pattern="\*.lzd"' "$prefix/share/mime/packages/zd740-designer.xml"
# The launcher runs the bundle from its own folder.
env -u DISPLAY "$prefix/bin/zd740" --version >/dev/null
echo "bundle installed and complete"
