# What a card face must look like on the table, checked in the last screenshot:
# the card rectangle, the rank colour in the top-left corner, the corner suit
# pictures and the pips where the card-painting rules put them. Regular cards only.
# Sourced after lib.sh.

CARD_W=71
CARD_H=82

card_rank() { echo $(($1 % 13 + 1)); }
card_suit() { echo $((($1 - 1) / 13 + 1)); }
suit_colour() { case $1 in 1 | 3) echo red ;; *) echo black ;; esac; }
other_colour() { case $1 in red) echo black ;; *) echo red ;; esac; }
card_name() {
    local ranks=(- A 2 3 4 5 6 7 8 9 10 J Q K) suits=(- hearts clubs diamonds spades)
    echo "${ranks[$(card_rank "$1")]} of ${suits[$(card_suit "$1")]}"
}

# Pip picture sizes by suit: hearts, diamonds and spades 9 x 9, clubs 9 x 10.
pip_height() { if [ "$1" -eq 2 ]; then echo 10; else echo 9; fi; }
PIP_W=9

# The coloured pixels of one pip picture of a suit, counted once from the
# program's artwork.
PIP_PIXELS=()
pip_pixels() {
    if [ -z "${PIP_PIXELS[$1]:-}" ]; then
        local names=(- H C D S) colour
        colour=$(suit_colour "$1")
        PIP_PIXELS[$1]=$("$CONVERT" "$PICTURES_DIR/${names[$1]}Pip.png" -depth 8 txt:- |
            awk -v colour="$colour" -F'[(),]+' '
                NR > 1 { r = $3; g = $4; b = $5
                         if (colour == "red" ? r > 200 && g < 80 && b < 80 : r < 60 && g < 60 && b < 60) n++ }
                END { print n + 0 }')
    fi
    echo "${PIP_PIXELS[$1]}"
}

# Left offset of a row of k pips, centred across the card.
pip_row_left() { echo $(((CARD_W - $1 * PIP_W - 3 * ($1 - 1)) / 2)); }

# pip_rows RANK PIP_HEIGHT -> lines "count top" (offsets from the card's top).
pip_rows() {
    local rank=$1 ph=$2 oy=$(((CARD_H - $2) / 2))
    if [ "$rank" -le 5 ]; then
        echo "$rank $oy"
    elif [ "$rank" -le 10 ]; then
        echo "$((rank / 2)) $((oy - ph))"
        echo "$((rank - rank / 2)) $((oy + ph))"
    fi
}

# Every pip picture has its symbol's colour at its pixel (4,4); its right neighbour
# starts three white pixels after it.
check_pips() {  # check_pips X0 Y0 CODE
    local x0=$1 y0=$2 code=$3 rank suit ph colour count top j left x
    rank=$(card_rank "$code")
    suit=$(card_suit "$code")
    ph=$(pip_height "$suit")
    colour=$(suit_colour "$suit")
    while read -r count top; do
        [ -n "$count" ] || continue
        left=$((x0 + $(pip_row_left "$count")))
        for ((j = 0; j < count; ++j)); do
            x=$((left + j * (PIP_W + 3)))
            [ "$(table_count $((x + 4)) $((y0 + top + 4)) $((x + 5)) $((y0 + top + 5)) "$colour")" -eq 1 ] ||
                { echo "      no $colour pip $((j + 1)) of $count at ($x,$((y0 + top)))" >&2; return 1; }
            if ((j + 1 < count)); then
                table_pixel_is $((x + PIP_W + 1)) $((y0 + top + 4)) ffffff ||
                    { echo "      no white gap after pip $((j + 1))" >&2; return 1; }
            fi
        done
    done < <(pip_rows "$rank" "$ph")
    # The middle of the card holds exactly the pips of the rank in the suit's colour,
    # none on a court card.
    local expected=0 found
    [ "$rank" -le 10 ] && expected=$((rank * $(pip_pixels "$suit")))
    found=$(table_count $((x0 + 3)) $((y0 + 26)) $((x0 + CARD_W - 3)) $((y0 + 57)) "$colour")
    [ "$found" -eq "$expected" ] ||
        { echo "      $found $colour pixels in the pip area, expected $expected" >&2; return 1; }
    # Nothing but white where no pip belongs: the band between two rows.
    if [ "$rank" -gt 5 ]; then
        local band=$((y0 + (CARD_H - ph) / 2))
        [ "$(table_count $((x0 + 8)) $((band + 1)) $((x0 + CARD_W - 8)) $((band + ph - 1)) white)" \
            -eq $(((CARD_W - 16) * (ph - 2))) ] ||
            { echo "      the band between the pip rows is not white" >&2; return 1; }
    fi
    return 0
}

# check_card X0 Y0 CODE [over-back]: a whole face at the cell origin (X0,Y0), fully
# visible. A face dealt over a back (the crib) keeps the back's right and bottom
# edge beside it, one pixel outside the card, until the table is repainted.
check_card() {
    local x0=$1 y0=$2 code=$3 over=${4:-} suit colour other
    suit=$(card_suit "$code")
    colour=$(suit_colour "$suit")
    other=$(other_colour "$colour")
    local x1=$((x0 + CARD_W - 1)) y1=$((y0 + CARD_H - 1))
    table_pixel_is "$x0" "$y0" 000000 && table_pixel_is "$x1" "$y0" 000000 &&
        table_pixel_is "$x0" "$y1" 000000 && table_pixel_is "$x1" "$y1" 000000 &&
        table_pixel_is $((x0 + 1)) $((y0 + 1)) ffffff && table_pixel_is $((x0 + 30)) $((y0 + 1)) ffffff ||
        { echo "      no white card with a black outline at ($x0,$y0)" >&2; return 1; }
    # The felt just outside the outline on the left, right and below (a card in the
    # row above may cover the top): the card is exactly 71 x 82.
    table_pixel_is $((x0 - 1)) $((y0 + 30)) 008000 &&
        { [ "$over" = over-back ] || { table_pixel_is $((x0 + CARD_W)) $((y0 + 30)) 008000 &&
            table_pixel_is $((x0 + 30)) $((y0 + CARD_H)) 008000; }; } ||
        { echo "      the card at ($x0,$y0) is not bordered by felt" >&2; return 1; }
    local rank_colour wrong
    rank_colour=$(table_count $((x0 + 2)) $((y0 + 1)) $((x0 + 20)) $((y0 + 20)) "$colour")
    wrong=$(table_count $((x0 + 2)) $((y0 + 1)) $((x0 + 20)) $((y0 + 20)) "$other")
    [ "$rank_colour" -gt 10 ] && [ "$wrong" -eq 0 ] ||
        { echo "      top-left rank text: $rank_colour $colour and $wrong $other pixels" >&2; return 1; }
    # Suit pictures, bottom-left and top-right, in the suit's colour.
    [ "$(table_count $((x0 + 2)) $((y0 + CARD_H - 25)) $((x0 + 25)) $((y0 + CARD_H - 2)) "$colour")" -gt 40 ] &&
        [ "$(table_count $((x0 + CARD_W - 25)) $((y0 + 2)) $((x0 + CARD_W - 2)) $((y0 + 25)) "$colour")" -gt 40 ] ||
        { echo "      corner suit pictures missing" >&2; return 1; }
    check_pips "$x0" "$y0" "$code"
}

# A card in row 1..3 is covered below by the row beneath it once that row is
# filled; this checks what stays visible: outline, rank colour and top-right picture.
check_card_top() {  # check_card_top X0 Y0 CODE
    local x0=$1 y0=$2 code=$3 colour other
    colour=$(suit_colour "$(card_suit "$code")")
    other=$(other_colour "$colour")
    table_pixel_is "$x0" "$y0" 000000 && table_pixel_is $((x0 + CARD_W - 1)) "$y0" 000000 &&
        [ "$(table_count $((x0 + 2)) $((y0 + 1)) $((x0 + 20)) $((y0 + 20)) "$colour")" -gt 10 ] &&
        [ "$(table_count $((x0 + 2)) $((y0 + 1)) $((x0 + 20)) $((y0 + 20)) "$other")" -eq 0 ] &&
        [ "$(table_count $((x0 + CARD_W - 25)) $((y0 + 2)) $((x0 + CARD_W - 2)) $((y0 + 25)) "$colour")" -gt 40 ]
}
