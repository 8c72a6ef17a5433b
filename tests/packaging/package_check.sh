#!/usr/bin/env bash
# Builds the Debian package from a build tree with CPack and checks it: the
# control fields, exactly the expected files with their owners and modes, the
# programs running from the unpacked tree, the manual pages, the desktop guide
# and its pictures, the desktop entry and AppStream metadata through their
# validators, the copyright file naming every source of tools/README.md, and
# lintian when it is installed.
# Usage: package_check.sh BUILD_DIR SOURCE_DIR VERSION   (exit 77: skipped)
set -euo pipefail
build=$1 src=$2 version=$3

if ! command -v dpkg-deb >/dev/null; then
  echo "dpkg-deb is not installed: skipped"
  exit 77
fi
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log"
  echo "FAIL: cpack"
  exit 1
fi
deb=$(echo "$work"/kolvar_*.deb)
[ "$deb" = "$work/kolvar_${version}_$(dpkg --print-architecture).deb" ] || fail "package file $deb"

# Control fields; the library dependencies come from dpkg-shlibdeps.
[ "$(dpkg-deb -f "$deb" Package)" = kolvar ] || fail "Package: $(dpkg-deb -f "$deb" Package)"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "Version: $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
for d in libc6 libqt6widgets6 libqt6printsupport6 libfreetype6 libpng16-16 libcairo2 qt6-qpa-plugins fonts-liberation2; do
  [[ ", $depends," == *", $d "* || ", $depends," == *", $d,"* ]] || fail "Depends lacks $d: $depends"
done

# Exactly these files, owned by root, programs 0755 and data 0644.
expected=(
  usr/bin/kolvar usr/bin/kolvar-chart
  usr/share/applications/kolvar.desktop
  usr/share/metainfo/io.github.kolvar.Kolvar.metainfo.xml
  usr/share/bash-completion/completions/kolvar-chart
  usr/share/doc/kolvar/changelog.gz usr/share/doc/kolvar/copyright
  usr/share/icons/hicolor/scalable/apps/kolvar.svg
  usr/share/man/man1/kolvar-chart.1.gz usr/share/man/man1/kolvar.1.gz
  usr/share/kolvar/deep_stars.kds
)
for size in 16 22 24 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/kolvar.png")
done
# The desktop guide and every picture it links, beside it as in docs/.
expected+=(usr/share/doc/kolvar/manual.md)
for picture in $(grep -o -E '\]\([A-Za-z0-9_./-]+\.png\)' "$src/docs/manual.md" | sed 's/^](//; s/)$//' | sort -u); do
  expected+=("usr/share/doc/kolvar/$picture")
done
dpkg-deb -c "$deb" >"$work/contents"
diff <(printf '%s\n' "${expected[@]}" | sort) \
     <(awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' "$work/contents" | sort) ||
  fail "file list differs (< expected, > in the package)"
awk '$2 != "root/root" ||
     ($1 !~ /^d/ && $6 ~ /^\.\/usr\/bin\// && $1 != "-rwxr-xr-x") ||
     ($1 !~ /^d/ && $6 !~ /^\.\/usr\/bin\// && $1 != "-rw-r--r--") ||
     ($1 ~ /^d/ && $1 != "drwxr-xr-x")' "$work/contents" >"$work/bad-modes"
[ -s "$work/bad-modes" ] && fail "owners or modes: $(cat "$work/bad-modes")"

root=$work/root
dpkg-deb -x "$deb" "$root"
"$root/usr/bin/kolvar-chart" ephemeris --jd 2451545 >"$work/ephemeris" || fail "unpacked kolvar-chart does not run"
[ "$(cut -f1 "$work/ephemeris" | head -1)" = Sun ] || fail "unpacked kolvar-chart printed: $(head -1 "$work/ephemeris")"
"$root/usr/bin/kolvar-chart" print --jd 2451545 --out - >"$work/sheet.pdf" && [ "$(head -c 5 "$work/sheet.pdf")" = %PDF- ] ||
  fail "unpacked kolvar-chart does not print a sheet"

cmp -s "$root/usr/share/doc/kolvar/manual.md" "$src/docs/manual.md" || fail "installed manual.md differs from docs/manual.md"

for page in kolvar kolvar-chart; do
  file=$root/usr/share/man/man1/$page.1.gz
  gzip -t "$file" || fail "$page.1.gz is not gzip"
  if command -v man >/dev/null; then
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$file" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man --warnings $page: $warnings"
  fi
done

# Hints count too: they are how a second main category shows.
report=$(desktop-file-validate "$root/usr/share/applications/kolvar.desktop" 2>&1) && [ -z "$report" ] ||
  fail "desktop-file-validate: $report"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.kolvar.Kolvar.metainfo.xml" ||
  fail "appstreamcli validate"
# The newest release of the metadata and of the changelog is this version.
grep -m1 '<release ' "$root/usr/share/metainfo/io.github.kolvar.Kolvar.metainfo.xml" |
  grep -q "version=\"$version\"" || fail "metainfo: newest release is not $version"
[ "$(dpkg-parsechangelog -l "$src/dist/changelog" -S Version)" = "$version" ] ||
  fail "changelog: newest entry is not $version"

# Every Debian or npm package that tools/README.md names as a source.
copyright=$root/usr/share/doc/kolvar/copyright
for source in $(grep -o -E '(Debian|npm) `[a-z0-9.+-]+`' "$src/tools/README.md" | cut -d'`' -f2 | sort -u); do
  grep -q -w -- "$source" "$copyright" || fail "copyright does not name the source $source"
done
grep -q -E '@[A-Z_]+@' "$copyright" && fail "copyright: unreplaced placeholder"

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" || fail "lintian reports errors"
else
  echo "lintian is not installed: not run"
fi

if ((failures > 0)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "package $(basename "$deb") checked"
