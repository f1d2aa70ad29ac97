# Sourced by the scripts, with $root set to the source tree: the private Wine
# prefix in the build folder, and Wine without its debug chatter and without
# the prompts for its browser and .NET components.
export WINEPREFIX="${QUORVEX_WINEPREFIX:-$root/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
