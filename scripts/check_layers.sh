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
  [operator]="link ini"
  [settings]="operator link ini"
  [live]="settings operator link ini"
  [history]="live settings operator link ini"
  [profiles]="settings operator link ini"
  [journal]="profiles settings operator link ini"
  [workflows]="tuning journal live profiles settings operator link ini"
  [publish]="workflows tuning journal live profiles settings operator link ini"
  [report]="settings operator link ini"
  [ui]="report workflows tuning journal history live profiles settings operator link ini"
  [app]="ui report workflows tuning journal history live profiles settings operator link ini"
  [sim]="link"
  [cli]="publish workflows tuning journal live profiles settings operator link ini"
  [packaging]="cli sim publish workflows tuning journal live profiles settings operator link ini"
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

# The link tells nobody anything: it returns results, and its callers report them through the
# operator's layer above it. Not even a declaration of those seams may creep back into it.
operator_seams='\b(OperatorDialogs|DialogMessage|DialogIcon|ShowMessage|ProgressPanel|ProgressLines|Progress|CancelLatch|ResultMessage|ReportResult)\b'
if grep -rn -E "$operator_seams" --include='*.h' --include='*.cpp' link >&2; then
  echo "link/ must not name the operator's dialogs, progress or result boxes (see above)" >&2
  status=1
fi
[ $status -eq 0 ] && echo "Layers: every include points down, and the link speaks to nobody."
exit $status
