#!/usr/bin/env bash
# The Debian package: built by CPack from this build, its dependencies from
# shlibdeps, lintian finds nothing wrong with it, and its unpacked programs
# work with their installed data.
#   package_test.sh BUILD_DIR
set -euo pipefail
build="$1"
tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
command -v dpkg-shlibdeps >/dev/null || { echo "SKIP: dpkg-shlibdeps missing"; exit 77; }
command -v lintian >/dev/null || { echo "SKIP: lintian missing"; exit 77; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$tmp/uit" >/dev/null || fail "cpack"
deb="$(ls "$tmp"/uit/vellora_*.deb)"
[ -f "$deb" ] || fail "no package"
hangt="$(dpkg-deb -f "$deb" Depends)"
for nodig in libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libzip4 libc6 qt6-translations-l10n; do
  [[ "$hangt" == *"$nodig"* ]] || fail "Depends lacks $nodig: $hangt"
done
inhoud="$(dpkg-deb -c "$deb")"
grep -q './usr/libexec/vellora/PrintFile$' <<<"$inhoud" || fail "PrintFile not in libexec"

# Errors (E:) and warnings (W:) fail; lintian's own exit status counts
# errors only.
lintian --tag-display-limit 0 "$deb" >"$tmp/lintian.txt" 2>&1 || true
if grep -E '^[EW]: ' "$tmp/lintian.txt"; then fail "lintian"; fi

dpkg-deb -x "$deb" "$tmp/root"
export XDG_CONFIG_HOME="$tmp/config" QT_QPA_PLATFORM=offscreen
"$tmp/root/usr/bin/vellora-print" -q -o "$tmp/uit.prn" "$tmp/root/usr/share/vellora/examples/Adresetiket.VLO" ||
  fail "the packaged vellora-print does not print its example"
[ -s "$tmp/uit.prn" ] || fail "empty stream"
[ "$("$tmp/root/usr/bin/vellora" --version)" = "vellora 4.0" ] || fail "vellora --version"
echo "ok"
