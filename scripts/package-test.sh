#!/usr/bin/env bash
# Builds the Debian package once (scripts/package.sh) and checks that what it installs
# works: unpacked with dpkg -x into a temporary root, zrtool answers, converts a word
# with a shipped table, and the program shows its main window for a prepared learner
# and ends cleanly without writing into its installation folder.
set -euo pipefail
cd "$(dirname "$0")/.."

# The package under test is built without debug information and without the package of
# debug symbols: what is installed and how it runs stay the same, and the build takes
# markedly less time.
# The package's build goes through ccache too when the machine has it (CMake takes the
# launcher from the environment); what is compiled does not change.
command -v ccache >/dev/null 2>&1 && export CMAKE_CXX_COMPILER_LAUNCHER=ccache
DEB_CXXFLAGS_STRIP="${DEB_CXXFLAGS_STRIP:--g}" \
  DEB_BUILD_OPTIONS="${DEB_BUILD_OPTIONS:-nocheck noautodbgsym parallel=$(nproc)}" \
  scripts/package.sh
version=$(dpkg-parsechangelog -S Version)
deb=build-package/zorvel-lesson_${version}_$(dpkg-architecture -qDEB_HOST_ARCH).deb

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root/pkg"
bin=$root/pkg/usr/bin
share=$root/pkg/usr/share/zorvel-lesson

fail() { echo "package-test: $*" >&2; exit 1; }

got=$("$bin/zrtool" --version)
[ "$got" = "zrtool (ZORVEL LESSON) $version" ] || fail "zrtool --version printed: $got"

got=$("$bin/zrtool" rmjchk --table "$share/resource/DefRmj.tbl" しゃしん)
[ "$got" = $'3\tしゃ/し/ん\tsyasinn\tsya/si/nn' ] || fail "zrtool rmjchk printed: $got"

# A learner as the new-user wizard leaves one: user01/user.dat with the romaji course's
# default table. The record is built here byte by byte (little-endian, strings as a
# 16-bit length and code page 932 bytes) so the check does not lean on the program's own
# writer; the table rows come straight from the installed DefRmj.tbl, already in code
# page 932. The learner is テスト, in the romaji course, at Chapter 1.
mkdir -p "$root/data/user/user01"
perl -e '
  my ($table, $out) = @ARGV;
  sub str { pack("v", length $_[0]) . $_[0] }
  open my $in, "<:raw", $table or die "$table: $!";
  my @rows = grep { length } split /\r?\n/, do { local $/; <$in> };
  my $rec = pack("v", 6) . str("\x83\x65\x83\x58\x83\x67") . pack("v v", 0, 1) . pack("d<", 0);
  $rec .= "\0" x ((70 + 3 * 10) * (2 + 5 * 15) * 8);   # four blocks of empty score records
  for my $i (0 .. 300) {
    my ($kana, $keys) = split /,/, ($rows[$i] // ""), 2;
    $rec .= str($kana // "") . str($keys // "");
  }
  open my $fh, ">:raw", $out or die "$out: $!";
  print $fh $rec;
' "$share/resource/DefRmj.tbl" "$root/data/user/user01/user.dat"

touch "$root/before"
sleep 1
status=0
mkdir -m 700 "$root/home" "$root/run"
title=$(HOME=$root/home XDG_RUNTIME_DIR=$root/run QT_QPA_PLATFORM=offscreen \
  timeout 60 "$bin/zorvel-lesson" --data-dir "$root/data" --quit-after-show) \
  || status=$?
[ "$status" -eq 0 ] || fail "zorvel-lesson ended with status $status (124: it never showed the main window)"
[ "$title" = "ZORVEL LESSON - テスト" ] || fail "the main window's title was: $title"
changed=$(find "$root/pkg" -newer "$root/before")
[ -z "$changed" ] || fail "the program wrote into its installation folder: $changed"

echo "package-test: the package works ($(du -k "$deb" | cut -f1) KiB)"
