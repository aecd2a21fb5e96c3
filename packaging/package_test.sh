#!/usr/bin/env bash
# Takes the Debian package that package_build.sh left in the folder given, and checks what a user
# would get: the programs and the launcher in /usr/bin and nothing astray, the desktop entry with
# its icon, the manual pages and the bash completion, the dependencies, zorkan-cli telling the
# package's version, a launcher that starts the window in a folder of the user's own, and the
# publisher's service template.
set -euo pipefail
source "$(dirname "$0")/built_package.sh"
built_package "$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

expected="./usr/bin/zorkan-cli
./usr/bin/zorkan-config
./usr/bin/zorkan-config-start
./usr/bin/zorkan-sim
./usr/lib/systemd/system/zorkan-publish@.service
./usr/share/applications/zorkan-config.desktop
./usr/share/bash-completion/completions/zorkan-cli
./usr/share/doc/zorkan-config/changelog.gz
./usr/share/doc/zorkan-config/copyright
./usr/share/icons/hicolor/scalable/apps/zorkan-config.svg
./usr/share/man/man1/zorkan-cli.1.gz
./usr/share/man/man1/zorkan-config-start.1.gz
./usr/share/man/man1/zorkan-config.1.gz
./usr/share/man/man1/zorkan-sim.1.gz"
contents=$(dpkg-deb --contents "$deb")
files=$(awk '$1 !~ /^d/ {print $6}' <<<"$contents" | sort)
[ "$files" = "$expected" ] || fail "files differ from what is expected:
$(diff <(echo "$expected") <(echo "$files"))"
for program in zorkan-cli zorkan-config zorkan-config-start zorkan-sim; do
  grep -q "^-rwxr-xr-x .* ./usr/bin/$program\$" <<<"$contents" || fail "$program is not executable"
done

depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt6widgets6 libqt6printsupport6 libqt6serialport6 libqt6charts6 fonts-liberation \
  qt6-translations-l10n libmosquitto1; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done

dpkg-deb --extract "$deb" "$work/root"
version=$(dpkg-deb --field "$deb" Version)
told=$("$work/root/usr/bin/zorkan-cli" --version) || fail "zorkan-cli --version failed"
[ "$told" = "zorkan-cli $version" ] || fail "zorkan-cli --version tells $told, the package is $version"
man="$work/root/usr/share/man/man1"
for page in zorkan-cli zorkan-config zorkan-sim; do
  zcat "$man/$page.1.gz" | grep -q "^\.TH .* \"zorkan\\\\-config $version\"" ||
    fail "the manual page of $page does not tell version $version"
done
[ "$(readlink "$man/zorkan-config-start.1.gz")" = zorkan-config.1.gz ] ||
  fail "zorkan-config-start has no manual page"
# Every command and option of zorkan-cli's help is in its page; the help is the table's.
cli_page=$(zcat "$man/zorkan-cli.1.gz")
for word in $("$work/root/usr/bin/zorkan-cli" --help | grep -oE -- '--[a-z-]+|^  [a-z]+' | sort -u); do
  grep -qF -- "${word//-/\\-}" <<<"$cli_page" || fail "the manual page of zorkan-cli lacks $word"
done

# The completion offers the commands, a subcommand, each command's own options and the values the
# tables know.
completion="$work/root/usr/share/bash-completion/completions/zorkan-cli"
completed() {
  bash -c 'source "$1"; shift; COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); _zorkan_cli
           printf "%s\n" "${COMPREPLY[@]}"' completing "$completion" zorkan-cli "$@"
}
[ "$(completed jo)" = journal ] || fail "the completion of jo is $(completed jo)"
[ "$(cd "$work" && completed journal di)" = diff ] || fail "no subcommand diff of journal"
[[ $'\n'$(completed live --) == *$'\n'--json$'\n'*--port* ]] || fail "live's options lack --json"
[[ $(completed live --y) == "" ]] || fail "live offers $(completed live --y)"
[[ $(completed scan --baud "") == *all* ]] || fail "scan's --baud lacks all"
entry="$work/root/usr/share/applications/zorkan-config.desktop"
if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate "$entry" || fail "the desktop entry does not validate"
fi
for line in "Name=Настройка ЗОРКАН 74X" "Exec=zorkan-config-start" "Icon=zorkan-config"; do
  grep -qxF "$line" "$entry" || fail "the desktop entry lacks $line"
done

# The launcher starts the program beside it in a folder under the user's data folder, made on the
# first start: a stand-in program notes where it was started.
bin="$work/root/usr/bin"
printf '#!/bin/sh\npwd >"$HOME/started-in"\n' >"$bin/zorkan-config"
mkdir "$work/home"
(cd / && env -u XDG_DATA_HOME HOME="$work/home" "$bin/zorkan-config-start")
[ "$(cat "$work/home/started-in")" = "$work/home/.local/share/zorkan-config" ] ||
  fail "the window started in $(cat "$work/home/started-in")"
(cd / && HOME="$work/home" XDG_DATA_HOME="$work/data" "$bin/zorkan-config-start")
[ "$(cat "$work/home/started-in")" = "$work/data/zorkan-config" ] ||
  fail "the window started in $(cat "$work/home/started-in"), not under XDG_DATA_HOME"

# The service template: each instance takes its options and its broker login from /etc/zorkan/,
# runs the publisher, and is restarted only after a failure (SIGTERM ends it cleanly).
unit="$work/root/usr/lib/systemd/system/zorkan-publish@.service"
for line in "EnvironmentFile=/etc/zorkan/publish-%i.conf" \
  "LoadCredential=broker-login:/etc/zorkan/publish-%i.login" \
  'ExecStart=/usr/bin/zorkan-cli publish --password-file ${CREDENTIALS_DIRECTORY}/broker-login $OPTIONS' \
  "Restart=on-failure" "SupplementaryGroups=dialout"; do
  grep -qxF "$line" "$unit" || fail "the publisher's unit lacks $line"
done
if command -v systemd-analyze >/dev/null; then
  # Checked as an instance, with the programs where the package puts them.
  cp "$unit" "$work/zorkan-publish@line1.service"
  problems=$(systemd-analyze verify --man=no "$work/zorkan-publish@line1.service" 2>&1 |
    grep -v "/usr/bin/zorkan-cli is not executable" || true)
  [ -z "$problems" ] || fail "the publisher's unit does not verify: $problems"
fi
