#!/bin/bash
# Checks of the Debian package and the desktop files, one check a call:
#   check_package.sh build    BUILD_DIR OUT_DIR   makes the package into OUT_DIR with cpack
#   check_package.sh contents OUT_DIR             the files and the computed dependencies
#   check_package.sh install  OUT_DIR             dpkg -i and -r in a throwaway root
#   check_package.sh lintian  OUT_DIR             no lintian error or warning
#   check_package.sh desktop  OUT_DIR             desktop-file-validate on the installed entry
#   check_package.sh appstream OUT_DIR            appstreamcli validate on the installed metainfo
# A check whose tool is missing exits 77, which CTest counts as skipped.
set -euo pipefail
mode=$1
out=${2:?}

need() { command -v "$1" > /dev/null || { echo "skipped: $1 is not installed"; exit 77; }; }
fail() { echo "FAIL: $*"; exit 1; }
package() {
  local debs=("$out"/vantry_*.deb)
  if [[ ! -f ${debs[0]} ]]; then
    # Not built because its tools are missing: the checks on it are skipped too.
    command -v dpkg-shlibdeps > /dev/null || { echo "skipped: no package (dpkg-dev is not installed)"; exit 77; }
    fail "no package in $out"
  fi
  echo "${debs[0]}"
}
# The package's files, extracted once per check into a folder of its own.
extracted() {
  local root
  root=$(mktemp -d)
  dpkg-deb -x "$(package)" "$root"
  echo "$root"
}

case $mode in
  build)
    need dpkg-deb
    need dpkg-shlibdeps
    build=$out
    out=${3:?}
    rm -rf "$out"
    mkdir -p "$out"
    cpack --config "$build/CPackConfig.cmake" -B "$out" > "$out/cpack.log" 2>&1 || { cat "$out/cpack.log"; fail "cpack"; }
    echo "built $(package)"
    ;;

  contents)
    need dpkg-deb
    deb=$(package)
    listing=$(dpkg-deb --contents "$deb" | awk '{ print $6 }' | sed 's|^\./||')
    expected=(
      usr/games/vantry usr/games/vantry-cli
      usr/share/applications/vantry.desktop
      usr/share/mime/packages/vantry.xml
      usr/share/metainfo/com.tavimo_labs.Vantry.metainfo.xml
      usr/share/icons/hicolor/scalable/apps/vantry.svg
      usr/share/icons/hicolor/scalable/mimetypes/application-x-vantry-game.svg
      usr/share/man/man6/vantry.6.gz usr/share/man/man6/vantry-cli.6.gz
      usr/share/doc/vantry/copyright usr/share/doc/vantry/changelog.gz
      usr/share/vantry/help/contents.html usr/share/vantry/help/100.html
    )
    for size in 16 22 24 32 48 64 128 256; do
      expected+=("usr/share/icons/hicolor/${size}x${size}/apps/vantry.png"
                 "usr/share/icons/hicolor/${size}x${size}/mimetypes/application-x-vantry-game.png")
    done
    for path in "${expected[@]}"; do
      grep -qx "$path" <<< "$listing" || fail "the package lacks $path"
    done
    # Nothing outside /usr, and no build or test leftovers.
    if grep -v '^usr/' <<< "$listing" | grep -q .; then fail "files outside /usr"; fi
    if grep -Eq 'CMakeFiles|\.a$|/tests?/' <<< "$listing"; then fail "build leftovers in the package"; fi
    # The dependencies come from the programs' shared libraries.
    depends=$(dpkg-deb --field "$deb" Depends)
    for library in libc6 libstdc++6 libqt6widgets6 libqt6printsupport6; do
      grep -q "$library" <<< "$depends" || fail "Depends lacks $library: $depends"
    done
    echo "$(wc -l <<< "$listing") entries; Depends: $depends"
    ;;

  install)
    need dpkg
    deb=$(package)
    root=$(mktemp -d)
    trap 'rm -rf "$root"' EXIT
    # An empty dpkg database of its own: the machine's packages are not seen,
    # so the dependencies are forced, and nothing outside the root changes.
    mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
    touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
    dpkg_in_root() {
      dpkg --root="$root" --force-not-root --force-depends --force-script-chrootless \
        --log=/dev/null "$@"
    }
    dpkg_in_root -i "$deb" > "$root.log" 2>&1 || { cat "$root.log"; fail "dpkg -i"; }
    dpkg_in_root -s vantry | grep -q '^Status: install ok installed' || fail "not installed"
    [[ -x $root/usr/games/vantry && -x $root/usr/games/vantry-cli ]] || fail "programs not installed"
    version=$("$root/usr/games/vantry-cli" --version)
    [[ $version == "vantry-cli "* ]] || fail "installed vantry-cli says '$version'"
    dpkg_in_root -r vantry > "$root.log" 2>&1 || { cat "$root.log"; fail "dpkg -r"; }
    left=$(find "$root" -mindepth 1 -not -path "$root/var/lib/dpkg*" -not -type d)
    [[ -z $left ]] || fail "files left after removal: $left"
    left_dirs=$(find "$root/usr" -mindepth 1 2>/dev/null || true)
    [[ -z $left_dirs ]] || fail "folders left after removal: $left_dirs"
    rm -f "$root.log"
    echo "installed ($version) and removed cleanly"
    ;;

  lintian)
    need lintian
    report=$(lintian --tag-display-limit 0 "$(package)" 2>/dev/null || true)
    echo "${report:-lintian: no tags}"
    if grep -Eq '^[EW]: ' <<< "$report"; then fail "lintian errors or warnings"; fi
    ;;

  desktop)
    need desktop-file-validate
    root=$(extracted)
    trap 'rm -rf "$root"' EXIT
    desktop-file-validate "$root/usr/share/applications/vantry.desktop" || fail "desktop-file-validate"
    grep -qx 'MimeType=application/x-vantry-game;' "$root/usr/share/applications/vantry.desktop" ||
      fail "the entry does not name the saved-game type"
    grep -q '^Exec=vantry %f$' "$root/usr/share/applications/vantry.desktop" || fail "Exec does not take a file"
    echo "desktop entry valid"
    ;;

  appstream)
    need appstreamcli
    root=$(extracted)
    trap 'rm -rf "$root"' EXIT
    appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml || fail "appstreamcli validate"
    ;;

  *)
    fail "unknown check $mode"
    ;;
esac
