# SPDX-FileCopyrightText: 2026 The Kletochka developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the scripts that build for Windows share: root for apt-get, the packages,
# the cache, and the Debian source of a library. Sourced, never run.

say() { echo "${say_as:-windows}: $*" >&2; }

sudo=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    sudo=(false)
  else
    sudo=(sudo)
  fi
fi
as_root() {
  if [ "${sudo[0]:-}" = false ]; then
    say "this needs root, and there is no sudo here. Run as root (su -): $*"
    exit 1
  fi
  "${sudo[@]}" "$@"
}

# Installs the Debian packages given that are missing.
need_packages() {
  local missing=() p
  for p in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q '^install ok installed$'; then
      missing+=("$p")
    fi
  done
  if [ ${#missing[@]} -gt 0 ]; then
    say "installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    as_root apt-get update -qq >&2
    as_root apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

# Everything built for Windows once and kept outside the clone.
windows_cache="${KLETOCHKA_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/kletochka}"

# A deb-src entry beside the deb one that the installed binary package came from,
# signed by the same key, so that `apt-get source` finds the same version.
add_source_entry_for() {
  local binary=$1 origin uri suite_component suite component keyring entry
  origin=$(apt-cache policy "$binary" | awk '
    $1 == "***" { mine = 1; next }
    mine && NF == 2 && $2 ~ /^-?[0-9]+$/ { exit }
    mine && $2 ~ /^[a-z+]+:\/\// { print $2, $3; exit }')
  if [ -z "$origin" ]; then
    say "cannot tell which apt source $binary came from; add a deb-src entry for it"
    exit 1
  fi
  uri=${origin% *}
  suite_component=${origin#* }
  suite=${suite_component%%/*}
  component=${suite_component#*/}
  keyring=$(awk -v uri="$uri" '
    FNR == 1 || /^$/ { if (hit && key != "") { print key; exit } hit = 0; key = "" }
    /^URIs:/ { for (i = 2; i <= NF; i++) if ($i == uri || $i == uri "/") hit = 1 }
    /^Signed-By:/ { key = $2 }
    END { if (hit && key != "") print key }' /dev/null /etc/apt/sources.list.d/*.sources 2>/dev/null | head -n1 || true)
  if [ -z "$keyring" ]; then
    keyring=$(grep -hE "^deb .*signed-by=[^] ]+.* ${uri}/? " /etc/apt/sources.list /etc/apt/sources.list.d/*.list 2>/dev/null |
      sed -E 's/.*signed-by=([^] ]+).*/\1/' | head -n1 || true)
  fi
  entry="deb-src ${keyring:+[signed-by=$keyring] }$uri $suite $component"
  say "adding the apt source entry: $entry"
  echo "$entry" | as_root tee /etc/apt/sources.list.d/kletochka-source.list >/dev/null
  as_root apt-get update -qq >&2
}

# Unpacks the Debian source of package $1 at version $2 (that of binary $3) into
# the cache once, and prints its folder.
debian_source() {
  local package=$1 version=$2 binary=$3 dir unpacked
  dir="$windows_cache/src/$package-$version"
  if [ ! -f "$dir/.unpacked" ]; then
    if ! apt-cache showsrc "$package" 2>/dev/null | grep -qxF "Version: $version"; then
      add_source_entry_for "$binary"
    fi
    say "fetching the source of $package $version"
    rm -rf "$dir" "$dir.fetch"
    mkdir -p "$dir.fetch"
    (cd "$dir.fetch" && apt-get source -q "$package=$version" >&2)
    unpacked=$(find "$dir.fetch" -mindepth 1 -maxdepth 1 -type d -name "$package-*" | head -n1)
    mv "$unpacked" "$dir"
    rm -rf "$dir.fetch"
    touch "$dir/.unpacked"
  fi
  echo "$dir"
}
