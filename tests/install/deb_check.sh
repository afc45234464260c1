#!/usr/bin/env bash
# Builds the Debian package from the install rules and checks what apt would put under /usr, and
# that the library dependencies were computed from the binaries.
# Usage: deb_check.sh BUILD_DIR SOURCE_DIR APP_ID
set -uo pipefail
build=$1 source=$2 id=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for tool in dpkg-shlibdeps lintian; do
  command -v "$tool" >/dev/null || { echo "missing $tool (scripts/deps.sh installs it)" >&2; exit 1; }
done
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
  cat "$work/cpack.log" >&2
  echo "FAIL: cpack" >&2
  exit 1
}
debs=("$work"/nakkas_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single nakkas_*.deb" >&2; exit 1; }
deb=${debs[0]}

# Files: the same set an install into /usr gives.
{
  printf '%s\n' usr/bin/nakkas usr/bin/nakkas-cli \
    "usr/share/applications/$id.desktop" "usr/share/metainfo/$id.metainfo.xml" \
    "usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "usr/share/icons/hicolor/48x48/apps/$id.png" "usr/share/icons/hicolor/128x128/apps/$id.png" \
    usr/share/man/man1/nakkas-cli.1.gz usr/share/man/man1/nakkas.1.gz \
    usr/share/doc/nakkas/copyright usr/share/doc/nakkas/changelog.gz
  (cd "$source/resources/help" && find . -type f | sed 's|^\./|usr/share/nakkas/help/|')
} | sort >"$work/expected"
dpkg-deb --fsys-tarfile "$deb" | tar -t | grep -v '/$' | sed 's|^\./||' | sort >"$work/actual"
diff -u "$work/expected" "$work/actual" || fail "packaged files differ from the list above"

# Control fields: the name apt installs and removes by, and dependencies that the binaries need,
# found by dpkg-shlibdeps rather than typed in.
[ "$(dpkg-deb -f "$deb" Package)" = nakkas ] || fail "package name: $(dpkg-deb -f "$deb" Package)"
depends=$(dpkg-deb -f "$deb" Depends)
for lib in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
  [[ ", $depends," == *", $lib "* || ", $depends," == *", $lib,"* ]] || fail "Depends lacks $lib: $depends"
done

# Debian's own checks: no error and no warning. (Root gets a notice that is neither.)
lintian --no-tag-display-limit "$deb" >"$work/lintian.txt" 2>&1
grep -E '^[EW]: ' "$work/lintian.txt" >&2 && fail "lintian reports errors or warnings"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "deb check passed"
