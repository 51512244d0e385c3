#!/usr/bin/env bash
# The folders are layers: a file includes headers of its own folder and of
# lower layers only. Prints every include that reaches up or sideways into a
# folder it may not use, and fails when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

# Each folder with its rank; a folder may include its own rank and below.
# Folders of one rank (the middle row) may include each other, as listed in
# `peers`, only in the direction given there, so they never form a loop.
declare -A rank=(
    [common]=0
    [components/canvas]=1 [components/art]=2 [components/chart]=3
    [components/printing]=3 [components/controls]=3
    [journal]=4 [settings]=5
    [users]=6 [dialogs]=6 [reports]=6 [provider]=6
    [app]=7
)
peers=" dialogs>users components/printing>components/controls "

# The folder of a path: its longest leading part that has a rank.
folder_of() {
    local dir=${1%/*}
    folder=""
    while [[ $dir == */* || -n ${rank[$dir]+set} ]]; do
        [ -n "${rank[$dir]+set}" ] && { folder=$dir; return; }
        dir=${dir%/*}
    done
}

status=0
while IFS=: read -r file _ header; do
    header=${header#*\"}
    header=${header%\"*}
    folder_of "$file"
    from=$folder
    folder_of "$header"
    to=$folder
    [ -n "$from" ] && [ -n "$to" ] && [ "$from" != "$to" ] || continue
    if [ "${rank[$to]}" -lt "${rank[$from]}" ]; then
        continue
    fi
    if [ "${rank[$to]}" -eq "${rank[$from]}" ] && [[ $peers == *" $from>$to "* ]]; then
        continue
    fi
    echo "$file includes $header: $to is not below $from" >&2
    status=1
done < <(git grep -n '^#include "' -- '*.cpp' '*.h' ':!tests' ':!bench')
exit $status
