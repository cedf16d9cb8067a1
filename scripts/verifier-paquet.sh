#!/usr/bin/env bash
# What an installation brings, checked as a distribution would: the files installed into a
# scratch root, the desktop entry and the AppStream metadata validated, the Debian package
# built, listed and checked by lintian, and the installed program started headless with a
# configuration folder of its own: it keeps its profiles there and writes nothing beside
# itself. The Release build folder may be given (build-paquet by default).
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$racine/build-paquet}"
paquet="$("$racine/scripts/paquet.sh" "$build" | tail -n 1)"

essai="$(mktemp -d)"
liberer() {
  umount "$essai/racine/usr/bin" 2>/dev/null || true
  rm -rf "$essai"
}
trap liberer EXIT

DESTDIR="$essai/racine" cmake --install "$build" --prefix /usr >/dev/null
desktop-file-validate "$essai/racine/usr/share/applications/example.vendelair.Vendelair.desktop"
appstreamcli validate --no-net "$essai/racine/usr/share/metainfo/example.vendelair.Vendelair.metainfo.xml"
for taille in 32x32 96x96 128x128 256x256; do
  test -f "$essai/racine/usr/share/icons/hicolor/$taille/apps/vendelair.png"
done
test -f "$essai/racine/usr/share/icons/hicolor/scalable/apps/vendelair.svg"

echo "Contenu de $(basename "$paquet") :"
dpkg-deb -c "$paquet"
dpkg-deb -f "$paquet" Package Version Section Maintainer Depends
lintian --fail-on error "$paquet"

# The installed program's folder is read-only, as /usr/bin is for a user.
if [ "$(id -u)" -ne 0 ]; then
  chmod 555 "$essai/racine/usr/bin"
elif ! { mount --bind "$essai/racine/usr/bin" "$essai/racine/usr/bin" &&
         mount -o remount,bind,ro "$essai/racine/usr/bin"; }; then
  echo "Ce système ne permet pas de rendre le dossier du programme non modifiable : le programme installé n'est pas lancé."
  exit 0
fi
avant="$(ls -A "$essai/racine/usr/bin")"
XDG_CONFIG_HOME="$essai/config" QT_QPA_PLATFORM=offscreen "$essai/racine/usr/bin/vendelair" --essai-enregistrement
test -f "$essai/config/vendelair/Vendelair.ini"
test "$(ls -A "$essai/racine/usr/bin")" = "$avant"
echo "Installation vérifiée."
