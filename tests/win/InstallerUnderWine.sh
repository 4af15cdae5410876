#!/bin/sh
# The installer as a player's machine runs it, under Wine on a display of its own:
#   xvfb-run -a InstallerUnderWine.sh WINE-RUN PREFIX CPU MSI WXS
# A quiet install puts the program, its Start-menu shortcut and its uninstall entry in place; the
# installed program starts and resumes the saved game; a quiet uninstall takes everything away but
# the saved game, which the installer never touches. Then the same installer made as version 99.0
# (from its source WXS) replaces this one.
set -eu
wine="$1 $2 $3" prefix=$2 msi=$4 wxs=$5
key='HKLM\Software\Tessivar\Pennantry'
dir="$prefix/drive_c/Program Files/Pennantry"
# The Start menu of all users, where Windows puts a machine install's shortcut; Wine 8 puts it in
# the installing user's.
shortcuts() { find "$prefix/drive_c/ProgramData" "$prefix/drive_c/users" -path '*/Start Menu/Programs/Pennantry.lnk'; }
version=$(basename "$msi" .msi | sed 's/^pennantry-//')

fail() { echo "FAIL: $*"; exit 1; }
saved() { $wine reg query "$key" 2>/dev/null | tr -d '\r' | grep REG_SZ | sort; }
# What Add/Remove Programs shows of installed programs: names, versions, publishers and icons.
entries() {
  for list in 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' 'HKLM\Software\Classes\Installer\Products'; do
    $wine reg query "$list" /s 2>/dev/null
  done | tr -d '\r' | grep -E '^ +(DisplayName|DisplayVersion|Publisher|ProductIcon) ' | sed 's/^ *//; s/  */ /g'
}
await() { timeout 120 xdotool search --sync --onlyvisible --name "^$1\$" >/dev/null || fail "no window \"$1\""; }

# Whatever an earlier run left installed goes first.
for code in $($wine reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s /v DisplayName 2>/dev/null |
    tr -d '\r' | grep -B1 'REG_SZ *Pennantry$' | sed -n 's/.*Uninstall\\\({[-0-9A-F]*}\)$/\1/p'); do
  $wine msiexec /x "$code" /qn
done

# A saved game: the installed program must resume it, the uninstall must leave it.
$wine reg delete "$key" /f >/dev/null 2>&1 || true
$wine reg add "$key" /v B1 /d 1 /f >/dev/null
$wine reg add "$key" /v HRS /d 7 /f >/dev/null
before=$(saved)

install() { $wine msiexec "$1" "$($wine winepath -w "$2" | tr -d '\r')" /qn || fail "msiexec $1 $2 failed"; }
install /i "$msi"
[ -f "$dir/pennantry.exe" ] && [ -f "$dir/README.txt" ] || fail "not installed in $dir: $(ls "$dir")"
! grep -qv "$(printf '\r')\$" "$dir/README.txt" || fail "README.txt has lines without CR LF"
[ -n "$(shortcuts)" ] || fail "no Start-menu shortcut"
installed=$(entries)
for line in "DisplayName REG_SZ Pennantry" "DisplayVersion REG_SZ $version" "Publisher REG_SZ Tessivar"; do
  echo "$installed" | grep -qx "$line" || fail "the uninstall entry lacks \"$line\": $installed"
done
echo "$installed" | grep -q '^ProductIcon REG_SZ .*\\pennantry.ico$' || fail "no icon in the uninstall entry: $installed"

$wine "$dir/pennantry.exe" & game=$!
await 'About Pennantry'
xdotool key Return
await 'Pennantry version 1.0'
xdotool key Escape
wait "$game" || fail "the installed program ended with status $?"
[ "$(saved)" = "$before" ] || fail "the saved game changed: $(saved)"

install /x "$msi"
[ ! -e "$dir" ] || fail "left behind: $(ls -R "$dir")"
[ -z "$(shortcuts)" ] || fail "the shortcut is left"
[ -z "$(entries | grep 'Pennantry')" ] || fail "the uninstall entry is left"
[ "$(saved)" = "$before" ] || fail "the uninstall touched the saved game: $(saved)"

newer=$(dirname "$msi")/pennantry-newer.msi
sed 's/ Version="'"$version"'" / Version="99.0" /' "$wxs" >"$newer.wxs"
(cd "$(dirname "$msi")" && wixl -a "$([ "$3" = x86_64 ] && echo x64 || echo x86)" -o "$newer" "$newer.wxs")
install /i "$msi"
install /i "$newer"
[ "$(entries | grep -E '^Display(Name|Version)')" = "DisplayName REG_SZ Pennantry
DisplayVersion REG_SZ 99.0" ] || fail "the newer version did not replace the older: $(entries)"
install /x "$newer"
[ ! -e "$dir" ] && [ -z "$(entries | grep 'Pennantry')" ] || fail "the newer version's uninstall left $(entries)"
