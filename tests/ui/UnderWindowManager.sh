#!/bin/sh
# Runs a program on a private X server (the first free display) under openbox, and exits with its status.
#   UnderWindowManager.sh PROGRAM [ARGS...]
exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" \
    sh -c 'openbox >/dev/null 2>&1 & "$@"; status=$?; kill $! 2>/dev/null; exit $status' sh "$@"
