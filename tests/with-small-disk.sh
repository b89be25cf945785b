#!/bin/sh
# Runs a test with a tiny file system at $TR_SMALL_DISK, mounted in a mount namespace of the
# test's own, so that the test can fill it up. Where no such namespace can be made, the test
# runs without it and skips what needs it.
dir=$(mktemp -d)
trap 'rmdir "$dir"' EXIT
mountThenRun='disk=$1; shift; mount -t tmpfs -o size=64k tmpfs "$disk" && TR_SMALL_DISK=$disk "$@"'
if unshare -rm sh -c 'mount -t tmpfs -o size=64k tmpfs "$1"' sh "$dir" 2>/dev/null; then
    unshare -rm sh -c "$mountThenRun" sh "$dir" "$@"
else
    "$@"
fi
