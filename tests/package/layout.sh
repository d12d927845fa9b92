# check_layout ROOT APPLICATION_ID: the files of an install under its prefix ROOT.
# Sourced by the install and package checks, after the end-to-end helpers.
check_layout() {
    local root=$1 id=$2 size missing=()
    local files=(
        bin/vantrel bin/vantrel-count
        "share/applications/$id.desktop"
        "share/metainfo/$id.metainfo.xml"
        "share/icons/hicolor/scalable/apps/$id.svg"
        share/man/man6/vantrel.6.gz share/man/man6/vantrel-count.6.gz
        share/vantrel/Vantrel0.html share/vantrel/Vantrel0.{de,fr,es,it,nl,pt_BR}.html
        share/doc/vantrel/LICENSE share/doc/vantrel/LICENSE-LiberationSans.txt
        share/doc/vantrel/copyright share/doc/vantrel/changelog.gz
    )
    for size in 16 22 24 32 48 64 128 256; do
        files+=("share/icons/hicolor/${size}x$size/apps/$id.png")
    done
    for file in "${files[@]}"; do
        [ -f "$root/$file" ] || missing+=("$file")
    done
    check "the install holds all ${#files[@]} files (missing: ${missing[*]:-none})" '[ ${#missing[@]} -eq 0 ]'
    check "the programs are executable" '[ -x "$root/bin/vantrel" ] && [ -x "$root/bin/vantrel-count" ]'
    check "the desktop entry names the icon and the program" \
        'grep -qx "Icon=$id" "$root/share/applications/$id.desktop" &&
         grep -qx "Exec=vantrel" "$root/share/applications/$id.desktop"'
    for size in 16 22 24 32 48 64 128 256; do
        check "the ${size}px icon is $size x $size" \
            '[ "$(identify -format %wx%h "$root/share/icons/hicolor/${size}x$size/apps/$id.png")" = "${size}x$size" ]'
    done
    check "the manual pages format without warnings" \
        '[ -z "$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/share/man/man6/vantrel.6.gz" "$root/share/man/man6/vantrel-count.6.gz" 2>&1 >/dev/null)" ]'
}
