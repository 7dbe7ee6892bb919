#!/usr/bin/env bash
# Every start-up failure ends the game with status 1 and exactly its message on stderr.
source "$(dirname "$0")/lib.sh" "$@"

expect_failure "missing config.txt" "Config file not found."

write_config 'fullscreen=no\nwidth=640\nheight=480\nrefresh_rate=60\n'
expect_failure "missing cursor key (after the window opened)" "Config key 'cursor' not found."

write_config 'fullscreen=no\nheight=480\nrefresh_rate=60\ncursor=yes\n'
expect_failure "missing width key" "Config key 'width' not found."

write_config 'fullscreen=true\nwidth=640\nheight=480\nrefresh_rate=60\ncursor=yes\n'
expect_failure "non-boolean fullscreen" "Config entry 'fullscreen' is not a boolean value."

write_config 'fullscreen=no\nwidth=640\nheight=480\nrefresh_rate=60\ncursor=Yes\n'
expect_failure "non-boolean cursor" "Config entry 'cursor' is not a boolean value."

write_config 'fullscreen=no\nwidth=0\nheight=480\nrefresh_rate=60\ncursor=yes\n'
expect_failure "zero width" "Failed creating a window."

write_config 'fullscreen=no\nwidth=640\nheight=-5\nrefresh_rate=60\ncursor=yes\n'
expect_failure "negative height" "Failed creating a window."

write_config "$good_config"
saved_display=$DISPLAY
unset DISPLAY
expect_failure "no display" "Failed initializing GLFW."
export DISPLAY=$saved_display

finish
