#!/usr/bin/env bash
# Builds the Debian package from a finished build folder, unpacks it into a temporary root and
# checks it as a user would meet it: the files in place, the desktop entry and the software
# centre data valid, and the installed program starting with a fresh home, finding its own data
# folder and letting the delivered password in.
#   check_package.sh BUILD_DIR
set -euo pipefail
BUILD=$(cd "$1" && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
ID=it.vestrano.Vestrano

fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$BUILD" && cpack -G DEB -B "$WORK/out" >"$WORK/cpack.log") || { cat "$WORK/cpack.log"; fail "cpack"; }
DEB=$(ls "$WORK"/out/vestrano_*.deb)
echo "package: $(basename "$DEB"), $(stat -c %s "$DEB") bytes"

depends=$(dpkg-deb -f "$DEB" Depends)
for needed in libqt6widgets6 libqt6charts6 fonts-liberation qt6-translations-l10n; do
    [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done

ROOT=$WORK/root
dpkg-deb -x "$DEB" "$ROOT"
for file in usr/bin/vestrano \
            usr/share/vestrano/Guida.pdf usr/share/vestrano/unins000.dll \
            usr/share/applications/$ID.desktop usr/share/metainfo/$ID.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/$ID.svg \
            usr/share/icons/hicolor/48x48/apps/$ID.png usr/share/icons/hicolor/256x256/apps/$ID.png \
            usr/share/doc/vestrano/copyright usr/share/doc/vestrano/changelog.gz \
            usr/share/man/man1/vestrano.1.gz; do
    [ -s "$ROOT/$file" ] || fail "missing $file"
done
desktop-file-validate "$ROOT/usr/share/applications/$ID.desktop"
appstreamcli validate --no-net "$ROOT/usr/share/metainfo/$ID.metainfo.xml" >"$WORK/appstream.log" \
    || { cat "$WORK/appstream.log"; fail "metainfo"; }

PROGRAM=$ROOT/usr/bin/vestrano
"$PROGRAM" --help >"$WORK/help.txt" || fail "--help did not exit 0"
grep -q -- '--data-dir' "$WORK/help.txt" || fail "--help does not list --data-dir"
[ "$("$PROGRAM" --version)" = "Vestrano $(dpkg-deb -f "$DEB" Version)" ] || fail "--version"
status=0; "$PROGRAM" --no-such-option >"$WORK/out.txt" 2>"$WORK/err.txt" || status=$?
[ "$status" -eq 2 ] || fail "an unknown option exited $status, not 2"
[ ! -s "$WORK/out.txt" ] && grep -q '^Uso:' "$WORK/err.txt" || fail "the usage is not on standard error"

# A fresh user: no data folder, no settings, no display.
HOME_DIR=$WORK/home
mkdir -p "$HOME_DIR"
env -i PATH=/usr/bin:/bin HOME="$HOME_DIR" QT_QPA_PLATFORM=offscreen \
    "$PROGRAM" --check-login bicchierelungo >"$WORK/run.txt" 2>"$WORK/run.err" \
    || { cat "$WORK/run.txt" "$WORK/run.err"; fail "the delivered password did not open the main menu"; }
grep -q 'login screen shown' "$WORK/run.txt" || fail "no login screen"
grep -q 'main menu shown' "$WORK/run.txt" || fail "no main menu"
cmp "$HOME_DIR/.local/share/Vestrano/unins000.dll" "$ROOT/usr/share/vestrano/unins000.dll" \
    || fail "the per-user data folder was not seeded with the delivered password store"
[ "$(ls "$ROOT/usr/bin")" = vestrano ] || fail "data was written beside the installed executable"
echo "package check passed"
