# Sourced by the package's tests: builds the Debian package of a build tree into a folder, installing
# nothing on this machine, or finds the one built there, and names it in $deb.

# fail MESSAGE: the test's failure, named after the test's script.
fail() {
  echo "$(basename "$0" .sh): $*" >&2
  exit 1
}

# build_package BUILD FOLDER
build_package() {
  local build=$1 folder=$2
  if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$folder/out" >"$folder/cpack.log" 2>&1; then
    cat "$folder/cpack.log" >&2
    fail "cpack failed"
  fi
  built_package "$folder"
}

# built_package FOLDER: the package build_package left there.
built_package() {
  local debs=("$1"/out/*.deb)
  [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package, got: ${debs[*]}"
  deb=${debs[0]}
}
