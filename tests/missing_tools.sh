#!/usr/bin/env bash
# Says which tests `make test` skips for a tool that is not installed, and why.
say() { echo "make test: $1 skipped: $2"; }
command -v dot >/dev/null || say "the Graphviz rendering of the trees is" "dot (Debian package graphviz) is not installed"
command -v groff >/dev/null || say "the rendering checks of the manual pages are" "groff is not installed"
command -v dpkg-deb >/dev/null || say "the Debian package check is" "dpkg-deb is not installed"
web=()
command -v emcc >/dev/null || web+=("emcc (Debian package emscripten)")
command -v node >/dev/null || web+=("node")
command -v npm >/dev/null || web+=("npm")
[ "${#web[@]}" -eq 0 ] || say "the page's build and tests are" "${web[*]} not installed"
[ -x /usr/bin/chromium ] || say "the page's browser test is" "chromium (Debian package chromium) is not installed"
exit 0
