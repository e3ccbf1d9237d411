#!/bin/bash
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The MSI as a Windows user and an administrator meet it, in a fresh wine
# prefix with wine's menu builder off, so that nothing reaches this
# machine's desktop:
#  - a silent install puts exactly the zip's files into
#    %LOCALAPPDATA%\Programs\Ordanex, a Start-menu shortcut to Ordanex.exe
#    with its icon, and one uninstall entry with name, version, publisher,
#    icon and nothing to modify or repair;
#  - the installed program, started from the shortcut's target, takes a drop
#    and starts the pdftk.exe beside it (tests/windows-exe.sh);
#  - a later version replaces it, leaving one entry; an earlier one is refused;
#  - a silent uninstall leaves the prefix's files and HKCU as they were.
# Runs under Xvfb.
#   tests/windows-msi.sh MSI LATER_MSI ZIP ICON RECORDER DRAG_SOURCE WORK
set -uo pipefail
msi=$1 later=$2 zip=$3 icon=$4 recorder=$5 drag_source=$6 work=$7
version() { basename "$1" | sed 's/^Ordanex-\(.*\)-windows-x64\.msi$/\1/'; }
entry() { echo "$(version "$1"), The Ordanex developers, NoModify 0x1, NoRepair 0x1"; }
export WINEPREFIX=$work/prefix WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml=" WINEDEBUG=-all
rm -rf "$work" && mkdir -p "$work"
trap 'wineserver -k 2>/dev/null' EXIT
status=0
fail() { echo "windows-msi: $*"; status=1; }
# msiexec's status, of which wine keeps the low byte.
msiexec() { wine msiexec "$@" /qn >/dev/null 2>&1; local rc=$?; wineserver -w; return $rc; }
snapshot() {
  (cd "$WINEPREFIX" && find drive_c -not -type l | sort) >"$work/files-$1"
  wine reg export HKCU "$work/hkcu.reg" /y >/dev/null 2>&1 && wineserver -w
  # Wine's console keeps its settings once a console has been shown.
  iconv -f UTF-16LE -t UTF-8 "$work/hkcu.reg" | tr -d '\r' |
    awk '/^\[/ { console = index($0, "[HKEY_CURRENT_USER\\Console") == 1 } !console' >"$work/hkcu-$1"
}
# Each uninstall entry named Ordanex, as Apps & features lists it.
entries() {
  for root in HKCU HKLM; do
    wine reg query "$root\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" /s 2>/dev/null
  done | tr -d '\r' | awk -F '    ' '
    function flush() { if (v["DisplayName"] == "Ordanex")
      print v["DisplayVersion"] ", " v["Publisher"] ", NoModify " v["NoModify"] ", NoRepair " v["NoRepair"]; delete v }
    /^HKEY/ { flush() } { v[$2] = $4 } END { flush() }'
}
same_icon() { [ -n "$1" ] && cmp -s "$(winepath -u "$1" 2>/dev/null)" "$icon"; }

wineboot -i >/dev/null 2>&1 && wineserver -w
snapshot before
msiexec /i "$msi" || fail "the silent install failed"

folder_dos="$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')\\Programs\\Ordanex"
folder=$(winepath -u "$folder_dos" 2>/dev/null)
[ "$(cd "$folder" 2>/dev/null && find . -type f | sort)" = "$(unzip -Z1 "$zip" | grep -v '/$' | sed 's|^[^/]*/|./|' | sort)" ] \
  || fail "$folder_dos does not hold exactly the zip's files"

shortcuts=$(find "$WINEPREFIX/drive_c" -name '*.lnk' -path '*/Start Menu/*')
[ "$(basename "$shortcuts")" = Ordanex.lnk ] || fail "not one Start-menu shortcut named Ordanex: $shortcuts"
target=$(strings "$shortcuts" | grep -x 'C:\\.*\.exe')
texts=$(strings -el "$shortcuts")
[ "$target" = "$folder_dos\\Ordanex.exe" ] || fail "the shortcut points at $target"
grep -q "Joins PDF files in the order you choose, with pdftk$" <<<"$texts" || fail "the shortcut has no description"
grep -q ".C:.*\\\\Programs\\\\Ordanex\\\\\$" <<<"$texts" || fail "the shortcut does not start in $folder_dos"
same_icon "$(grep -o 'C:\\.*\.ico$' <<<"$texts")" || fail "the shortcut does not carry Ordanex's icon"
echo "windows-msi: installed; shortcut to $target"

[ "$(entries)" = "$(entry "$msi")" ] || fail "uninstall entries: $(entries)"
# Wine keeps the icon with the product's registration, not in the entry.
product_icon=$(wine reg query 'HKCU\Software\Microsoft\Installer\Products' /s 2>/dev/null | tr -d '\r' | sed -n 's/^ *ProductIcon *REG_SZ *//p')
same_icon "$product_icon" || fail "the entry has not Ordanex's icon: $product_icon"
echo "windows-msi: uninstall entry $(entries), icon $product_icon"

"$(dirname "$0")/windows-exe.sh" "$folder" "$recorder" "$drag_source" "$work" || status=1

msiexec /i "$later" || fail "the upgrade failed"
[ "$(entries)" = "$(entry "$later")" ] || fail "after the upgrade: $(entries)"
msiexec /i "$msi"
[ $? = $((1603 % 256)) ] || fail "the earlier version was not refused"
[ "$(entries)" = "$(entry "$later")" ] || fail "after the refused downgrade: $(entries)"
echo "windows-msi: upgraded to $(version "$later") with one entry, and refused $(version "$msi") after it"

msiexec /x "$later" || fail "the silent uninstall failed"
[ -z "$(entries)" ] || fail "an uninstall entry is left: $(entries)"
snapshot after
# What may differ: Windows Installer's own empty folders and keys, which
# every Windows has, and wine's record of menus it did not make.
left=$(diff "$work/files-before" "$work/files-after"; diff "$work/hkcu-before" "$work/hkcu-after")
left=$(grep '^[<>]' <<<"$left" | grep -vxE '> drive_c/(windows|users/[^/]+/AppData/Roaming/Microsoft)/Installer|> |> \[HKEY_CURRENT_USER\\Software\\(Microsoft\\Installer(\\(Features|Products|UpgradeCodes))?|Wine\\(MenuFiles|FileOpenAssociations))\]')
[ -z "$left" ] || fail "the uninstall left behind:"$'\n'"$left"
[ $status = 0 ] && echo "windows-msi: uninstalled, and the prefix's files and HKCU are as before"
exit $status
