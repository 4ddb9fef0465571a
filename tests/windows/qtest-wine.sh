#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A Qt test under Wine writes nothing to ctest's pipe (Wine 10, MinGW Qt 6.8): its log goes to a
# file, and the file to ctest.  usage: qtest-wine.sh TEST.exe [ARGUMENTS]
log=$(mktemp)
wine "$@" -o "$(winepath -w "$log"),txt"
rc=$?
cat "$log"
rm -f "$log"
exit $rc
