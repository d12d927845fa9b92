#include "store/RegFile.h"

#include "store/LittleEndian.h"
#include "store/RegText.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vantrel {
namespace {

constexpr std::string_view LineEnd = "\r\n";
constexpr std::string_view Header = "Windows Registry Editor Version 5.00";
// A hex line is broken once it reaches this width, so that with its ",\" no line
// grows past 80 columns.
constexpr std::size_t HexWrapColumn = 76;

struct HiveAlias {
    std::string_view shortName;
    std::string_view longName;
};
constexpr std::array<HiveAlias, 5> HiveAliases{{
    {"HKLM", "HKEY_LOCAL_MACHINE"},
    {"HKCU", "HKEY_CURRENT_USER"},
    {"HKCR", "HKEY_CLASSES_ROOT"},
    {"HKU", "HKEY_USERS"},
    {"HKCC", "HKEY_CURRENT_CONFIG"},
}};

// The form two key paths are compared in: tidy, upper case, long hive name.
std::string comparableKeyPath(std::string_view path)
{
    std::string tidy = regtext::upperAscii(tidyKeyPath(path));
    const std::size_t firstEnd = std::min(tidy.find('\\'), tidy.size());
    const std::string_view hive(tidy.data(), firstEnd);
    for (const HiveAlias& alias : HiveAliases) {
        if (hive == alias.shortName) return std::string(alias.longName) + tidy.substr(firstEnd);
    }
    return tidy;
}

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    out += '"';
    return out;
}

// A string value is written as quoted text only when reading that text back gives the
// very same bytes: valid UTF-16, one terminating NUL, nothing that would break the line.
bool writableAsQuotedText(const RegValue& value, std::string& text)
{
    const auto& data = value.data;
    if (data.size() < 2 || data[data.size() - 1] != 0 || data[data.size() - 2] != 0) return false;
    const auto decoded = regtext::fromUtf16le(data);
    if (!decoded) return false;
    const bool hasControl = std::any_of(decoded->begin(), decoded->end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20;
    });
    if (hasControl) return false;
    text = *decoded;
    return true;
}

std::string hexDigits(std::uint32_t value, int width)
{
    static constexpr std::string_view digits = "0123456789abcdef";
    std::string out(static_cast<std::size_t>(width), '0');
    for (int i = width - 1; i >= 0; --i) {
        out[static_cast<std::size_t>(i)] = digits[value & 0xF];
        value >>= 4;
    }
    return out;
}

std::string hexTypePrefix(ValueType type)
{
    if (type == ValueType::Binary) return "hex:";
    std::string number = hexDigits(static_cast<std::uint32_t>(type), 8);
    number.erase(0, std::min(number.find_first_not_of('0'), number.size() - 1));
    return "hex(" + number + "):";
}

std::string hexLines(std::string line, const std::vector<std::uint8_t>& data)
{
    std::string out;
    for (std::size_t i = 0; i < data.size(); ++i) {
        line += hexDigits(data[i], 2);
        if (i + 1 == data.size()) break;
        line += ',';
        if (line.size() >= HexWrapColumn) {
            out += line;
            out += '\\';
            out += LineEnd;
            line = "  ";
        }
    }
    return out + line;
}

}  // namespace

const RegValue* RegKey::findValue(std::string_view name) const
{
    for (const RegValue& value : values) {
        if (regtext::sameNameIgnoringCase(value.name, name)) return &value;
    }
    return nullptr;
}

void RegKey::setValue(RegValue value)
{
    for (RegValue& existing : values) {
        if (regtext::sameNameIgnoringCase(existing.name, value.name)) {
            existing.type = value.type;
            existing.data = std::move(value.data);
            return;
        }
    }
    values.push_back(std::move(value));
}

const RegKey* RegFile::findKey(std::string_view path) const
{
    const auto found = keyIndex_.find(comparableKeyPath(path));
    return found == keyIndex_.end() ? nullptr : &keys_[found->second];
}

RegKey& RegFile::ensureKey(std::string_view path) { return keys_[ensureKeyPosition(path)]; }

std::size_t RegFile::ensureKeyPosition(std::string_view path)
{
    const auto [entry, added] = keyIndex_.try_emplace(comparableKeyPath(path), keys_.size());
    if (added) keys_.push_back(RegKey{tidyKeyPath(path), {}});
    return entry->second;
}

std::string RegFile::serialise() const
{
    std::string out(Header);
    out += LineEnd;
    out += LineEnd;
    for (const RegKey& key : keys_) {
        out += '[';
        out += key.path;
        out += ']';
        out += LineEnd;
        for (const RegValue& value : key.values) {
            out += formatValueLine(value);
            out += LineEnd;
        }
        out += LineEnd;
    }
    return out;
}

std::string tidyKeyPath(std::string_view path)
{
    constexpr std::string_view Spaces = " \t";
    std::vector<std::string_view> parts;
    std::size_t pos = 0;
    while (pos <= path.size()) {
        const std::size_t end = std::min(path.find('\\', pos), path.size());
        if (end > pos) parts.push_back(path.substr(pos, end - pos));
        pos = end + 1;
    }
    const auto blank = [&](std::string_view part) {
        return part.find_first_not_of(Spaces) == std::string_view::npos;
    };
    const auto first = std::find_if_not(parts.begin(), parts.end(), blank);
    const auto last =
        std::find_if_not(parts.rbegin(), std::make_reverse_iterator(first), blank).base();
    if (first == last) return {};
    first->remove_prefix(first->find_first_not_of(Spaces));
    std::prev(last)->remove_suffix(std::prev(last)->size() -
                                   std::prev(last)->find_last_not_of(Spaces) - 1);
    std::string out;
    for (auto part = first; part != last; ++part) {
        if (part != first) out += '\\';
        out += *part;
    }
    return out;
}

std::string formatValueLine(const RegValue& value)
{
    std::string line = value.name.empty() ? std::string("@") : quoted(value.name);
    line += '=';
    std::string text;
    if (value.type == ValueType::String && writableAsQuotedText(value, text))
        return line + quoted(text);
    if (value.type == ValueType::Dword && value.data.size() == 4) {
        return line + "dword:" + hexDigits(ReadLittleEndian32(value.data.data()), 8);
    }
    return hexLines(line + hexTypePrefix(value.type), value.data);
}

}  // namespace vantrel
