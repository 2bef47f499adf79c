# Sourced: a system's disk service of our own, in the mount namespace we run
# in (root): a system bus, udevd and udisksd, and card images as loop
# devices. Everything started is stopped by PID. Needs until_ (until.sh) and
# fail.
#
#   disk_service_missing     names a tool that is missing, if any
#   start_disk_service DIR   starts them, with their sockets and logs in DIR, and
#                            a folder of their own where the service mounts cards
#   stop_disk_service        deletes the loop devices of DIR's images, stops them
#   card NAME [CONTENT]      an 8 MiB ext4 image NAME.img, config.txt holding CONTENT
#   insert NAME              sets NAME.img up as a loop device, as a card inserted
udisksd=/usr/libexec/udisks2/udisksd udevd=/lib/systemd/systemd-udevd
disk_service_missing() {
    for tool in "$udisksd" "$udevd" dbus-daemon udisksctl mkfs.ext4 debugfs unshare; do
        command -v "$tool" >/dev/null || { echo "$tool"; return; }
    done
}
start_disk_service() {
    disk_service=$1
    cat >"$disk_service/bus.conf" <<CONF
<busconfig><type>system</type><listen>unix:path=$disk_service/bus</listen><auth>EXTERNAL</auth>
<policy context="default"><allow user="*"/><allow own="*"/><allow send_type="*"/>
<allow receive_type="*"/></policy></busconfig>
CONF
    # What the service mounts goes into a folder of ours, not the machine's,
    # and udevd's records of devices stay ours too.
    for folder in /media /run/media /run/udev; do [ ! -d $folder ] || mount -t tmpfs none $folder; done
    dbus-daemon --config-file="$disk_service/bus.conf" --nofork --nopidfile 2>/dev/null &
    disk_service_pids=$!
    export DBUS_SYSTEM_BUS_ADDRESS="unix:path=$disk_service/bus"
    until_ "the system bus" test -S "$disk_service/bus" || return 1
    "$udevd" 2>/dev/null & disk_service_pids="$disk_service_pids $!"
    "$udisksd" --no-debug >"$disk_service/udisksd.log" 2>&1 & disk_service_pids="$disk_service_pids $!"
    # Its name owned, not only its objects answering.
    until_ "udisksd on the bus" sh -c 'dbus-send --system --print-reply \
        --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        string:org.freedesktop.UDisks2 | grep -q "boolean true"'
}
stop_disk_service() {
    for image in "$disk_service"/*.img; do
        for device in $(losetup -n -O NAME -j "$image"); do
            udisksctl loop-delete --no-user-interaction -b "$device" >/dev/null 2>&1 ||
                losetup -d "$device"
        done
    done
    kill $disk_service_pids 2>/dev/null
}
card() {
    truncate -s 8M "$disk_service/$1.img" && mkfs.ext4 -q -L "$1" "$disk_service/$1.img"
    [ -z "${2:-}" ] || { printf '%s' "$2" >"$disk_service/content" &&
        debugfs -w -R "write $disk_service/content config.txt" "$disk_service/$1.img"; } >/dev/null 2>&1
}
insert() {
    # udisksd answers before its manager does: a refused set-up is tried again.
    until_ "a loop device for $1" sh -c \
        "udisksctl loop-setup --no-user-interaction -f '$disk_service/$1.img' >/dev/null 2>&1"
}
