#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Turns the tested Release build into a self-contained РАДИКСОН for any x86-64
# Linux with an X server (Astra, Альт, РЕД ОС, older Debian and Ubuntu) and
# prints the folder that holds the three files for schools:
#   radixon-1.0-linux-x86_64.tar.xz   unpack anywhere, run radixon/radixon
#   radixon-1.0-1.x86_64.rpm          for Альт and РЕД ОС: /opt/radixon
#   radixon-portable_1.0_amd64.deb    for Astra and older Debian or Ubuntu
# The folder radixon/ holds the program, glibc's loader and every library it
# and its Qt plugins load, the fonts, Qt's Russian texts and the licences.
# RADIXON_BUILD_DIR chooses the build folder, as for setup.sh; the files go
# into its linux/ subfolder.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# shellcheck source=setup.sh
source "$ROOT/scripts/setup.sh"
case "${1:-}" in
  "") ;;
  -h | --help) sed -n '3,12s/^# \{0,1\}//p' "${BASH_SOURCE[0]}"; exit 0 ;;
  *) echo "usage: linux.sh" >&2; exit 2 ;;
esac

# rpm gives rpmbuild; the rest is what the folder carries.
install_packages "${release_packages[@]}" rpm xz-utils
configure_and_build "$BUILD_DIR"

VERSION="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD_DIR/CMakeCache.txt")"
APP_ID=io.github.radixon.Radixon
MAINTAINER="$(sed -n 's/^RADIXON_PACKAGE_MAINTAINER:STRING=//p' "$BUILD_DIR/CMakeCache.txt")"
QT_PLUGINS=/usr/lib/x86_64-linux-gnu/qt6/plugins
OUT="$BUILD_DIR/linux"
folder="$OUT/radixon"
DIST="$OUT/dist"
staged="$OUT/install"
payload="$OUT/payload"
deb_root="$OUT/deb"
rm -rf "$folder" "$staged" "$payload" "$deb_root" "$OUT/rpmbuild"
mkdir -p "$DIST" "$folder"/{lib,plugins/platforms,plugins/iconengines,plugins/imageformats,translations,fonts,licenses}

# The program as the Debian package carries it: stripped, .comment included.
cmake --install "$BUILD_DIR" --prefix "$staged" --strip >/dev/null
cp "$staged/bin/radixon" "$folder/lib/radixon"
for plugin in platforms/libqxcb.so platforms/libqoffscreen.so iconengines/libqsvgicon.so imageformats/libqsvg.so; do
  cp "$QT_PLUGINS/$plugin" "$folder/plugins/$plugin"
done
# Every library the program and the plugins load, glibc and its loader among
# them, under the name they are asked for.
mapfile -t libraries < <(ldd "$folder/lib/radixon" "$folder"/plugins/*/*.so |
  awk '$2 == "=>" && $3 ~ /^\// { print $3 } $1 ~ /^\// && $2 ~ /^\(0x/ { print $1 }' | sort -u)
for library in "${libraries[@]}"; do
  cp -L "$library" "$folder/lib/$(basename "$library")"
done
cp "$ROOT/packaging/linux/radixon" "$folder/radixon"
cp "$ROOT/packaging/linux/qt.conf" "$folder/lib/qt.conf"
cp /usr/share/qt6/translations/qtbase_ru.qm "$folder/translations/"
cp /usr/share/fonts/truetype/liberation/*.ttf "$ROOT/packaging/linux/fonts.conf" "$folder/fonts/"
cp "$ROOT/packaging/$APP_ID.svg" "$folder/radixon.svg"
cp "$ROOT/LICENSE" "$folder/licenses/LICENSE"
cp "$ROOT/packaging/copyright" "$folder/licenses/radixon.copyright"

# The Debian packages the carried files come from, with their copyright files.
owner() {
  local path="$1" other
  other="${path#/usr}"
  [ "$other" = "$path" ] && other="/usr$path"
  { dpkg -S "$path" || dpkg -S "$other"; } 2>/dev/null | head -n 1 | cut -d: -f1
}
mapfile -t packages < <(for file in "${libraries[@]}" "$QT_PLUGINS"/{platforms/libqxcb.so,iconengines/libqsvgicon.so} \
  /usr/share/qt6/translations/qtbase_ru.qm /usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf; do
  owner "$file"
done | sort -u)
{
  echo "РАДИКСОН $VERSION, self-contained build for Linux (x86-64)."
  echo
  echo "The program is free software under the GNU GPL, version 3 or later (LICENSE, radixon.copyright)."
  echo "Everything else in this folder is taken unchanged from Debian 12's packages, listed below with"
  echo "their versions; each one's Debian copyright file is SOURCE.copyright here."
  echo
  echo "Qt is used under the GNU LGPL, version 3. Its source, and that of every package below, is Debian's"
  echo "source package of that version: https://sources.debian.org/src/SOURCE/VERSION/ , or on Debian"
  echo "\"apt-get source SOURCE=VERSION\", and for every version ever published https://snapshot.debian.org/ ."
  echo "The libraries are separate files in lib/ and may be replaced by the user's own builds of them."
  echo
  printf '%-28s %-28s %s\n' PACKAGE SOURCE VERSION
  for pkg in "${packages[@]}"; do
    printf '%-28s %-28s %s\n' "$pkg" "$(dpkg-query -W -f='${source:Package}' "$pkg")" \
      "$(dpkg-query -W -f='${source:Version}' "$pkg")"
    cp "/usr/share/doc/$pkg/copyright" "$folder/licenses/$(dpkg-query -W -f='${source:Package}' "$pkg").copyright"
  done
} >"$folder/licenses/README.txt"
chmod -R u=rwX,go=rX "$folder"
chmod 755 "$folder/radixon" "$folder/lib/radixon" "$folder/lib/ld-linux-x86-64.so.2"

# The packages' common payload: the folder in /opt, the command on the PATH,
# its manual pages and the menu entry, whose icon is the folder's own.
mkdir -p "$payload/opt" "$payload/usr/bin" "$payload/usr/share/applications"
cp -a "$folder" "$payload/opt/radixon"
ln -s /opt/radixon/radixon "$payload/usr/bin/radixon"
cp -a "$staged/share/man" "$payload/usr/share/man"
sed 's|^Icon=.*|Icon=/opt/radixon/radixon.svg|' "$ROOT/packaging/$APP_ID.desktop" \
  >"$payload/usr/share/applications/$APP_ID.desktop"

# Compressing takes minutes: the files are made again only when what goes
# into them has changed (times aside).
inputs="$({ tar -C "$OUT" --sort=name --mtime=@0 --owner=0 --group=0 -cf - payload
  cat "$ROOT"/packaging/linux/* "$ROOT/packaging/copyright" "$ROOT/packaging/changelog" "${BASH_SOURCE[0]}"; } |
  sha256sum)"
names=("radixon-$VERSION-linux-x86_64.tar.xz" "radixon-portable_${VERSION}_amd64.deb" "radixon-$VERSION-1.x86_64.rpm")
show() { (cd "$DIST" && stat -c '%10s  %n' "${names[@]}"); }
if [ "$(cat "$DIST/.inputs" 2>/dev/null)" = "$inputs" ] && show >/dev/null 2>&1; then
  echo "The Linux files are in $DIST (unchanged):"
  show
  exit 0
fi
rm -f "$DIST"/*

echo "== radixon-$VERSION-linux-x86_64.tar.xz"
tar -C "$OUT" --owner=0 --group=0 --numeric-owner --sort=name -I 'xz -T0' -cf "$DIST/radixon-$VERSION-linux-x86_64.tar.xz" radixon

echo "== radixon-portable_${VERSION}_amd64.deb"
cp -al "$payload" "$deb_root"
doc="$deb_root/usr/share/doc/radixon-portable"
mkdir -p "$doc" "$deb_root/usr/share/lintian/overrides" "$deb_root/DEBIAN"
cp "$ROOT/packaging/copyright" "$doc/copyright"
gzip -9n <"$ROOT/packaging/changelog" >"$doc/changelog.gz"
cp "$ROOT/packaging/linux/lintian-overrides" "$deb_root/usr/share/lintian/overrides/radixon-portable"
{
  echo "Package: radixon-portable"
  echo "Version: $VERSION"
  echo "Architecture: amd64"
  echo "Maintainer: $MAINTAINER"
  echo "Installed-Size: $(du -sk --exclude=DEBIAN "$deb_root" | cut -f1)"
  echo "Section: education"
  echo "Priority: optional"
  # Debian's own package (radixon) installs the same command and menu entry.
  echo "Conflicts: radixon"
  echo "Replaces: radixon"
  sed -n '/^Description:/,$p' "$ROOT/packaging/linux/description"
} >"$deb_root/DEBIAN/control"
(cd "$deb_root" && find opt usr -type f -exec md5sum {} + | sort -k 2) >"$deb_root/DEBIAN/md5sums"
dpkg-deb --root-owner-group -Zxz --build "$deb_root" "$DIST/radixon-portable_${VERSION}_amd64.deb" >/dev/null

echo "== radixon-$VERSION-1.x86_64.rpm"
rpmbuild -bb --quiet --define "_topdir $OUT/rpmbuild" --define "payload $payload" --define "version $VERSION" \
  --define "packager $MAINTAINER" \
  --define "_rpmdir $DIST" --define "_build_name_fmt %%{NAME}-%%{VERSION}-%%{RELEASE}.%%{ARCH}.rpm" \
  "$ROOT/packaging/linux/radixon.spec"

echo "$inputs" >"$DIST/.inputs"
echo "The Linux files are in $DIST:"
show
