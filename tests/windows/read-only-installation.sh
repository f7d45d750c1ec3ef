#!/bin/sh
# read-only-installation.sh EMULATOR TESTS DEMO WORK: runs the whole window test suite with a
# copy of the demo installation whose files and folders are read-only, then checks that no file
# of it (the save folder included) changed, appeared or went away.
set -u
emulator=$1 tests=$2 demo=$3 work=$4
game="$work/game"

snapshot() {
    (cd "$game" && find . -type f -exec sha256sum {} + | sort -k2 && find . | sort)
}

[ -d "$work" ] && chmod -R u+w "$work"
rm -rf "$work"
mkdir -p "$work"
cp -r "$demo" "$game" || exit 1
snapshot >"$work/before"
chmod -R a-w "$game"

TALLOWMARK_TEST_GAME="Z:$(printf '%s' "$game" | tr / '\\')" "$emulator" "$tests" --gtest_brief=1
status=$?

snapshot >"$work/after"
chmod -R u+w "$game"
if ! diff "$work/before" "$work/after"; then
    echo "the installation changed while the window tests ran on it"
    exit 1
fi
exit $status
