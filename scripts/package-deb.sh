#!/usr/bin/env bash
# Builds the Debian package tavilo_<version>_<arch>.deb into build-deb/ (or $TAVILO_DEB_BUILD_DIR)
# and checks it: the desktop entry and the AppStream file validate, the package unpacked into a
# scratch root runs its own tavilo-cli on its own dictionary (no TAVILO_DATA, no source tree),
# the generated bash completion completes, and lintian reports no error.
# Needs, beyond scripts/setup-debian.sh: dpkg-dev file lintian appstream desktop-file-utils
# bash-completion pkg-config.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${TAVILO_DEB_BUILD_DIR:-build-deb}"

# Debian's hardening flags, as a Debian build would pass them (CMake reads no CPPFLAGS). They
# apply when the build folder is configured for the first time.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
eval "$(dpkg-buildflags --export=sh)"
export CXXFLAGS="$CXXFLAGS $CPPFLAGS"
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr \
  -DTAVILO_BUILD_TESTS=OFF > /dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/tavilo_*.deb
(cd "$build" && cpack -G DEB > /dev/null)
deb="$build/tavilo_$(sed -n 's/^project(Tavilo VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "no package $deb" >&2; exit 1; }
echo "$deb"

desktop-file-validate packaging/org.tavilo.Tavilo.desktop
appstreamcli validate --no-net "$build/packaging/org.tavilo.Tavilo.metainfo.xml"

root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
cli="$root/usr/bin/tavilo-cli"
run() { (cd "$root" && env -u TAVILO_DATA "$cli" "$@"); }
run info | grep -qx "Dossier des donn.es : $root/usr/share/tavilo" ||
  { echo "the unpacked tavilo-cli does not read its own dictionary:" >&2; run info >&2; exit 1; }
run mot chat | grep -qx "Mot : chat"
run rimes age --syllabes 1 | grep -qw "cage"
echo "the unpacked tavilo-cli reads $root/usr/share/tavilo: mot chat, rimes age OK"

# The completion proposes the commands, a command's option values and the listing names.
completion="$root/usr/share/bash-completion/completions/tavilo-cli"
bash -c '
  source /usr/share/bash-completion/bash_completion; source "$1"
  complete_words() { COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}
    COMPREPLY=(); _tavilo_cli tavilo-cli "${COMP_WORDS[-1]}" "${COMP_WORDS[-2]}"; echo "${COMPREPLY[*]}"; }
  [ "$(complete_words tavilo-cli rim)" = "rimes rimes-mot" ] &&
  [ "$(complete_words tavilo-cli phr)" = phrase ] &&
  [ "$(complete_words tavilo-cli rimes age --domaine adj)" = adjectifs ] &&
  [ "$(complete_words tavilo-cli liste oka)" = okapi ]
' _ "$completion" || { echo "the bash completion does not complete" >&2; exit 1; }

# Every command of the program, and every option its --help names, is in the manual page and the
# completion.
manual="$(zcat "$root/usr/share/man/man1/tavilo-cli.1.gz")"
for command in $(run --help | sed -n '/^Commandes/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p'); do
  # groff writes a hyphen as \- (rimes\-mot).
  grep -qxF ".SS ${command//-/\\-}" <<< "$manual" || { echo "$command is missing from tavilo-cli(1)" >&2; exit 1; }
  offered="$(sed -n "/^    $command)/,/^      ;;\$/p" "$completion" | grep "compgen -W '--help")"
  for option in $(run "$command" --help | grep -o -- '--[a-z][a-z0-9-]*' | sort -u); do
    grep -q -- "[' ]$option[' ]" <<< "$offered" ||
      { echo "the completion of $command lacks $option" >&2; exit 1; }
  done
done
echo "manual page and completion: every command and option"

lintian --fail-on error --suppress-tags-from-file /dev/null "$deb"
