#!/usr/bin/env bash
# systemd-analyze security scores the unit given (a template, checked as an instance of it) below
# the exposure given, offline: no systemd needs to run here.
set -euo pipefail
unit=$1 limit=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
instance="$work/$(basename "$unit" | sed 's/@\./@line1./')"
cp "$unit" "$instance"
report=$(cd "$work" && systemd-analyze security --offline=yes --no-pager "$(basename "$instance")" 2>&1)
score=$(sed -n 's/.*Overall exposure level for .*: \([0-9.]*\) .*/\1/p' <<<"$report")
if [ -z "$score" ] || ! awk -v score="$score" -v limit="$limit" 'BEGIN { exit !(score < limit) }'; then
  echo "$report" >&2
  echo "service_exposure_test: $(basename "$unit") is exposed ${score:-(no score)}, not below $limit" >&2
  exit 1
fi
