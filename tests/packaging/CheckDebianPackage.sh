#!/bin/sh
# Makes the Debian package from a built tree and checks it without installing it:
#   CheckDebianPackage.sh BUILD_DIR SCRATCH VERSION
# lintian, the exact file list, dependencies on the libraries the programs link, the programs run
# from the unpacked tree, the manual pages and the desktop files.
set -eu
build=$1 scratch=$2 version=$3
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$scratch" && mkdir -p "$scratch/config"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >/dev/null
deb=$scratch/pennantry_${version}_$(dpkg --print-architecture).deb
lintian --fail-on error,warning "$deb" || fail "lintian"
root=$scratch/root
dpkg-deb -x "$deb" "$root"

(cd "$root" && find . -type f | sort) >"$scratch/files"
diff -u - "$scratch/files" <<END || fail "the package's files differ"
./usr/games/pennantry
./usr/games/pennantry-sim
./usr/games/pennantry-term
./usr/share/applications/pennantry.desktop
./usr/share/doc/pennantry/README.md
./usr/share/doc/pennantry/changelog.gz
./usr/share/doc/pennantry/copyright
./usr/share/icons/hicolor/128x128/apps/pennantry.png
./usr/share/icons/hicolor/16x16/apps/pennantry.png
./usr/share/icons/hicolor/32x32/apps/pennantry.png
./usr/share/icons/hicolor/48x48/apps/pennantry.png
./usr/share/icons/hicolor/64x64/apps/pennantry.png
./usr/share/man/man6/pennantry-sim.6.gz
./usr/share/man/man6/pennantry-term.6.gz
./usr/share/man/man6/pennantry.6.gz
./usr/share/metainfo/io.github.pennantry.Pennantry.metainfo.xml
END

# Every library a program links directly comes from a package the package depends on.
depends=$(dpkg-deb -f "$deb" Depends)
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for lib in $(objdump -p "$root"/usr/games/* | sed -n 's/^ *NEEDED *//p' | sort -u); do
  owners=$(dpkg -S "$multiarch/$lib" | sed 's/[:,].*//' | sort -u)
  found=
  for owner in $owners; do
    case ", $depends," in *", $owner "* | *", $owner,"*) found=$owner ;; esac
  done
  [ -n "$found" ] || fail "$lib comes from $owners, not in Depends: $depends"
done

for program in pennantry pennantry-term pennantry-sim; do
  [ "$("$root/usr/games/$program" --version)" = "$program $version" ] || fail "$program --version"
  page=$root/usr/share/man/man6/$program.6.gz
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$program.6: $warnings"
  LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$page" | grep -q "Pennantry $version" || fail "$program.6 lacks the version"
done

# A short game in the machine face, saved in a folder of its own.
printf 'ok\nrun\nok\nok\npitch\nsave\n' |
  XDG_CONFIG_HOME=$scratch/config "$root/usr/games/pennantry-term" --json --seed 7 >"$scratch/game"
grep -q '"op":"show"' "$scratch/game" && [ "$(tail -n 1 "$scratch/game")" = '{"op":"close"}' ] ||
  fail "the game did not play: $(cat "$scratch/game")"
grep -q '^B1=' "$scratch/config/Tessivar/Pennantry.conf" || fail "no saved game"

desktop-file-validate "$root/usr/share/applications/pennantry.desktop" || fail "desktop entry"
appstreamcli validate-tree --no-net "$root" || fail "metainfo"
