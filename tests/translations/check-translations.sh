#!/usr/bin/env bash
# Checks every language of po/LINGUAS against the sources as they are now, the way a translator's
# next update would find it, without changing a file of the project:
#   - the window (translations/talven-sound_LL.ts): lupdate brings a copy up to date with the
#     sources; every text must be translated and finished (no "unfinished"), with its placeholders
#     (%1, %2) and its one mnemonic (&) kept;
#   - the tools, the desktop entry and the AppStream data (po/LL.po): msgmerge brings a copy up to
#     date with a template fresh from the sources; every text must be translated and none fuzzy,
#     with its printf placeholders (%s, %d, %1$s) kept (msgfmt --check);
#   - the desktop entry and the AppStream data the build made carry each language.
# A failure names each text to translate, and the command that brings the files up to date.
#   check-translations.sh CONF     CONF: written by the build (tests/translations/CMakeLists.txt)
# Exit 0: complete; 1: something to translate or to mend.
set -u
# shellcheck source=/dev/null
. "$1"
work=$(mktemp -d "${TMPDIR:-/tmp}/talven-translations.XXXXXX")
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

# check_po WHAT PO MSGFMT-OPTION...: msgfmt's verdict on PO, and the texts it leaves untranslated.
check_po() {
    local what=$1 po=$2
    shift 2
    local out status
    out=$("$msgfmt" "$@" --statistics --output-file=/dev/null "$po" 2>&1)
    status=$?
    # msgfmt: "12 translated messages, 1 fuzzy translation, 2 untranslated messages."
    local counts=${out##*$'\n'}
    if [ $status -ne 0 ]; then
        fail "$what: a translation does not keep its text's placeholders or mnemonic:"
        grep -v -e 'warning: header field' -e 'translated message' <<<"$out" | sed 's/^/    /'
    fi
    if grep -q -e fuzzy -e untranslated <<<"$counts"; then
        fail "$what: not every text is translated ($counts) Still to translate (or to check, when fuzzy):"
        for which in --untranslated --only-fuzzy; do
            "$msgattrib" "$which" --no-obsolete --no-wrap "$po" | sed -n 's/^msgid "\(..*\)"$/    \1/p'
        done
    elif [ $status -eq 0 ]; then
        echo "PASS: $what: $counts"
    fi
}

# check_typography LANG WHAT PO: the language's own quotation marks, never ASCII quotes around a
# name (%1, %s); French with a no-break space (or a narrow one) before : ; ? !; Spanish with the
# program's "archivo", never "fichero".
check_typography() {
    local lang=$1 what=$2 po=$3 found
    # Each translation on one line, placeholders and all.
    found=$("$msgattrib" --translated --no-fuzzy --no-obsolete --no-wrap "$po" | sed -n 's/^msgstr\(\[[0-9]\]\)\{0,1\} "\(..*\)"$/\2/p' |
        grep -E -e "'%|%([0-9]+|[a-z]+)'|\\\\\"%|%[0-9]*[a-z]*\\\\\"" -e "$(typography_rule "$lang")")
    if [ -n "$found" ]; then
        fail "$what: quote and punctuate as the language does ($(typography_advice "$lang")):"
        sed 's/^/    /' <<<"$found"
    fi
}
# A pattern no translation in the language holds (one that matches nothing when the language has none).
typography_rule() {
    case $1 in
    fr) printf "%s" "[[:alnum:]»)]([:?!]|; )|[[:alnum:]] [:;!]" ;; # not the desktop entry's "a;b;"
    es) printf '%s' '[Ff]ichero' ;;
    *) printf '%s' '^\b$' ;;
    esac
}
typography_advice() {
    case $1 in
    de) echo '„%1“' ;;
    fr) echo '«\u00a0%1\u00a0», a no-break space before : ; ? !' ;;
    es) echo '«%1», "archivo"' ;;
    *) echo "the language's quotation marks" ;;
    esac
}

desktop=$build_dir/packaging/$app_id.desktop
metainfo=$build_dir/packaging/$app_id.metainfo.xml
for file in "$desktop" "$metainfo"; do
    [ -f "$file" ] || fail "$file was not built (cmake --build $build_dir --target desktop_files)"
done

for lang in $languages; do
    # The window: lupdate reads the sources as `update_translations` does, into a copy.
    ts=$work/talven-sound_$lang.ts
    cp "$source_dir/translations/talven-sound_$lang.ts" "$ts"
    # shellcheck disable=SC2086 # the options are words
    "$lupdate" $lupdate_options "@$lupdate_sources" -ts "$ts" || fail "lupdate could not read the sources"
    "$lconvert" -i "$ts" -of po -o "$work/window_$lang.po" || fail "lconvert could not read $ts"
    check_po "translations/talven-sound_$lang.ts" "$work/window_$lang.po" --check-format --check-accelerators='&'
    check_typography "$lang" "translations/talven-sound_$lang.ts" "$work/window_$lang.po"

    # The tools and the desktop files: a fresh template, merged into a copy.
    pot=$work/talven-sound.pot
    [ -f "$pot" ] || "$cmake" -DXGETTEXT="$xgettext" -DSOURCE_DIR="$source_dir" -DAPP_ID="$app_id" \
        -DVERSION="$version" -DOUTPUT="$pot" -P "$source_dir/po/make-pot.cmake" || fail "xgettext could not read the sources"
    "$msgmerge" --quiet --previous --output-file="$work/$lang.po" "$source_dir/po/$lang.po" "$pot" ||
        fail "msgmerge could not merge po/$lang.po"
    check_po "po/$lang.po" "$work/$lang.po" --check
    check_typography "$lang" "po/$lang.po" "$work/$lang.po"

    # The desktop files as built: each language merged in.
    for key in Name GenericName Comment Keywords; do
        grep -q "^$key\[$lang\]=" "$desktop" 2>/dev/null || fail "$desktop has no $key[$lang]"
    done
    for element in name summary p; do
        grep -q "<$element xml:lang=\"$lang\">" "$metainfo" 2>/dev/null || fail "$metainfo has no <$element xml:lang=\"$lang\">"
    done
done

if [ "$failures" -ne 0 ]; then
    echo "To bring translations/*.ts and po/*.po up to date with the sources:"
    echo "    cmake --build $build_dir --target update_translations"
    echo "then translate what is missing (Qt Linguist for the .ts files, any PO editor for the .po files)."
    exit 1
fi
echo "PASS: every text translated in: $languages"
