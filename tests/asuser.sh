# Sourced by the shell tests.
# as_user <command...>: the command as nobody when we are root, else as we are,
# so that the system's refusals (unwritable folders) hold.
as_user() {
    if [ "$(id -u)" -eq 0 ]; then
        setpriv --reuid=65534 --regid=65534 --clear-groups "$@"
    else
        "$@"
    fi
}
