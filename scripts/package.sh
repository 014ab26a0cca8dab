#!/usr/bin/env bash
# Builds the Debian package dist/vorlex_<version>_<arch>.deb from a Release
# build installed into a staging tree, and checks it with lintian.
set -euo pipefail
cd "$(dirname "$0")/.."
# With the packaging tools: dpkg-shlibdeps, lintian, the desktop entry and
# AppStream validators, and rsvg-convert for the PNG icons.
./scripts/deps.sh dpkg-dev lintian desktop-file-utils appstream librsvg2-bin binutils file man-db

fail() {
  echo "package.sh: $*" >&2
  exit 1
}

# One version for everything: the project's, with the Debian revision of the
# newest changelog entry. A version bump without its changelog entry and its
# AppStream release notes stops here.
version="$(sed -n 's/^project(vorlex VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
[ -n "$version" ] || fail "no project version in CMakeLists.txt"
deb_version="$(dpkg-parsechangelog -l packaging/changelog -S Version)"
[ "${deb_version%-*}" = "$version" ] \
  || fail "packaging/changelog starts at $deb_version; add an entry for $version"
metainfo=packaging/io.github.vorlex.vorlex.metainfo.xml
grep -q "<release version=\"$version\"" "$metainfo" \
  || fail "$metainfo has no release notes for $version"
arch="$(dpkg --print-architecture)"
# The package's file dates are those of the changelog entry, whenever it is built.
SOURCE_DATE_EPOCH="$(dpkg-parsechangelog -l packaging/changelog -S Timestamp)"
export SOURCE_DATE_EPOCH
deb="dist/vorlex_${deb_version}_${arch}.deb"

# Debian's hardening flags (stack protector, fortify, relro, bind now).
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
launcher=()
if command -v ccache >/dev/null; then launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache); fi
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
  -DVORLEX_BENCH=OFF -DVORLEX_WERROR=OFF "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS"
cmake --build build-package --target vorlex vorlex_icons

# The staging tree sits where dpkg-shlibdeps expects a package's files:
# debian/<package>/ beside a debian/control naming it.
umask 022
work=build-package/deb
root="$work/debian/vorlex"
rm -rf "$work"
mkdir -p "$root/DEBIAN"
printf 'Source: vorlex\n\nPackage: vorlex\nArchitecture: any\n' >"$work/debian/control"
DESTDIR="$PWD/$root" cmake --install build-package --strip
# What dh_strip also removes: the compiler's notes.
strip --remove-section=.comment --remove-section=.note "$root/usr/bin/vorlex"
gzip -9n "$root/usr/share/man/man1/vorlex.1"
doc="$root/usr/share/doc/vorlex"
install -d "$doc"
install -m 644 packaging/copyright "$doc/copyright"
gzip -9nc packaging/changelog >"$doc/changelog.Debian.gz"
chmod 644 "$doc/changelog.Debian.gz"
install -D -m 644 packaging/lintian-overrides "$root/usr/share/lintian/overrides/vorlex"

desktop-file-validate "$root/usr/share/applications/vorlex.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$(basename "$metainfo")"

# The SVG icons (window, message boxes) need Qt's SVG plugins, which no
# library link reveals.
shlibs="$(cd "$work" && dpkg-shlibdeps -O -edebian/vorlex/usr/bin/vorlex)"
shlibs="${shlibs#shlibs:Depends=}"
[ -n "$shlibs" ] || fail "dpkg-shlibdeps found no dependencies"
installed_size="$(du -sk --apparent-size --exclude=DEBIAN "$root" | cut -f1)"
sed -e "s/@VERSION@/$deb_version/" -e "s/@ARCH@/$arch/" \
  -e "s/@INSTALLED_SIZE@/$installed_size/" -e "s/@DEPENDS@/$shlibs, libqt6svg6/" \
  packaging/control.in >"$root/DEBIAN/control"
(cd "$root" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum) >"$root/DEBIAN/md5sums"
chmod 644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"

mkdir -p dist
rm -f "$deb"
dpkg-deb --build --root-owner-group -Zxz "$root" "$deb"

# Every part of the package is there...
contents="$(dpkg-deb --contents "$deb" | awk '{print $6}')"
expected=(
  ./usr/bin/vorlex
  ./usr/share/applications/vorlex.desktop
  ./usr/share/mime/packages/vorlex.xml
  ./usr/share/metainfo/io.github.vorlex.vorlex.metainfo.xml
  ./usr/share/icons/hicolor/scalable/apps/vorlex.svg
  ./usr/share/man/man1/vorlex.1.gz
  ./usr/share/vorlex/help/index.html
  ./usr/share/doc/vorlex/copyright
  ./usr/share/doc/vorlex/changelog.Debian.gz
)
for size in 16 32 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/vorlex.png")
done
for f in "${expected[@]}"; do
  grep -qxF "$f" <<<"$contents" || fail "$deb lacks $f"
done

# ...and lintian finds no error in it (warnings are listed).
lintian --fail-on error --allow-root "$deb"
echo "Built $deb"
