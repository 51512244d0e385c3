# Sourced after install-deps.sh: which build the Windows programs run from.
# The deliverables are 32-bit, and so is the Wine that runs them; a kernel
# booted without 32-bit support (ia32_emulation=off) runs neither, and then
# the programs and their tests run from a 64-bit build of the same sources
# under 64-bit Wine.
if /lib/i386-linux-gnu/ld-linux.so.2 --version >/dev/null 2>&1; then
    lunea_windows_preset=windows
else
    lunea_windows_preset=windows64
    export LUNEA_WINE_ARCH=win64
    echo "This kernel runs no 32-bit programs: the Windows programs run from the 64-bit build under 64-bit Wine" >&2
fi
