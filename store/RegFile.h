#pragma once

/* The settings store's file: the registry export format, as text that people can read
   and the native registry tool can import.

     Windows Registry Editor Version 5.00

     [HKEY_LOCAL_MACHINE\Software\Vantrel]
     "fRegInfo"=hex:08,56,61,6e,74,72,65,6c,35,00,00,01,00,00,00,00,00,00,00,00,00,\
       00,00,...
     "DonateStatus"=dword:00000004
     "Name"="text with \\ and \" escaped"
     "Path"=hex(2):25,00,48,00,...,00,00
     @="the key's default value"
*/

// Parsing is forgiving, because people edit these files and a damaged one must never
// cost the values that are still good: UTF-8 or UTF-16 with a byte-order mark, CRLF or
// LF, either header (or none), hive names and type prefixes in any case, spaces around
// the parts, ';' comments. A line that cannot be understood is skipped on its own;
// deletion lines ("[-KEY]", "name"=-) are skipped too, as are the values that follow a
// key deletion. Comments and skipped lines are not written back.
//
// Writing gives UTF-8 with CRLF line ends: CRLF is the format's own line end, so a
// file can be imported as it is where the native registry exists, and every tool here
// reads it; the text is plain ASCII in practice (names are ASCII, byte data is hex), so
// UTF-8 needs no byte-order mark. Hex data wraps at about 80 columns with ",\" and a
// two-space indent, as the native tool writes it.
//
// Free of Qt: names and text are UTF-8 std::string, data are bytes.

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vantrel {

// The native store's value type codes; any other code survives a round trip as hex(N).
enum class ValueType : std::uint32_t {
    String = 1,
    ExpandString = 2,
    Binary = 3,
    Dword = 4,
    MultiString = 7,
    Qword = 11,
};

struct RegValue {
    std::string name;  // empty for the key's default value, written "@"
    ValueType type = ValueType::Binary;
    // The bytes as the native store holds them: strings as UTF-16LE ending in a NUL
    // code unit, a dword as four little-endian bytes.
    std::vector<std::uint8_t> data;
};

struct RegKey {
    std::string path;  // with its hive, as first written: "HKEY_CURRENT_USER\Software\x"
    std::vector<RegValue> values;  // in file order

    const RegValue* findValue(std::string_view name) const;  // names ignore ASCII case
    void setValue(RegValue value);  // replaces a value of the same name, keeping its place
};

class RegFile {
public:
    // Reads a whole file's bytes; never fails, see above for what is skipped.
    static RegFile parse(std::string_view fileBytes);
    std::string serialise() const;

    // Key paths compare ignoring ASCII case and empty components, with the usual
    // short hive names (HKLM, HKCU, ...) standing for the long ones.
    const RegKey* findKey(std::string_view path) const;
    RegKey& ensureKey(std::string_view path);  // adds an empty key at the end if missing
    // The same, as the key's position in keys(), which stays valid as keys are added.
    std::size_t ensureKeyPosition(std::string_view path);
    RegKey& keyAt(std::size_t position) { return keys_[position]; }
    const std::vector<RegKey>& keys() const { return keys_; }

private:
    std::vector<RegKey> keys_;
    // Comparable path -> position in keys_, so that reading a file with many keys
    // stays linear.
    std::unordered_map<std::string, std::size_t> keyIndex_;
};

// A key path in the form the file writes it: components joined by single
// backslashes, no leading or trailing one ("\Software\\Vantrel\" -> "Software\Vantrel"),
// and no spaces at either end, as the reader trims them inside "[...]": a tidy path
// reads back as itself ("a \" -> "a").
std::string tidyKeyPath(std::string_view path);

// One value as its line in the file (without the line end), continuation lines
// included; exposed for the tests of the line format.
std::string formatValueLine(const RegValue& value);

}  // namespace vantrel
