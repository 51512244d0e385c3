#!/usr/bin/env bash
# Checks the compiled help against its sources: every file the project lists
# is inside the .chm, and every href/src of the pages, the contents and the
# index names a file of the help folder that the project lists; no picture
# keeps the artwork's see-through magenta.
# Usage: check_help.sh <help folder> <LuneaHelp.chm>
set -uo pipefail
help_dir=$1 chm=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

[ -s "$chm" ] || { echo "FAIL: no compiled help at $chm"; exit 1; }
listed=$(sed -n '/^\[FILES\]/,/^\[/{/^\[/d;/^[[:space:]]*$/d;p}' "$help_dir/LuneaHelp.hhp" | tr -d '\r')
[ -n "$listed" ] || fail "the project lists no files"
inside=$(7z l -slt "$chm" | sed -n 's/^Path = //p') || fail "7z cannot read $chm"

for file in $listed; do
    [ -f "$help_dir/$file" ] || fail "listed but missing in the help folder: $file"
    grep -qxF "$file" <<<"$inside" || fail "not in the compiled help: $file"
done
# The pictures are composed over the page: no see-through magenta is left.
for file in $listed; do
    case $file in *.bmp | *.png) ;; *) continue ;; esac
    magenta=$(convert "$help_dir/$file" -depth 8 txt:- | grep -ci '#FF00FF') || true
    [ "$magenta" -eq 0 ] || fail "$file has $magenta see-through magenta pixels"
done
for page in "$help_dir"/*.html; do
    grep -qxF "$(basename "$page")" <<<"$listed" || fail "page not listed in the project: $(basename "$page")"
done

# Links: href="x", src="x" and the contents' and index's value="x.html".
for source in "$help_dir"/*.html "$help_dir"/*.hhc "$help_dir"/*.hhk; do
    targets=$(grep -oE '(href|src)="[^"]*"|name="Local" value="[^"]*"' "$source" |
              sed -E 's/.*"([^"]*)"$/\1/; s/#.*$//')
    for target in $targets; do
        case $target in http:* | https:* | mailto:* | "") continue ;; esac
        [ -f "$help_dir/$target" ] || fail "$(basename "$source") links to a missing file: $target"
        grep -qxF "$target" <<<"$listed" || fail "$(basename "$source") links to an unlisted file: $target"
    done
done

[ "$failures" -eq 0 ] && echo "help content: $(wc -w <<<"$listed") files, all links resolve"
exit $((failures > 0))
