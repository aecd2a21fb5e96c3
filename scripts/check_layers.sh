#!/usr/bin/env bash
# Fails when a file includes a header of a layer above its own. The build refuses such includes
# too, since each library publishes only its own folder; this check also names the offending line
# and covers files that a particular build configuration leaves out.
set -euo pipefail
cd "$(dirname "$0")/.."

# What each folder may include besides itself.
declare -A allowed=(
  [ini]=""
  [tuning]=""
  [link]="ini"
  [settings]="link ini"
  [live]="settings link ini"
  [profiles]="settings link ini"
  [journal]="profiles settings link ini"
  [workflows]="tuning journal live profiles settings link ini"
  [publish]="workflows tuning journal live profiles settings link ini"
  [report]="settings link ini"
  [ui]="report workflows tuning journal live profiles settings link ini"
  [app]="ui report workflows tuning journal live profiles settings link ini"
  [sim]="link"
  [cli]="publish workflows tuning journal live profiles settings link ini"
)

status=0
for folder in "${!allowed[@]}"; do
  [ -d "$folder" ] || continue
  while IFS=: read -r file line text; do
    used=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<<"$text")
    [ "$used" = "$folder" ] && continue
    if [[ " ${allowed[$folder]} " != *" $used "* ]]; then
      echo "$file:$line: $folder/ must not include $used/: $text" >&2
      status=1
    fi
  done < <(grep -rn -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]+/' --include='*.h' --include='*.cpp' "$folder" || true)
done
[ $status -eq 0 ] && echo "Layers: every include points down."
exit $status
