#!/usr/bin/env bash
# The installed tree: laid out as a Debian user expects, its launcher and
# software-centre data valid, and working wherever it is unpacked.
#   install_test.sh BUILD_DIR
set -euo pipefail
build="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix "$tmp/eerst" >/dev/null
for f in bin/vellora bin/vellora-print libexec/vellora/PrintFile \
         share/vellora/all.eft share/vellora/examples/Adresetiket.VLO \
         share/vellora/examples/Verzendetiket.VLO share/vellora/examples/Schapkaartjes.VLO \
         share/applications/vellora.desktop share/metainfo/nl.vellora.vellora.metainfo.xml \
         share/mime/packages/vellora.xml share/icons/hicolor/scalable/apps/vellora.svg \
         share/icons/hicolor/16x16/apps/vellora.png share/icons/hicolor/48x48/apps/vellora.png \
         share/icons/hicolor/256x256/apps/vellora.png \
         share/man/man1/vellora.1.gz share/man/man1/vellora-print.1.gz \
         share/doc/vellora/copyright share/doc/vellora/changelog.Debian.gz; do
  [ -e "$tmp/eerst/$f" ] || fail "not installed: $f"
done
# Nothing of the programs' data lands beside them any more.
[ ! -e "$tmp/eerst/bin/all.eft" ] || fail "the catalogue is installed in bin/"
[ ! -e "$tmp/eerst/bin/PrintFile" ] || fail "the spooling program is installed in bin/"

desktop-file-validate "$tmp/eerst/share/applications/vellora.desktop" || fail "the launcher does not validate"
grep -q '^MimeType=application/x-vellora-design;$' "$tmp/eerst/share/applications/vellora.desktop" ||
  fail "the launcher does not take the design type"
grep -q '^Exec=vellora %f$' "$tmp/eerst/share/applications/vellora.desktop" || fail "the launcher opens no file"
appstreamcli validate --no-net "$tmp/eerst/share/metainfo/nl.vellora.vellora.metainfo.xml" >/dev/null ||
  fail "the AppStream data does not validate"

# Moved elsewhere, the tree still finds its catalogue and prints the same
# stream as the build tree.
mv "$tmp/eerst" "$tmp/verhuisd"
export XDG_CONFIG_HOME="$tmp/config" QT_QPA_PLATFORM=offscreen
voorbeeld="$tmp/verhuisd/share/vellora/examples/Adresetiket.VLO"
(cd "$tmp" && "$tmp/verhuisd/bin/vellora-print" -q --from 7 --to 9 -o "$tmp/geinstalleerd.prn" "$voorbeeld") ||
  fail "the moved tree does not print"
"$build/bin/vellora-print" -q --from 7 --to 9 --catalog "$build/bin/all.eft" -o "$tmp/bouw.prn" "$voorbeeld"
cmp -s "$tmp/geinstalleerd.prn" "$tmp/bouw.prn" || fail "the moved tree prints another stream"
[ "$(grep -c $'\x1bZ' "$tmp/geinstalleerd.prn")" -ge 1 ] || fail "no sheet in the stream"
# Barcodes too, encoded by the installed program.
codes="$tmp/verhuisd/share/vellora/examples/Verzendetiket.VLO"
(cd "$tmp" && "$tmp/verhuisd/bin/vellora-print" -q --from 7 --to 9 -o "$tmp/codes-geinstalleerd.prn" "$codes") ||
  fail "the moved tree does not print barcodes"
"$build/bin/vellora-print" -q --from 7 --to 9 --catalog "$build/bin/all.eft" -o "$tmp/codes-bouw.prn" "$codes"
cmp -s "$tmp/codes-geinstalleerd.prn" "$tmp/codes-bouw.prn" || fail "the moved tree prints other barcodes"
# Asked for help or its version, the editor needs no display.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$tmp/verhuisd/bin/vellora" --version)" = "vellora 4.0" ] ||
  fail "vellora --version"
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$tmp/verhuisd/bin/vellora" --help | grep -q 'DESIGN.VLO' ||
  fail "vellora --help"
if "$tmp/verhuisd/bin/vellora" een.VLO twee.VLO 2>/dev/null; then fail "two designs accepted"; fi
echo "ok"
