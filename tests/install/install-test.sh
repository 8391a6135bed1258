#!/usr/bin/env bash
# Installs this build as a package would (prefix /usr) into a staging folder and checks what a
# desktop and a shell find there: exactly the expected files, programs that run from there,
# a valid desktop entry and metainfo, and a manual page and a completion that know every
# command and option the program's usage names.
# Arguments: CMAKE BUILD_DIR STAGE_DIR VERSION SAMPLE_DATA_FILE
set -euo pipefail
cmake=$1 build=$2 stage=$3 version=$4 sample=$5
id=de.kostenkoch.Kostenkoch
failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

rm -rf "$stage"
DESTDIR=$stage "$cmake" --install "$build" --prefix /usr >/dev/null
root=$stage/usr

# Nothing more (no libraries, headers or test programs) and nothing less.
expected=$(printf './usr/%s\n' bin/kostenkoch bin/kostenkoch-cli \
    share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
    share/bash-completion/completions/kostenkoch-cli share/kostenkoch/KostenkochHelp.html \
    share/man/man1/kostenkoch-cli.1.gz share/icons/hicolor/scalable/apps/$id.svg \
    share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/$id.png | sort)
installed=$(cd "$stage" && find . -type f -o -type l | sort)
diff <(echo "$expected") <(echo "$installed") || fail "installed files differ (< expected, > installed)"

# The programs, run from where they were installed.
cli=$root/bin/kostenkoch-cli
[ "$("$cli" --version)" = "kostenkoch-cli $version" ] || fail "kostenkoch-cli --version"
report=$("$cli" check "$sample") || fail "kostenkoch-cli check exits with $?"
# The sample holds two recipes and reads without complaint.
grep -q '"readResult": *0' <<<"$report" && grep -q '"recipes": *2' <<<"$report" ||
    fail "kostenkoch-cli check printed: $report"

# The desktop entry and the metainfo, and what they name.
desktop=$root/share/applications/$id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
exec_line=$(sed -n 's/^Exec=//p' "$desktop")
[ -x "$root/bin/${exec_line%% *}" ] || fail "Exec=$exec_line is not an installed program"
icon=$(sed -n 's/^Icon=//p' "$desktop")
[ -f "$root/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "Icon=$icon has no scalable icon"
grep -q '^Comment\[de\]=' "$desktop" || fail "the desktop entry has no German comment"

# Every command and option of the usage, in the manual page and in the completion.
usage=$("$cli" --help)
commands=$(sed -n '/^Commands:/,/^$/s/^  \([a-z]\+\) .*/\1/p' <<<"$usage")
# Whole option names, hyphens inside included; --help-all is a hidden alias of --help.
options=$(grep -o -- '--[a-z][a-z-]*[a-z]' <<<"$usage" | grep -v -x -- '--help-all' | sort -u)
[ "$(wc -w <<<"$commands")" -ge 7 ] || fail "too few commands read from the usage: $commands"

manual=$(gzip -dc "$root/share/man/man1/kostenkoch-cli.1.gz")
[[ $manual == *"Kostenkoch $version"* ]] || fail "the manual page does not name version $version"
plain=$(sed 's/\\-/-/g; s/\\f[BIRP]//g' <<<"$manual")
for word in $commands $options; do
    grep -q -w -- "$word" <<<"$plain" || fail "the manual page lacks $word"
done
if command -v groff >/dev/null; then
    warnings=$(groff -man -ww -z <<<"$manual" 2>&1)
    [ -z "$warnings" ] || fail "groff: $warnings"
fi

offered=$(bash -c '
    source "$1"
    complete -p kostenkoch-cli >/dev/null || exit 1
    offer() { COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _kostenkoch_cli; printf "%s\n" "${COMPREPLY[@]}"; }
    offer kostenkoch-cli ""
    for command in ingredients recipes sales book evaluate import; do offer kostenkoch-cli "$command" FILE -; done
' _ "$root/share/bash-completion/completions/kostenkoch-cli") || fail "the completion does not load"
for word in $commands $options; do
    grep -q -x -- "$word" <<<"$offered" || fail "the completion does not offer $word"
done

[ "$failures" -eq 0 ] && echo "installed tree checked: $(wc -l <<<"$installed") files"
exit "$failures"
