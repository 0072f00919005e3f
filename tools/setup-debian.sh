#!/usr/bin/env bash
# Installs every Debian package the project needs to build, run and test, when missing.
# Runs `apt-get update` once, and only when something has to be installed.
# Works as root and through sudo. Extra package sets: `setup-debian.sh fuzz`.
set -euo pipefail

packages=(
    g++ make cmake pkg-config
    qt6-base-dev qt6-serialport-dev libgl-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    unifont fonts-wqy-zenhei
    xvfb xauth
)

# Optional package sets, named on the command line (`setup-debian.sh fuzz`).
for extra in "$@"; do
    case "$extra" in
    fuzz) packages+=(clang libclang-rt-dev) ;; # libFuzzer and the sanitizers (`make fuzz`)
    *)
        echo "setup: unknown package set: $extra" >&2
        exit 2
        ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    as_root=()
elif command -v sudo >/dev/null 2>&1; then
    as_root=(sudo)
else
    echo "setup: these packages are missing and neither root nor sudo is available:" >&2
    echo "  ${missing[*]}" >&2
    exit 1
fi

echo "setup: installing ${missing[*]}"
"${as_root[@]}" apt-get update
DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
