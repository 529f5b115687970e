# Sourced by run.sh, test.sh and install.sh: installs what the build needs when it is missing (Debian 12).
set -euo pipefail

# What the build needs; desktop-file-utils checks the installed desktop entry in the tests.
TALVO_PACKAGES=(cmake g++ make pkg-config qt6-base-dev qt6-charts-dev libqt6opengl6-dev libgl-dev libgtest-dev
    desktop-file-utils)

talvo_install_missing() {
    local missing=()
    for package in "${TALVO_PACKAGES[@]}" "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

TALVO_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
TALVO_JOBS="$(nproc 2>/dev/null || echo 4)"
