# Sourced: start_print_server starts a CUPS server of the session's own with
# one PDF queue, the default printer; stop_print_server ends it. A private
# server, not the system's, so removing the queue for a test or ending the
# server never reaches another session or a spooler someone else uses.
# Exports for the tests:
#   CUPS_SERVER           the server's socket (libcups, and so Wine, use it)
#   LUNEA_PRINTED_FOLDER  where CUPS-PDF writes the jobs: the PDF folder in the
#                         home directory of the user who prints (its "Out"
#                         setting, ${HOME}/PDF; root's jobs too, not anonymous)
#   LUNEA_PRINT_QUEUE     the script that adds or removes the queue

lunea_print_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
lunea_cups_pid=""
lunea_cups_dir=""

print_server_answers() {
    [ "$(LC_ALL=C lpstat -r 2>/dev/null)" = "scheduler is running" ]
}

start_print_server() {
    if [ -n "$lunea_cups_pid" ] && kill -0 "$lunea_cups_pid" 2>/dev/null; then
        return 0
    fi
    # Not in the build folder: the filters run as the user lp, who must reach
    # the spool, and a clone may sit in a home directory only root can enter.
    lunea_cups_dir=$(mktemp -d /tmp/lunea-cups.XXXXXX)
    chmod 755 "$lunea_cups_dir"
    local dir=$lunea_cups_dir
    mkdir -p "$dir/conf" "$dir/spool/tmp" "$dir/state" "$dir/cache" "$dir/log"
    cat > "$dir/conf/cups-files.conf" <<CONF
ServerRoot $dir/conf
RequestRoot $dir/spool
TempDir $dir/spool/tmp
StateDir $dir/state
CacheDir $dir/cache
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
Printcap $dir/printcap
SystemGroup root
CONF
    cat > "$dir/conf/cupsd.conf" <<CONF
Listen $dir/cups.sock
Browsing No
WebInterface No
LogLevel info
<Location />
  Order allow,deny
  Allow localhost
</Location>
CONF
    # In the foreground (-f) so its id is the one to end; detached from every
    # pipe, like Wine's processes.
    setsid cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" \
        </dev/null >"$dir/log/cupsd.out" 2>&1 &
    lunea_cups_pid=$!
    export CUPS_SERVER="$dir/cups.sock"
    # lpstat -r exits 0 whether or not the scheduler answers; only its text
    # tells. A loaded machine may take seconds to start it.
    local _
    for _ in $(seq 300); do
        print_server_answers && break
        sleep 0.1
    done
    if ! print_server_answers; then
        echo "the session's CUPS server did not start; see $dir/log" >&2
        return 1
    fi
    export LUNEA_PRINTED_FOLDER
    LUNEA_PRINTED_FOLDER="$(getent passwd "$(id -un)" | cut -d: -f6)/PDF"
    export LUNEA_PRINT_QUEUE="$lunea_print_scripts/print-queue.sh"
    bash "$LUNEA_PRINT_QUEUE" add
}

stop_print_server() {
    if [ -n "$lunea_cups_pid" ]; then
        kill "$lunea_cups_pid" 2>/dev/null || true
        wait "$lunea_cups_pid" 2>/dev/null || true
        lunea_cups_pid=""
    fi
    if [ -n "$lunea_cups_dir" ]; then
        rm -rf "$lunea_cups_dir"
        lunea_cups_dir=""
    fi
    unset CUPS_SERVER LUNEA_PRINTED_FOLDER LUNEA_PRINT_QUEUE
}
