# Sourced by the scripts, with $root set to the source tree: the private Wine
# prefix in the build folder, and Wine without its debug chatter and without
# the prompts for its browser and .NET components. has_wine32: whether 32-bit
# Wine, which runs the 32-bit product, is installed (setup-deps.sh tries).
export WINEPREFIX="${QUORVEX_WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
has_wine32() { [ -x /usr/lib/wine/wine ]; }
