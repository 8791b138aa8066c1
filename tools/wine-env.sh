# Sourced by the Wine scripts: the environment every Wine process of the
# project runs with. ZV_WINEPREFIX selects the prefix (a folder in the build
# tree); the tests' own registry and files live there, never in ~/.wine.
: "${ZV_WINEPREFIX:?ZV_WINEPREFIX must name the private Wine prefix}"
export WINEPREFIX=$ZV_WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
