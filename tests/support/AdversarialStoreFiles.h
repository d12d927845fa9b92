#pragma once

// Store files in the shapes that once made reading slow, grown to a given size: a
// test checks that they are read, a benchmark times the reading.

#include <cstddef>
#include <string>

namespace vantrel::testing {

// Many keys, then one key with a very long path and many short values under it.
inline std::string LongKeyPathStoreFile(std::size_t size, int& keys, int& values)
{
    std::string text = "Windows Registry Editor Version 5.00\r\n\r\n";
    keys = 0;
    while (text.size() < size / 4)
        text += "[HKEY_LOCAL_MACHINE\\Software\\K" + std::to_string(keys++) + "]\r\n";
    text += "[HKEY_LOCAL_MACHINE\\" + std::string(size / 4, 'p') + "]\r\n";
    ++keys;
    values = 0;
    while (text.size() < size - 32) text += "\"v" + std::to_string(values++) + "\"=dword:1\r\n";
    return text;
}

// One key whose value of one name comes again and again, in two spellings; rounds
// tells how many came after the first value.
inline std::string SameNameStoreFile(std::size_t size, int& rounds)
{
    std::string text = "[HKEY_LOCAL_MACHINE\\Software\\Many]\r\n\"first\"=dword:1\r\n";
    rounds = 0;
    while (text.size() < size - 32)
        text += rounds++ % 2 ? "\"SAME\"=dword:3\r\n" : "\"same\"=dword:2\r\n";
    return text;
}

}  // namespace vantrel::testing
