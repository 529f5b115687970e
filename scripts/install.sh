#!/usr/bin/env bash
# Builds the Debian package (build-deb/newtalvo_*.deb) and installs it with apt-get, installing any missing
# packages first. `sudo apt-get remove newtalvo` removes it again.
source "$(dirname "${BASH_SOURCE[0]}")/setup.sh"

# dpkg-shlibdeps (in dpkg-dev) computes the package's dependencies; CPack finds the binaries with file.
talvo_install_missing dpkg-dev file
build="$TALVO_ROOT/build-deb"
# With the prefix of the package, the libraries' folder follows Debian's layout (lib/<architecture>/newtalvo).
cmake -S "$TALVO_ROOT" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTALVO_BUILD_TESTS=OFF -DCMAKE_INSTALL_PREFIX=/usr
cmake --build "$build" -j "$TALVO_JOBS"
rm -f "$build"/newtalvo_*.deb
(cd "$build" && cpack -G DEB)
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y "$build"/newtalvo_*.deb
