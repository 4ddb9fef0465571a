# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the scripts that work inside a Debian 13 (trixie) root: where it lives, how it is
# made once from the package mirror apt already uses, and how a command runs inside it.
#   NOVARO_TRIXIE_ROOT   where the root lives (default /var/cache/novaro-trixie)
R=${NOVARO_TRIXIE_ROOT:-/var/cache/novaro-trixie}

mirror() {   # first URI in the host's apt sources ending in /$1
  local f
  for f in /etc/apt/sources.list.d/*.sources /etc/apt/sources.list.d/*.list /etc/apt/sources.list; do
    [ -f "$f" ] && grep -h -o -E "https?://[^ ]*/$1/?( |$)" "$f" | tr -d ' ' || true
  done | sed -n 1p
}

make_root() {
  # Two scripts may want the root at once (CI starts the Windows Qt beside the Linux suites):
  # the second waits for the first one's root instead of starting over under it.
  exec 8>"$R.lock"
  flock 8
  if [ -x "$R/bin/bash" ]; then exec 8>&-; return; fi
  command -v debootstrap >/dev/null ||
    flock /var/lib/apt/novaro-apt.lock sh -c \
      'apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap' 
  local main sec
  main=$(mirror debian); sec=$(mirror debian-security)
  [ -n "$main" ] || { echo "no Debian mirror in the apt sources" >&2; exit 1; }
  rm -rf "$R.part"; mkdir -p "$R.part"
  debootstrap --variant=minbase --keyring=/usr/share/keyrings/debian-archive-keyring.gpg \
    trixie "$R.part" "$main"
  rm -f "$R.part/etc/apt/sources.list"
  { printf 'Types: deb\nURIs: %s\nSuites: trixie trixie-updates\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' "$main"
    [ -z "$sec" ] || printf '\nTypes: deb\nURIs: %s\nSuites: trixie-security\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' "$sec"
  } > "$R.part/etc/apt/sources.list.d/debian.sources"
  # A throwaway root: dpkg need not sync every file it unpacks.
  echo force-unsafe-io > "$R.part/etc/dpkg/dpkg.cfg.d/novaro-unsafe-io"
  # Only a finished root takes the real name: an interrupted debootstrap is started over.
  mv "$R.part" "$R"
  exec 8>&-
}

inside() {
  unshare --fork --pid --mount --mount-proc="$R/proc" --propagation private bash -c '
    R=$1; shift
    for d in dev dev/pts sys; do mkdir -p "$R/$d"; mount --bind "/$d" "$R/$d"; done
    mkdir -p "$R/dev/shm"; mount -t tmpfs -o mode=1777,nosuid,nodev shm "$R/dev/shm"
    mount -t tmpfs -o mode=1777 tmp "$R/tmp"
    cp /etc/resolv.conf "$R/etc/resolv.conf" 2>/dev/null || true
    exec chroot "$R" /usr/bin/env -i PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
      HOME=/root TERM=dumb LANG=C.UTF-8 /bin/bash -lc "$1"' _ "$R" "$1"
}

# The project's files (tracked and new, not ignored) go to a fresh copy inside the root at $1;
# its build folders stay there between runs.
copy_sources() {
  local src="$R$1" nuevo f
  nuevo=$(mktemp -d)
  git ls-files -co --exclude-standard -z | tar --null -T - -cf - | tar -xf - -C "$nuevo"
  mkdir -p "$src"
  # Only what differs is copied, and with a new time: the build kept from a run of another
  # checkout then recompiles what changed (a file older than its object would not be).
  (cd "$nuevo" && find . -type f -print0) | while IFS= read -r -d '' f; do
    cmp -s "$nuevo/$f" "$src/$f" && continue
    mkdir -p "$(dirname "$src/$f")"
    rm -f "$src/$f"
    cp --preserve=mode "$nuevo/$f" "$src/$f"
  done
  # What the builds made stays: their folders, and the installer and archive in dist/.
  (cd "$src" && find . \( -path './build*' -o -path './dist' \) -prune -o -type f -print0) |
    while IFS= read -r -d '' f; do
      [ -e "$nuevo/$f" ] || rm -f "$src/$f"
    done
  rm -rf "$nuevo"
}

# What copy_sources would copy, as one checksum: a build made inside the root from the same
# files can stand in for another one.
huella_fuentes() {
  git ls-files -co --exclude-standard -z | sort -z | xargs -0 sha256sum | sha256sum | cut -d' ' -f1
}

# Every run starts from the same root: only the build folders' compiled files carry over, not
# what an earlier run left behind (slot files beside the programs, root's dotfiles, /var/tmp).
fresh_state() {
  find "$R"/root/novaro* -maxdepth 2 -path '*/build*' -name 'Novaro*.sav' -delete 2>/dev/null || true
  find "$R/root" "$R/var/tmp" -mindepth 1 -maxdepth 1 ! -name 'novaro*' -exec rm -rf {} +
  cp "$R/etc/skel/.bashrc" "$R/etc/skel/.profile" "$R/root/" 2>/dev/null || true
}
