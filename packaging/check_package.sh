#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# One check of a built package, run by CTest for each of the three: Debian's
# own radixon_VERSION_amd64.deb, and the self-contained build's
# radixon-portable_VERSION_amd64.deb and radixon-VERSION-1.x86_64.rpm
# (scripts/linux.sh; FOLDER is the radixon/ folder they carry). Of the
# folder's radixon-VERSION-linux-x86_64.tar.xz, only its files are checked.
#   check_package.sh files|depends|hardening|version PACKAGE [FOLDER]
#   files      it holds exactly the expected files (installed-files.txt for
#              Debian's own; the folder in /opt/radixon, the command, the menu
#              entry and the manual pages for the others)
#   depends    Debian's own names each package once and the run-time ones;
#              the others ask for nothing a system may lack, and none can be
#              installed with the other kind
#   hardening  the packaged program is PIE with RELRO, BIND_NOW and the stack
#              protector, stripped of .comment and debugging information
#   version    the package's version is packaging/changelog's newest entry
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
check="$1" package="$(realpath "$2")" folder="${3:-}"
fail() { echo "FAIL: $(basename "$package"): $*" >&2; exit 1; }
[ -f "$package" ] || fail "not built (scripts/package.sh and scripts/linux.sh build the packages)"

case "$package" in
  *.tar.xz) kind=tar ;;
  *.rpm) kind=rpm ;;
  *portable*.deb) kind=portable ;;
  *.deb) kind=deb ;;
esac
shared_list() { grep -v '^#' "$here/installed-files.txt" | sed 's|^|/usr/|'; }
field() {
  if [ "$kind" = rpm ]; then rpm -qp --qf "%{$1}" "$package" 2>/dev/null; else dpkg-deb -f "$package" "$1"; fi
}

case "$check" in
  files)
    if [ "$kind" = tar ]; then
      packaged="$(tar -tvJf "$package" | awk '$1 !~ /^d/ { print "/opt/" $6 }' | sort)"
    elif [ "$kind" = rpm ]; then
      packaged="$(rpm -qp --qf '[%{FILEMODES:perms} %{FILENAMES}\n]' "$package" 2>/dev/null | awk '$1 !~ /^d/ { print $2 }' | sort)"
    else
      packaged="$(dpkg-deb -c "$package" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort)"
    fi
    if [ "$kind" = deb ]; then
      expected="$(shared_list | sort)"
    else
      for file in radixon lib/radixon lib/ld-linux-x86-64.so.2 lib/libc.so.6 lib/libQt6Core.so.6 lib/qt.conf \
        plugins/platforms/libqxcb.so plugins/platforms/libqoffscreen.so plugins/iconengines/libqsvgicon.so \
        translations/qtbase_ru.qm fonts/fonts.conf fonts/LiberationSans-Regular.ttf licenses/README.txt radixon.svg; do
        [ -f "$folder/$file" ] || fail "the folder lacks $file"
      done
      expected="$({
        (cd "$folder" && find . ! -type d | sed 's|^\.|/opt/radixon|')
        [ "$kind" = tar ] || shared_list | grep -E '^/usr/(bin/|share/applications/|share/man/)'
        if [ "$kind" = portable ]; then
          printf '%s\n' /usr/share/doc/radixon-portable/copyright /usr/share/doc/radixon-portable/changelog.gz \
            /usr/share/lintian/overrides/radixon-portable
        fi
      } | sort)"
    fi
    diff <(echo "$expected") <(echo "$packaged") >&2 || fail "holds other files than expected (< missing, > not expected)"
    echo "ok  holds the $(wc -l <<<"$expected") expected files"
    ;;
  depends)
    case "$kind" in
      deb)
        # CPack joins the libraries dpkg-shlibdeps finds to the ones named by
        # hand; a library named in both would be listed twice.
        depends="$(field Depends)"
        depended="$(sed -E 's/[,|]/\n/g' <<<"$depends" | sed -E 's/\(.*\)//; s/:any//; s/^ +//; s/ +$//; /^$/d')"
        twice="$(sort <<<"$depended" | uniq -d)"
        [ -z "$twice" ] || fail "Depends names these more than once: $twice ($depends)"
        for lib in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins libqt6svg6 fonts-liberation qt6-translations-l10n; do
          grep -qx "$lib" <<<"$depended" || fail "Depends does not name $lib: $depends"
        done
        other=radixon-portable
        ;;
      portable)
        [ -z "$(field Depends)$(field Pre-Depends)" ] || fail "asks for $(field Depends) $(field Pre-Depends)"
        [ "$(field Replaces)" = radixon ] || fail "does not replace radixon"
        other=radixon
        ;;
      rpm)
        requires="$(rpm -qpR "$package" 2>/dev/null)"
        asks="$(grep -v '^rpmlib(' <<<"$requires" || true)"
        [ -z "$asks" ] || fail "requires more than rpm's own features: $asks"
        echo "ok  requires only rpm's own features: $(tr '\n' ' ' <<<"$requires")"
        exit 0
        ;;
    esac
    [ "$(field Conflicts)" = "$other" ] || fail "Conflicts is '$(field Conflicts)', not $other"
    echo "ok  Depends: '$(field Depends)'; Conflicts: $other"
    ;;
  hardening)
    unpacked="$(mktemp -d)"
    trap 'rm -rf "$unpacked"' EXIT
    if [ "$kind" = rpm ]; then
      (cd "$unpacked" && rpm2cpio "$package" | cpio -idm --quiet)
    else
      dpkg-deb -x "$package" "$unpacked"
    fi
    program="$unpacked/usr/bin/radixon"
    [ "$kind" = deb ] || program="$unpacked/opt/radixon/lib/radixon"
    # Read whole before grep -q looks at them: under pipefail, a grep that
    # stops at its first match would fail the pipe with readelf's SIGPIPE.
    elf_header="$(readelf -hW "$program")"
    segments="$(readelf -lW "$program")"
    sections="$(readelf -SW "$program")"
    dynamic="$(readelf -dW "$program")"
    symbols="$(readelf --dyn-syms -W "$program")"
    grep -q 'GNU_RELRO' <<<"$segments" || fail "no RELRO segment (-Wl,-z,relro)"
    grep -Eq '\(FLAGS\) +BIND_NOW|Flags: .*\bNOW\b' <<<"$dynamic" || fail "not linked with BIND_NOW (-Wl,-z,now)"
    { grep -Eq 'Type: +DYN' <<<"$elf_header" && grep -Eq 'Flags: .*\bPIE\b' <<<"$dynamic"; } ||
      fail "not a position-independent executable"
    grep -q '__stack_chk_fail' <<<"$symbols" || fail "no stack protector (-fstack-protector-strong)"
    ! grep -Eq '\] \.comment ' <<<"$sections" || fail "the program still has a .comment section"
    ! grep -Eq '\] \.debug_' <<<"$sections" || fail "the program carries debugging information"
    echo "ok  the program is PIE with RELRO, BIND_NOW and the stack protector, stripped of .comment"
    ;;
  version)
    changelog="$(dpkg-parsechangelog -l "$here/changelog" -S Version)"
    [ "$(field Version)" = "$changelog" ] || fail "is version $(field Version), packaging/changelog's newest entry $changelog"
    if [ "$kind" = rpm ]; then
      newest="$(rpm -qp --changelog "$package" 2>/dev/null | head -n 1)"
      [[ "$newest" == *" - $changelog-"* ]] || fail "its own newest changelog entry is '$newest'"
    fi
    echo "ok  version $changelog, packaging/changelog's newest entry"
    ;;
  *) echo "usage: check_package.sh files|depends|hardening|version PACKAGE [FOLDER]" >&2; exit 2 ;;
esac
