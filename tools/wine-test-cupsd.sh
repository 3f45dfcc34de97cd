#!/usr/bin/env bash
# A CUPS print server for the Windows printer tests under Wine, with one queue,
# "DrafnovaTest" (the given PPD, printing to /dev/null), as its default.
#   wine-test-cupsd.sh start FOLDER PPD   starts it, listening on FOLDER/cups.sock only
#   wine-test-cupsd.sh stop FOLDER        stops it and removes FOLDER
# Wine finds it through CUPS_SERVER=FOLDER/cups.sock. The server's output goes
# to files, so that nothing holds the test runner's pipes.
set -u
action=$1
folder=$2
case "$action" in
start)
    ppd=$3
    "$0" stop "$folder"
    cupsd=$(command -v cupsd || echo /usr/sbin/cupsd)
    lpadmin=$(command -v lpadmin || echo /usr/sbin/lpadmin)
    [ -x "$cupsd" ] || { echo "cupsd is not installed (Debian package cups-daemon)" >&2; exit 1; }
    [ -x "$lpadmin" ] || { echo "lpadmin is not installed (Debian package cups-client)" >&2; exit 1; }
    mkdir -p "$folder"/{conf/ppd,spool,cache,state,tmp,log}
    cat >"$folder/conf/cups-files.conf" <<CONF
ServerRoot $folder/conf
RequestRoot $folder/spool
CacheDir $folder/cache
StateDir $folder/state
TempDir $folder/tmp
ErrorLog $folder/log/error_log
AccessLog $folder/log/access_log
PageLog $folder/log/page_log
Printcap $folder/state/printcap
SystemGroup $(id -gn)
FileDevice Yes
CONF
    cat >"$folder/conf/cupsd.conf" <<CONF
Listen $folder/cups.sock
Browsing No
BrowseLocalProtocols none
DefaultShared No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
    setsid "$cupsd" -f -c "$folder/conf/cupsd.conf" -s "$folder/conf/cups-files.conf" \
        </dev/null >"$folder/log/cupsd.out" 2>&1 &
    echo $! >"$folder/cupsd.pid"
    for _ in $(seq 1 500); do
        [ -S "$folder/cups.sock" ] && break
        sleep 0.01
    done
    [ -S "$folder/cups.sock" ] || {
        echo "cupsd did not start:" >&2
        cat "$folder/log/cupsd.out" "$folder/log/error_log" >&2 2>/dev/null
        exit 1
    }
    export CUPS_SERVER=$folder/cups.sock
    "$lpadmin" -p DrafnovaTest -v file:/dev/null -P "$ppd" -E 2>"$folder/log/lpadmin.out" &&
        "$lpadmin" -d DrafnovaTest 2>>"$folder/log/lpadmin.out" || {
        cat "$folder/log/lpadmin.out" >&2
        exit 1
    }
    ;;
stop)
    if [ -s "$folder/cupsd.pid" ]; then
        pid=$(cat "$folder/cupsd.pid")
        kill "$pid" 2>/dev/null
        for _ in $(seq 1 500); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.01
        done
    fi
    rm -rf "$folder"
    ;;
*)
    echo "usage: $0 start FOLDER PPD | stop FOLDER" >&2
    exit 2
    ;;
esac
