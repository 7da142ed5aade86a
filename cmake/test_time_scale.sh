#!/bin/sh
# Runs a test program at the suite's time scale (every platform wait and sleep a
# hundredth as long), unless PLATFORM_TIME_SCALE is set already: then the caller's
# scale wins, so the suite can also run in real time (PLATFORM_TIME_SCALE=1).
: "${PLATFORM_TIME_SCALE:=0.01}"
export PLATFORM_TIME_SCALE
exec "$@"
