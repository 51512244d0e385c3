# Sourced: the pinned Wine environment every Windows program here runs in.
# A prefix of the programs' own width (32-bit unless LUNEA_WINE_ARCH is
# win64), so their HKLM\Software and HKCR\CLSID are not redirected; en-US
# locale; no prompts for Wine's .NET or HTML engines. $lunea_wine starts a
# program: Debian's wine command always picks the 32-bit loader when it is
# installed, even where it cannot run.
lunea_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
if [ "${LUNEA_WINE_ARCH:-win32}" = win64 ]; then
    export WINEPREFIX="${LUNEA_WINEPREFIX:-$lunea_root/build/windows64/wineprefix}"
    export WINEARCH=win64
    export WINELOADER=/usr/lib/wine/wine64
    lunea_wine=$WINELOADER
else
    export WINEPREFIX="${LUNEA_WINEPREFIX:-$lunea_root/build/windows/wineprefix}"
    export WINEARCH=win32
    lunea_wine=wine
fi
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEDEBUG=-all
export LANG=C.UTF-8
unset lunea_root
