#!/usr/bin/env bash
# Installs a built tree into a prefix as desktop applications, and removes it again.
#
#   dist/install.sh install BUILD_DIR PREFIX
#   dist/install.sh uninstall PREFIX
#
# install runs `cmake --install` and keeps its list of installed files in the prefix
# (share/latexeditors/install_manifest.txt), so that uninstall still works after the
# build directory was cleaned or installed elsewhere. Installing over an earlier
# install removes the files the new one no longer has. Both steps bring the desktop's
# caches of the prefix up to date: the file types (shared-mime-info), the programs per
# file type (desktop-file-utils) and the icon theme.
set -euo pipefail
export LC_ALL=C # one sort order for comparing file lists

MANIFEST_REL=share/latexeditors/install_manifest.txt

die() {
  echo "install: $*" >&2
  exit 1
}

# The absolute path without "..", "." or links, as the manifest will name it.
absolute() {
  realpath -m -- "$1"
}

normalise_prefix() {
  local p
  p=$(absolute "$1")
  [ "$p" != / ] || die "the prefix must not be the root directory"
  printf '%s\n' "$p"
}

# Removes the directory and its parents while they are empty, up to the prefix.
prune_up() {
  local dir=$1 prefix=$2
  while [ "$dir" != "$prefix" ] && [ "${dir#"$prefix"/}" != "$dir" ] && rmdir -- "$dir" 2>/dev/null; do
    dir=$(dirname -- "$dir")
  done
}

# Removes the files named in the list on stdin, each only when it lies inside the
# prefix (a damaged list never reaches elsewhere), and then the directories that
# became empty, up to the prefix itself.
remove_files() {
  local prefix=$1 path dir
  local -a dirs=()
  while IFS= read -r path || [ -n "$path" ]; do
    [ -n "$path" ] || continue
    case "$path" in
      "$prefix"/*) ;;
      *) echo "install: not removing $path: outside $prefix" >&2; continue ;;
    esac
    case "/$path/" in
      */../* | */./*) echo "install: not removing $path: not a plain path" >&2; continue ;;
    esac
    if [ -L "$path" ] || [ -f "$path" ]; then
      rm -f -- "$path"
    fi
    dirs+=("$(dirname -- "$path")")
  done
  for dir in "${dirs[@]}"; do
    prune_up "$dir" "$prefix"
  done
}

# The file-type database: rebuilt from its sources; when no source is left, what the
# tool generated describes nothing and is removed (a stale one would keep the type).
refresh_mime() {
  local mime="$1/share/mime"
  [ -d "$mime" ] || return 0
  if ! command -v update-mime-database >/dev/null; then
    echo "install: update-mime-database not found (Debian: shared-mime-info); the file types in $mime are not up to date" >&2
    return 0
  fi
  if compgen -G "$mime/packages/*.xml" >/dev/null; then
    update-mime-database "$mime" >/dev/null 2>&1 || echo "install: update-mime-database $mime failed" >&2
    return 0
  fi
  mkdir -p "$mime/packages"
  update-mime-database "$mime" >/dev/null 2>&1 || true # empties the type directories
  local f
  for f in XMLnamespaces aliases generic-icons globs globs2 icons magic mime.cache subclasses treemagic types version; do
    rm -f -- "${mime:?}/$f"
  done
  for f in "$mime"/*/; do rmdir -- "$f" 2>/dev/null || true; done
  prune_up "$mime" "$1"
}

# Which program opens which file type: the cache of the applications directory.
refresh_desktop() {
  local apps="$1/share/applications"
  [ -d "$apps" ] || return 0
  if [ -z "$(find "$apps" -name '*.desktop' -print -quit)" ]; then
    rm -f -- "$apps/mimeinfo.cache"
    prune_up "$apps" "$1"
  elif command -v update-desktop-database >/dev/null; then
    update-desktop-database "$apps" >/dev/null 2>&1 || echo "install: update-desktop-database $apps failed" >&2
  fi
}

# The icon theme: a theme with a cache gets a new cache, or a newer directory time,
# which tells the desktop that the cache is out of date.
refresh_icons() {
  local theme="$1/share/icons/hicolor"
  [ -f "$theme/icon-theme.cache" ] || return 0
  if command -v gtk-update-icon-cache >/dev/null; then
    gtk-update-icon-cache -q -t -f "$theme" || touch "$theme"
  else
    touch "$theme"
  fi
}

refresh_caches() {
  refresh_mime "$1"
  refresh_desktop "$1"
  refresh_icons "$1"
}

install_prefix() {
  local build prefix manifest old=""
  build=$(absolute "$1")
  prefix=$(normalise_prefix "$2")
  manifest="$prefix/$MANIFEST_REL"
  [ -f "$build/cmake_install.cmake" ] || die "$build is not a build directory (no cmake_install.cmake): build first"
  if [ -f "$manifest" ]; then
    old=$(cat "$manifest")
  fi
  cmake --install "$build" --prefix "$prefix" >/dev/null
  mkdir -p "$(dirname "$manifest")"
  cp "$build/install_manifest.txt" "$manifest.tmp"
  mv "$manifest.tmp" "$manifest"
  if [ -n "$old" ]; then
    # Files of the earlier install that this one no longer has.
    comm -23 <(printf '%s\n' "$old" | sort -u) <(sort -u "$manifest") | remove_files "$prefix"
  fi
  refresh_caches "$prefix"
  echo "Installed into $prefix:"
  awk '{ print "  " $0 }' "$manifest"
  case ":$PATH:" in
    *":$prefix/bin:"*) ;;
    *) echo "Note: $prefix/bin is not on PATH; the programs are $prefix/bin/scriblet and $prefix/bin/vellumix." ;;
  esac
}

uninstall_prefix() {
  local prefix manifest
  prefix=$(normalise_prefix "$1")
  manifest="$prefix/$MANIFEST_REL"
  [ -f "$manifest" ] || die "nothing to uninstall in $prefix: $manifest does not exist"
  remove_files "$prefix" <"$manifest"
  printf '%s\n' "$manifest" | remove_files "$prefix"
  refresh_caches "$prefix"
  echo "Removed Scriblet and Vellumix from $prefix."
}

cmd=${1:-}
case "$cmd" in
  install)
    [ $# -eq 3 ] || die "usage: $0 install BUILD_DIR PREFIX"
    install_prefix "$2" "$3"
    ;;
  uninstall)
    [ $# -eq 2 ] || die "usage: $0 uninstall PREFIX"
    uninstall_prefix "$2"
    ;;
  *)
    die "usage: $0 install BUILD_DIR PREFIX | uninstall PREFIX"
    ;;
esac
