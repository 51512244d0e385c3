# Sourced: the pinned Wine environment every Windows program here runs in.
# A 32-bit prefix, so a 32-bit program's HKLM\Software and HKCR\CLSID are not
# redirected; en-US locale; no prompts for Wine's .NET or HTML engines.
lunea_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${LUNEA_WINEPREFIX:-$lunea_root/build/windows/wineprefix}"
export WINEARCH=win32
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all
export LANG=C.UTF-8
unset lunea_root
