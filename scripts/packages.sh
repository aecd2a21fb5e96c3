# Installs the Debian packages a script needs when some are missing: as root directly, otherwise
# through sudo. Safe to run again: nothing happens when everything is there.

ensure_packages() {
  local missing=()
  local package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local run_as_root=()
  if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
      echo "These packages are missing and sudo is not available: ${missing[*]}" >&2
      return 1
    fi
    run_as_root=(sudo)
  fi
  "${run_as_root[@]}" apt-get update -q
  DEBIAN_FRONTEND=noninteractive "${run_as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}

# Generates a locale when it is missing (the tests check that number texts ignore a Russian one).
ensure_locale() {
  local name=$1 language=${1%%.*}
  locale -a 2>/dev/null | grep -qix "${language}.utf8" && return 0
  ensure_packages locales
  local run_as_root=()
  [ "$(id -u)" -ne 0 ] && run_as_root=(sudo)
  "${run_as_root[@]}" localedef -i "$language" -f UTF-8 "$name"
}

# What building the tool needs (the publisher's MQTT client library and its TLS library among it,
# Qt Charts for the measurement history, whose CMake files want Qt's OpenGL ones, which Debian
# 12's qt6-charts-dev does not pull in, and the Linguist tools that build the window's English).
BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev qt6-serialport-dev qt6-charts-dev
  libqt6opengl6-dev libmosquitto-dev libssl-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools)
# What the window needs to look and read right: Liberation fonts for Arial and Times New Roman, and
# Qt's own Russian translations for the standard buttons and dialogs.
RUN_PACKAGES=(fonts-liberation qt6-translations-l10n)
# What the tests need besides: the fonts the window and the report are drawn with, pdftotext
# to read the printed page back, desktop-file-validate for the package's desktop entry, lintian
# for the whole package and systemd-analyze for its service's sandbox, for the publisher a broker
# of their own with its command-line clients, and openssl for its certificates, and strace to kill
# a program at a chosen system call.
TEST_PACKAGES=(libgtest-dev fonts-liberation qt6-translations-l10n poppler-utils desktop-file-utils
  lintian systemd mosquitto mosquitto-clients openssl strace)
