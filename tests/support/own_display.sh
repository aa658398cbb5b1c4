# Sourced by the scripts that need an X display of their own:
#   start_own_display   starts an Xvfb, exports DISPLAY, sets own_display_pid;
#                       returns 1 when no display could be made.
#   stop_own_display    stops it.
# A display number is only taken once the server there is proven to be ours:
# another server can hold the same number unseen (a private /tmp keeps its
# lock file out of sight, while its abstract socket still answers clients),
# so each attempt gives the screen a width of its own and asks for it back.
own_display_pid=""

start_own_display() {
    local attempt number width
    for attempt in $(seq 20); do
        number=$((2000 + (RANDOM * 32768 + RANDOM) % 30000))
        width=$((1000 + RANDOM % 200))
        [[ -e /tmp/.X11-unix/X$number || -e /tmp/.X$number-lock ]] && continue
        Xvfb ":$number" -screen 0 "${width}x768x24" -nolisten tcp >/dev/null 2>&1 &
        own_display_pid=$!
        for _ in $(seq 100); do
            kill -0 "$own_display_pid" 2>/dev/null || break
            if xwininfo -root -display ":$number" 2>/dev/null | grep -q "Width: $width\$"; then
                export DISPLAY=":$number"
                return 0
            fi
            sleep 0.1
        done
        kill "$own_display_pid" 2>/dev/null
        wait "$own_display_pid" 2>/dev/null
        own_display_pid=""
    done
    return 1
}

stop_own_display() {
    [[ -n "$own_display_pid" ]] || return 0
    kill "$own_display_pid" 2>/dev/null
    wait "$own_display_pid" 2>/dev/null
    own_display_pid=""
}
