# Sourced by the shell tests: every wait gives up after a bound and says
# what it waited for.
#
#   until_ <what> <command...>   runs the command until it succeeds, for at most 30 s
until_() {
    what=$1 tries=0
    shift
    until "$@"; do
        tries=$((tries + 1)) && [ $tries -lt 300 ] || { fail "waited 30 s for $what"; return 1; }
        sleep 0.1
    done
}
