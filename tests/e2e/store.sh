# Reading and writing the settings-store files (registry export text) the way any
# other tool would, independently of the program's own store code. Sourced.

# reg_hex FILE VALUE -> the bytes of a hex: value as decimal numbers, one a line.
# Values may continue over lines that end in a backslash.
reg_hex() {
    local byte
    reg_hex_tokens "$@" | while read -r byte; do echo $((16#$byte)); done
}

reg_hex_tokens() {
    awk -v name="\"$2\"=hex:" '
        index($0, name) == 1 { taking = 1; $0 = substr($0, length(name) + 1) }
        taking {
            line = $0
            more = sub(/\\[ \t\r]*$/, "", line)
            gsub(/[ \t\r]/, "", line)
            n = split(line, parts, ",")
            for (i = 1; i <= n; ++i) if (parts[i] != "") print parts[i]
            if (!more) exit
        }' "$1"
}

# reg_dword FILE SECTION VALUE -> the decimal value of a dword: value in the
# section [SECTION] (the full key path), or nothing.
reg_dword() {
    local hex
    hex=$(reg_dword_hex "$@")
    [ -n "$hex" ] && echo $((16#$hex))
}

reg_dword_hex() {
    # The key path goes through the environment: awk -v would take its
    # backslashes for escapes.
    REG_SECTION="[$2]" awk -v name="\"$3\"=dword:" '
        /^\[/ { sub(/[ \t\r]+$/, ""); inside = ($0 == ENVIRON["REG_SECTION"]); next }
        inside && index($0, name) == 1 {
            v = substr($0, length(name) + 1); sub(/[ \t\r]+$/, "", v); print v; exit
        }' "$1"
}

# The stored record, read into the array RECORD (180 decimal byte values).
load_record() {
    mapfile -t RECORD < <(reg_hex "$1" fRegInfo)
}

record_int32() {  # record_int32 OFFSET -> signed little-endian 32-bit integer
    local o=$1 v
    v=$((RECORD[o] | RECORD[o + 1] << 8 | RECORD[o + 2] << 16 | RECORD[o + 3] << 24))
    ((v >= 2147483648)) && v=$((v - 4294967296))
    echo "$v"
}

record_short_string() {  # record_short_string OFFSET -> the text of a short string
    local o=$1 n i text=
    n=${RECORD[o]}
    for ((i = 1; i <= n; ++i)); do
        text+=$(printf "\\$(printf '%03o' "${RECORD[o + i]}")")
    done
    printf '%s' "$text"
}

top_score() { record_int32 $((16 + 4 * ($1 - 1))); }
top_name() { record_short_string $((12 + 24 * $1)); }

# Day numbers count from 30 December 1899, the calendar day in local time.
day_number() {  # day_number YYYY-MM-DD
    echo $((($(date -u -d "$1" +%s) - $(date -u -d 1899-12-30 +%s)) / 86400))
}
today_day_number() { day_number "$(date +%F)"; }

# The per-user reminder state, written as a person would write the file.
write_donate_state() {  # write_donate_state FILE EXECUTABLE_NAME STATUS LAST_PROMPT_DAY
    {
        printf 'Windows Registry Editor Version 5.00\r\n\r\n'
        printf '[HKEY_CURRENT_USER\\Software\\%s\\DonateForm]\r\n' "$2"
        printf '"DonateStatus"=dword:%08x\r\n' "$3"
        printf '"DonateLastPrompt"=dword:%08x\r\n' "$4"
    } >"$1"
}
