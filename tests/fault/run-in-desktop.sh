#!/usr/bin/env bash
# Runs a Wine test program inside a Wine virtual desktop, where showing and hiding windows costs
# no round trip to the X server, and passes only when its XML report says every test passed.
# The desktop's exit status is not the program's, hence the report.
set -euo pipefail
program="$1"
shift
report="$(dirname "$program")/fault-report.xml"
rm -f "$report"
wine explorer /desktop=PyrelixFaults,1600x900 "$program" --gtest_output="xml:$(winepath -w "$report")" "$@"
if [[ ! -s "$report" ]]; then
  echo "no test report: the program did not finish" >&2
  exit 1
fi
if ! grep -q '<testsuites tests="[1-9][0-9]*" failures="0" disabled="[0-9]*" errors="0"' "$report"; then
  grep -o '<testsuites [^>]*>' "$report" >&2 || true
  grep -A3 '<failure' "$report" >&2 || true
  exit 1
fi
