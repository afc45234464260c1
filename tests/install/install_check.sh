#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop user gets from it: every
# file in its place, a desktop entry and AppStream data the desktop tools accept, programs that run
# from the prefix, and a manual page that renders cleanly and lists every command.
# Usage: install_check.sh BUILD_DIR SOURCE_DIR APP_ID WM_CLASS
set -uo pipefail
build=$1 source=$2 id=$3 wmclass=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
mkdir -p "$HOME"

failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

for tool in desktop-file-validate appstreamcli groff man lexgrog; do
  command -v "$tool" >/dev/null || { echo "missing tool: $tool (scripts/deps.sh installs it)" >&2; exit 1; }
done

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || {
  cat "$work/install.log" >&2
  echo "FAIL: cmake --install" >&2
  exit 1
}

# --- Every file and nothing else; the help pages as they are in the sources.
{
  printf '%s\n' bin/nakkas bin/nakkas-cli \
    "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/scalable/apps/$id.svg" \
    "share/icons/hicolor/48x48/apps/$id.png" "share/icons/hicolor/128x128/apps/$id.png" \
    share/man/man1/nakkas-cli.1.gz share/man/man1/nakkas.1.gz \
    share/doc/nakkas/copyright share/doc/nakkas/changelog.gz
  (cd "$source/resources/help" && find . -type f | sed 's|^\./|share/nakkas/help/|')
} | sort >"$work/expected"
(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | sort) >"$work/actual"
diff -u "$work/expected" "$work/actual" || fail "installed files differ from the list above"
diff -r "$source/resources/help" "$prefix/share/nakkas/help" >/dev/null || fail "help pages differ"

# A PNG of the size its theme folder promises.
for size in 48 128; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  signature=$(od -An -tx1 -N8 "$png" 2>/dev/null | tr -d ' \n')
  dimensions=$(od -An -tu1 -j16 -N8 "$png" 2>/dev/null |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4 "x" $5*16777216 + $6*65536 + $7*256 + $8 }')
  [ "$signature" = 89504e470d0a1a0a ] && [ "$dimensions" = "${size}x${size}" ] ||
    fail "icon $size: signature $signature, size $dimensions"
done

# --- Desktop entry: accepted by the validator, and naming the program, its icon and window class.
desktop=$prefix/share/applications/$id.desktop
out=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$out" ] || fail "desktop-file-validate: $out"
for line in "Exec=nakkas" "Icon=$id" "Categories=Development;IDE;" "StartupWMClass=$wmclass"; do
  grep -qxF "$line" "$desktop" || fail "desktop entry lacks: $line"
done
for key in 'Name' 'Name\[tr\]' 'Comment' 'Comment\[tr\]'; do
  grep -qE "^$key=.+" "$desktop" || fail "desktop entry lacks a value for $key"
done

# --- AppStream data: accepted offline, tied to the same id and desktop entry.
metainfo=$prefix/share/metainfo/$id.metainfo.xml
out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
for text in "<id>$id</id>" "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
  '<summary xml:lang="tr">' '<p xml:lang="tr">' '<project_license>'; do
  grep -qF "$text" "$metainfo" || fail "metainfo lacks: $text"
done

# The screenshot is published from the repository's docs folder; the image must be there.
image=$(grep -o '<image>[^<]*</image>' "$metainfo" | sed -E 's|<image>https://raw.githubusercontent.com/[^/]+/[^/]+/[^/]+/||; s|</image>||')
[ -n "$image" ] && [ -f "$source/$image" ] || fail "the screenshot '$image' is not in the sources"

# --- The command line runs from the prefix.
version=$("$prefix/bin/nakkas-cli" --version 2>&1) || fail "nakkas-cli --version exits with $?"
[[ $version == "nakkas-cli "* ]] || fail "nakkas-cli --version printed: $version"

# --- The manual pages render without a warning; nakkas-cli's shows every command of the help table.
for page in nakkas nakkas-cli; do
  man_page=$prefix/share/man/man1/$page.1.gz
  out=$(gzip -dc "$man_page" | groff -k -man -ww -z 2>&1) && [ -z "$out" ] || fail "groff $page: $out"
  out=$(MANWIDTH=200 man --warnings -E UTF-8 -l "$man_page" 2>&1 >"$work/$page.txt") &&
    [ -z "$out" ] || fail "man $page: $out"
  # whatis and apropos read the NAME line as it stands, so it must hold no escapes.
  summary=$(lexgrog "$man_page" 2>&1)
  [[ $summary == *"\"$page - "*için* && $summary != *'\'* && $summary != *'[u'* ]] ||
    fail "whatis summary: $summary"
done
commands=$("$prefix/bin/nakkas-cli" --help | awk '/^Komutlar:$/ { on = 1; next } on && !NF { exit } on { print $1 }')
[ -n "$commands" ] || fail "no commands in nakkas-cli --help"
for c in $commands; do
  usage=$("$prefix/bin/nakkas-cli" "$c" --help | head -n 1)
  grep -qF -- "$usage" "$work/nakkas-cli.txt" || fail "the manual page lacks the usage of $c: $usage"
done

# --- The window finds its help pages: installed, from the build folder, and says so when missing.
# Starts the program headless and waits for its report on the help folder.
help_report() {
  local log pid line=""
  log=$(mktemp "$work/gui.XXXXXX")  # a fresh file: the child truncates only after the fork
  QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="nakkas.help.info=true" QT_MESSAGE_PATTERN='%{message}' \
    "$1" >/dev/null 2>"$log" &
  pid=$!
  for _ in $(seq 1 600); do
    line=$(grep -m 1 'Yardım sayfaları' "$log")
    [ -n "$line" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  echo "$line"
}
installed_help=$(realpath "$prefix")/share/nakkas/help
report=$(help_report "$prefix/bin/nakkas")
[ "$report" = "Yardım sayfaları: $installed_help" ] || fail "installed nakkas: '$report'"
report=$(help_report "$build/bin/nakkas")
[ "$report" = "Yardım sayfaları: $(realpath "$build/bin")/help" ] || fail "built nakkas: '$report'"
mkdir -p "$work/bare/bin" && cp "$prefix/bin/nakkas" "$work/bare/bin/"
report=$(help_report "$work/bare/bin/nakkas")
[ "$report" = "Yardım sayfaları bulunamadı: $(realpath "$work/bare")/share/nakkas/help" ] ||
  fail "nakkas without help pages: '$report'"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "install check passed"
