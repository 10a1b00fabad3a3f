# The release files, made so that the same sources give the same bytes
# whoever builds them, wherever and whenever. Sourced by scripts/package and
# by the test that makes each twice.
#
# Every time stamp inside them is the last commit's (SOURCE_DATE_EPOCH, as
# Debian's tools read it, unless it is set already); names are in a fixed
# order; modes do not depend on the umask.

release_epoch() {
  if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH=$(git -C "$(dirname "${BASH_SOURCE[0]}")" log -1 --format=%ct) ||
      { echo "release: no commit to date the release files by (set SOURCE_DATE_EPOCH)" >&2; return 1; }
  fi
  export SOURCE_DATE_EPOCH
}

# in_release_environment COMMAND...: runs COMMAND (a build) without what the
# environment would give a fresh configuration: compilers, flags, a build type.
in_release_environment() { (unset CC CXX CFLAGS CXXFLAGS CPPFLAGS LDFLAGS CMAKE_BUILD_TYPE && "$@"); }

# A release build's configuration, after the arguments given (which may add
# warnings): made afresh, so that what the folder's cache held does not count,
# the sanitizers off; the build type is the build's own default.
RELEASE_CONFIGURATION=(--fresh -DQUORVEL_TSAN=OFF -DQUORVEL_ASAN=OFF)

# release_build FOLDER [CMAKE_ARGUMENT...]: the demo and the tools of this
# checkout, configured for the release and built in FOLDER.
release_build() {
  local folder=$1
  shift
  in_release_environment cmake -S "$(dirname "${BASH_SOURCE[0]}")/.." -B "$folder" "$@" \
    "${RELEASE_CONFIGURATION[@]}" -DQUORVEL_TESTS=OFF -DQUORVEL_BENCH=OFF >/dev/null &&
    in_release_environment cmake --build "$folder" -j"$(nproc)"
}

# make_deb BUILD_DIR OUT_DIR: the Debian package of the build, by cpack.
# (cpack makes the package's folders, and its members, as the umask says.)
make_deb() {
  local staging
  staging=$(mktemp -d)
  (cd "$1" && umask 0022 && cpack -G DEB -B "$staging" >/dev/null) || { rm -rf "$staging"; return 1; }
  mv "$staging"/*.deb "$2"/
  rm -rf "$staging"
}

# make_windows_zip EXE README OUT.zip: the stripped EXE and the README as
# quorvel.exe and README.txt. strip writes the time into the PE header unless
# told one: 0, no time stamp, as the build's own link leaves it.
make_windows_zip() {
  local staging out
  staging=$(mktemp -d)
  out=$(realpath "$3")
  SOURCE_DATE_EPOCH=0 i686-w64-mingw32-strip -o "$staging/quorvel.exe" "$1" &&
    cp "$2" "$staging/README.txt" &&
    zip_files "$out" "$staging" quorvel.exe README.txt
  local status=$?
  rm -rf "$staging"
  return $status
}

# make_web_zip BUILD_WEB README OUT.zip: the page and the program
# (index.html, quorvel.js, quorvel.wasm, as scripts/build-web leaves them in
# BUILD_WEB) and the README as README.txt; none of them executable.
make_web_zip() {
  local staging out
  staging=$(mktemp -d)
  out=$(realpath "$3")
  cp "$1/index.html" "$1/quorvel.js" "$1/quorvel.wasm" "$staging"/ &&
    cp "$2" "$staging/README.txt" &&
    chmod 0644 "$staging"/* &&
    zip_files "$out" "$staging" index.html quorvel.js quorvel.wasm README.txt
  local status=$?
  rm -rf "$staging"
  return $status
}

# zip_files OUT.zip FOLDER NAME...: the named files of FOLDER, in this order,
# dated SOURCE_DATE_EPOCH (zip keeps local times: the zone is fixed too),
# readable by all, executable where they were.
zip_files() {
  local out=$1 folder=$2 name
  shift 2
  for name; do
    if [ -x "$folder/$name" ]; then chmod 0755 "$folder/$name"; else chmod 0644 "$folder/$name"; fi
    touch -d "@$SOURCE_DATE_EPOCH" "$folder/$name"
  done
  rm -f "$out"
  (cd "$folder" && TZ=UTC zip -q -X -D "$out" "$@")
}
