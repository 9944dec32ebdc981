#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR, as a package would, and checks that the installed
# tree works on its own: the locale module loads through the RUNPATH, the desktop files
# validate, the man pages (gzipped) render cleanly, the changelog tells of this version, and
# (when the viewer is built) the fonts resolve and the installed viewer shows a report without
# writing into its own folder.
# usage: check_install_tree.sh BUILD_DIR SOURCE_DIR BINDIR DATADIR MANDIR VERSION
set -uo pipefail
build=$1 source=$2 bindir=$3 datadir=$4 mandir=$5 version=$6

scratch=$(mktemp -d)
trap 'chmod -R u+w "$scratch"; rm -rf "$scratch"' EXIT
root=$scratch/dest/opt/ulnik
failures=0

fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

DESTDIR=$scratch/dest cmake --install "$build" --prefix /opt/ulnik >/dev/null || { echo "install failed" >&2; exit 1; }
sample=$source/samples/klasyfikacja_klasy_3a.xml

# The average of the sample's class is 4.75: a Polish locale must make it 4,75, which only the
# locale module can do, and the installed program finds that module only through its RUNPATH.
page=$(env -u LC_ALL -u LC_NUMERIC LANG=pl_PL.UTF-8 "$root/$bindir/ulnik-render" "$sample" | iconv -f CP1250 -t UTF-8)
[[ $page == *" - 4,75</li>"* && $page != *"4.75"* ]] || fail "installed ulnik-render does not show 4,75 under pl_PL.UTF-8"

for program in ulnik-render ulnik; do
    [ -x "$root/$bindir/$program" ] || continue
    [ "$("$root/$bindir/$program" --version)" = "$program $version" ] || fail "$program --version"
done
[ -s "$root/$datadir/ulnik/pomoc/index.htm" ] || fail "the help pages are not installed"
# The page to hand on to others, when emscripten built it.
[ ! -f "$build/web/ulnik.html" ] || cmp -s "$build/web/ulnik.html" "$root/$datadir/ulnik/ulnik.html" ||
    fail "ulnik.html is not installed"

desktop-file-validate "$root/$datadir/applications/ulnik.desktop" || fail "desktop-file-validate"
for metainfo in "$root/$datadir"/metainfo/*.metainfo.xml; do
    appstreamcli validate --no-net "$metainfo" >"$scratch/appstream.log" 2>&1 || { cat "$scratch/appstream.log" >&2; fail "appstreamcli validate $metainfo"; }
    grep -q '<launchable type="desktop-id">ulnik.desktop</launchable>' "$metainfo" || fail "metainfo does not launch ulnik.desktop"
done

for size in 48 128 256; do
    file "$root/$datadir/icons/hicolor/${size}x$size/apps/ulnik.png" | grep -q "PNG image data, $size x $size" || fail "icon ${size}x$size"
done
[ -s "$root/$datadir/icons/hicolor/scalable/apps/ulnik.svg" ] || fail "scalable icon"

for manpage in "$root/$mandir"/man1/* "$root/$mandir"/pl/man1/*; do
    [[ $manpage == *.1.gz ]] || fail "$manpage is not a gzipped man page"
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$manpage" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "man -l $manpage: $warnings"
done

# The history must tell of the version installed; the licences go with the program.
doc=$root/$datadir/doc/ulnik
[[ $(zcat "$doc/changelog.gz" 2>/dev/null | head -n1) == "ulnik ($version) "* ]] ||
    fail "the changelog does not begin with version $version"
grep -q '^License: GPL-3+' "$doc/copyright" 2>/dev/null || fail "the copyright file is not installed"

# The installed viewer, and the page fonts that come with it (a build without it has none).
viewer=$root/$bindir/ulnik
if [ -x "$viewer" ]; then
    # The web view would draw Wine's bitmap strikes, with widths that break words apart.
    if [ -f "$root/$datadir/ulnik/fonts/tahoma.ttf" ]; then
        ! head -c 1024 "$root/$datadir/ulnik/fonts/tahoma.ttf" | grep -aq EBDT || fail "the installed Tahoma keeps its bitmaps"
        # Spaced by its typographic metrics, lines would be 13 px apart instead of Windows' 16.
        python3 - "$root/$datadir/ulnik/fonts/tahoma.ttf" <<'PY' || fail "the installed Tahoma asks for its typographic metrics"
import struct, sys
font = open(sys.argv[1], "rb").read()
for i in range(struct.unpack(">H", font[4:6])[0]):
    tag, _, offset, _ = struct.unpack(">4sIII", font[12 + 16 * i:28 + 16 * i])
    if tag == b"OS/2":
        sys.exit(1 if struct.unpack(">H", font[offset + 62:offset + 64])[0] & 0x80 else 0)
sys.exit(1)
PY
    else
        fail "Tahoma is not installed"
    fi

    declare -A faces=([tahoma]=Tahoma [arial]="Liberation Sans" [verdana]="DejaVu Sans")
    for asked in "${!faces[@]}"; do
        got=$(FONTCONFIG_FILE=$root/$datadir/ulnik/fonts.conf fc-match -f '%{family[0]}' "$asked")
        [ "$got" = "${faces[$asked]}" ] || fail "fonts.conf gives $got for $asked, not ${faces[$asked]}"
    done

    # Its folder is not writable (as root, run it as nobody, since root writes anywhere), so
    # its page file must go to the user's data folder.
    chmod -R a-w "$scratch/dest"
    home=$scratch/home
    mkdir -p "$home" && chmod 755 "$scratch" && chmod 777 "$home"
    as_user=()
    [ "$(id -u)" -eq 0 ] && as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
    run_viewer() {
        env -u XDG_RUNTIME_DIR HOME="$home" XDG_DATA_HOME="$home/data" XDG_CACHE_HOME="$home/cache" \
            XDG_CONFIG_HOME="$home/config" QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 \
            "${as_user[@]}" "$viewer" "$@"
    }
    # A copy the other user can read, wherever the source tree lies.
    cp "$sample" "$home/report.xml" && chmod 644 "$home/report.xml"
    sample=$home/report.xml
    run_viewer --screenshot "$home/shot.png" "$sample" || fail "installed ulnik --screenshot exited $?"
    file "$home/shot.png" 2>/dev/null | grep -q 'PNG image data' || fail "installed ulnik --screenshot wrote no PNG"
    run_viewer --pdf "$home/page.pdf" "$sample" || fail "installed ulnik --pdf exited $?"
    pdffonts "$home/page.pdf" 2>/dev/null | grep -q 'Tahoma' || fail "the PDF of a report does not embed Tahoma"
else
    echo "ulnik is not built: the installed viewer is not checked"
fi

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed" >&2; exit 1; }
echo "installed tree checked"
