// Reading the store file: every line is judged on its own, so a damaged line costs
// only itself. Reading is linear in the file's size whatever its shape: the current
// key is looked up once per key line, and each key keeps an index of its value names.

#include "store/RegFile.h"

#include "store/LittleEndian.h"
#include "store/RegText.h"

#include <optional>
#include <string>
#include <unordered_map>

namespace vantrel {
namespace {

constexpr std::string_view Spaces = " \t";

std::string_view trimmed(std::string_view s)
{
    const std::size_t first = s.find_first_not_of(Spaces);
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(Spaces) - first + 1);
}

bool startsWithIgnoringCase(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() &&
           regtext::sameNameIgnoringCase(s.substr(0, prefix.size()), prefix);
}

std::optional<unsigned> hexDigitValue(char c)
{
    if (c >= '0' && c <= '9') return unsigned(c - '0');
    if (c >= 'a' && c <= 'f') return unsigned(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return unsigned(c - 'A' + 10);
    return std::nullopt;
}

// 1..maxDigits hex digits and nothing else.
std::optional<std::uint32_t> hexNumber(std::string_view s, std::size_t maxDigits)
{
    if (s.empty() || s.size() > maxDigits) return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : s) {
        const auto digit = hexDigitValue(c);
        if (!digit) return std::nullopt;
        value = (value << 4) | *digit;
    }
    return value;
}

// A quoted text starting at s[pos] == '"'; pos ends after the closing quote.
// "\\" and "\"" are escapes; any other backslash is kept, as people type paths.
std::optional<std::string> readQuoted(std::string_view s, std::size_t& pos)
{
    std::string out;
    for (std::size_t i = pos + 1; i < s.size(); ++i) {
        const char c = s[i];
        if (c == '"') {
            pos = i + 1;
            return out;
        }
        if (c == '\\' && i + 1 < s.size() && (s[i + 1] == '\\' || s[i + 1] == '"')) ++i;
        out += s[i];
    }
    return std::nullopt;
}

// "08,56, 61" -> bytes; an empty list is an empty value, a bad item spoils the whole.
std::optional<std::vector<std::uint8_t>> hexBytes(std::string_view list)
{
    std::vector<std::uint8_t> bytes;
    list = trimmed(list);
    if (list.empty()) return bytes;
    std::size_t pos = 0;
    while (pos <= list.size()) {
        const std::size_t end = std::min(list.find(',', pos), list.size());
        const auto byte = hexNumber(trimmed(list.substr(pos, end - pos)), 2);
        if (!byte) return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(*byte));
        pos = end + 1;
    }
    return bytes;
}

bool isHexContinuation(std::string_view line)
{
    const std::string_view body = trimmed(line);
    return !body.empty() &&
           body.find_first_not_of("0123456789abcdefABCDEF, \t\\") == std::string_view::npos;
}

bool endsWithBackslash(std::string_view line)
{
    const std::string_view body = trimmed(line);
    return !body.empty() && body.back() == '\\';
}

std::optional<RegValue> typedHexValue(std::string_view data, bool oldStyle)
{
    ValueType type = ValueType::Binary;
    std::size_t colon = 3;
    if (data.size() > 3 && data[3] == '(') {
        const std::size_t close = data.find(')');
        const auto code = close == std::string_view::npos ? std::nullopt
                                                          : hexNumber(data.substr(4, close - 4), 8);
        if (!code) return std::nullopt;
        type = static_cast<ValueType>(*code);
        colon = close + 1;
    }
    if (colon >= data.size() || data[colon] != ':') return std::nullopt;
    auto bytes = hexBytes(data.substr(colon + 1));
    if (!bytes) return std::nullopt;
    // Old-style files hold text values as single-byte characters.
    const bool text = type == ValueType::String || type == ValueType::ExpandString ||
                      type == ValueType::MultiString;
    if (oldStyle && text) bytes = regtext::widenWindows1252(*bytes);
    return RegValue{{}, type, std::move(*bytes)};
}

std::optional<RegValue> valueFromData(std::string_view data, bool oldStyle)
{
    if (data.starts_with('"')) {
        std::size_t pos = 0;
        const auto text = readQuoted(data, pos);
        if (!text || !trimmed(data.substr(pos)).empty()) return std::nullopt;
        return RegValue{{}, ValueType::String, regtext::toUtf16le(*text, true)};
    }
    if (startsWithIgnoringCase(data, "dword:")) {
        const auto number = hexNumber(trimmed(data.substr(6)), 8);
        if (!number) return std::nullopt;
        const auto bytes = LittleEndian32(*number);
        return RegValue{{}, ValueType::Dword, {bytes.begin(), bytes.end()}};
    }
    if (startsWithIgnoringCase(data, "hex")) return typedHexValue(data, oldStyle);
    return std::nullopt;  // deletions ("-") and anything unknown
}

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    RegFile run()
    {
        while (auto line = nextLine()) readLine(trimmed(*line));
        return std::move(file_);
    }

private:
    std::optional<std::string_view> nextLine()
    {
        if (pos_ >= text_.size()) return std::nullopt;
        const std::size_t end = std::min(text_.find('\n', pos_), text_.size());
        std::string_view line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        if (line.ends_with('\r')) line.remove_suffix(1);
        return line;
    }

    std::optional<std::string_view> peekLine()
    {
        const std::size_t saved = pos_;
        auto line = nextLine();
        pos_ = saved;
        return line;
    }

    void readLine(std::string_view line)
    {
        if (line.empty() || line.starts_with(';')) return;
        if (line.starts_with('['))
            readKeyLine(line);
        else if (line.starts_with('"') || line.starts_with('@'))
            readValueLine(line);
        else if (startsWithIgnoringCase(line, "REGEDIT4"))
            oldStyle_ = true;
        else if (startsWithIgnoringCase(line, "Windows Registry Editor Version"))
            oldStyle_ = false;
    }

    void readKeyLine(std::string_view line)
    {
        currentKey_.reset();
        // A key line that lost its closing bracket still names its key, so that the
        // values under it are not dropped by the next save.
        const std::size_t close = line.rfind(']');
        const std::string_view inside =
            close == std::string_view::npos ? line.substr(1) : line.substr(1, close - 1);
        const std::string path = tidyKeyPath(inside);
        if (path.empty() || path.starts_with('-'))
            return;  // "[-KEY]" deletes a key on import; here it only ends the section
        currentKey_ = file_.ensureKeyPosition(path);
        if (valueIndex_.size() <= *currentKey_) valueIndex_.resize(*currentKey_ + 1);
    }

    void readValueLine(std::string_view line)
    {
        std::string name;
        std::size_t pos = 1;
        if (line.starts_with('"')) {
            pos = 0;
            auto quotedName = readQuoted(line, pos);
            if (!quotedName) return;
            name = std::move(*quotedName);
        }
        const std::string_view rest = trimmed(line.substr(pos));
        if (!rest.starts_with('=')) return;
        const std::string_view dataStart = trimmed(rest.substr(1));
        std::string data(dataStart);
        if (startsWithIgnoringCase(dataStart, "hex") && !joinHexContinuations(data)) return;
        auto value = valueFromData(data, oldStyle_);
        if (!value || !currentKey_) return;
        value->name = std::move(name);
        RegKey& key = file_.keyAt(*currentKey_);
        // A name met again in its key replaces the earlier value's type and data in
        // its place, as a write of that name would.
        const auto [entry, added] = valueIndex_[*currentKey_].try_emplace(
            regtext::upperAscii(value->name), key.values.size());
        if (added) {
            key.values.push_back(std::move(*value));
        } else {
            RegValue& earlier = key.values[entry->second];
            earlier.type = value->type;
            earlier.data = std::move(value->data);
        }
    }

    // Joins the lines a hex value continues on; false when a continuation that the
    // value announced never comes (a truncated file), which drops the value.
    bool joinHexContinuations(std::string& data)
    {
        while (endsWithBackslash(data)) {
            // Trim in place: a big value has thousands of lines, and copying the
            // whole text for each would make reading quadratic.
            data.erase(data.find_last_not_of(Spaces) + 1);
            data.pop_back();
            const auto next = peekLine();
            if (!next || !isHexContinuation(*next)) return false;
            nextLine();
            data += trimmed(*next);
        }
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    RegFile file_;
    std::optional<std::size_t> currentKey_;  // position of the key the values go to
    // For each key's position: its upper-case value names and their positions.
    std::vector<std::unordered_map<std::string, std::size_t>> valueIndex_;
    bool oldStyle_ = false;
};

}  // namespace

RegFile RegFile::parse(std::string_view fileBytes)
{
    const std::string text = regtext::decodeFileText(fileBytes);
    return Parser(text).run();
}

}  // namespace vantrel
