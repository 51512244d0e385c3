#!/usr/bin/env bash
# Adds (as the default printer) or removes the session's PDF queue on the
# CUPS server in $CUPS_SERVER. The session adds it; a test removes it to see
# the program without a printer and adds it back.
set -euo pipefail
queue=PDF

# lpadmin warns on every driver-based queue; only a failure is worth showing.
quiet() {
    local output
    if ! output=$("$@" 2>&1); then
        echo "$output" >&2
        return 1
    fi
}

case "${1:-}" in
add)
    quiet lpadmin -p "$queue" -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
    quiet lpadmin -d "$queue"
    ;;
remove)
    # Removing a queue cancels its jobs: let those still printing finish.
    for _ in $(seq 100); do
        [ -z "$(lpstat -o "$queue" 2>/dev/null)" ] && break
        sleep 0.1
    done
    quiet lpadmin -x "$queue"
    ;;
*)
    echo "usage: $0 add|remove" >&2
    exit 2
    ;;
esac
