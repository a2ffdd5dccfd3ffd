#!/usr/bin/env bash
# Checks what a Linux desktop gets: the desktop entry and the AppStream
# metainfo validate, and the Debian package of the build folder has the right
# dependencies and a program that runs from a clean folder.
#   devtools/check_package.sh BUILD_DIR
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

desktop-file-validate data/org.cifrala.Cifrala.desktop
appstreamcli validate --no-net data/metainfo/org.cifrala.Cifrala.metainfo.xml

rm -f "$build"/cifrala_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/cifrala_*.deb)

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 fonts-dejavu-core; do
    if ! grep -q "$needed" <<<"$depends"; then
        echo "package: $needed missing from Depends: $depends" >&2
        exit 1
    fi
done
[ "$(dpkg-deb -f "$deb" Recommends)" = "qt6-translations-l10n" ] || {
    echo "package: qt6-translations-l10n should be recommended" >&2
    exit 1
}

# Unpacked into a clean folder, the program finds its own data beside it.
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
for f in usr/bin/cifrala usr/share/cifrala/anederlands.msg usr/share/cifrala/aenglish.hlp \
    usr/share/applications/org.cifrala.Cifrala.desktop \
    usr/share/metainfo/org.cifrala.Cifrala.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/cifrala.svg; do
    [ -e "$root/$f" ] || { echo "package: $f missing" >&2; exit 1; }
done
"$root/usr/bin/cifrala" --version
value=$(env -u CIFRALA_DATA_DIR LC_ALL=C.UTF-8 "$root/usr/bin/cifrala" --eval "3/4")
[ "$value" = "0.75" ] || { echo "package: --eval 3/4 gave $value" >&2; exit 1; }
# A failing sum reports its message from the installed message file.
message=$(env -u CIFRALA_DATA_DIR LC_ALL=C.UTF-8 "$root/usr/bin/cifrala" --eval "1/0" 2>&1 >/dev/null || true)
if [ -z "$message" ] || grep -q "error in msgfile\|nrnotfound" <<<"$message"; then
    echo "package: the installed program does not find its message file: $message" >&2
    exit 1
fi
echo "Package $(basename "$deb") checked."
