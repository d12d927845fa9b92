#pragma once

// Marks an English text, in code that knows nothing of Qt, as one the player meets in
// their own language: the text comes back as it is, and is translated where it is
// shown. The translation tools find it by this name, as they find QT_TRANSLATE_NOOP,
// filed under the context given first.

namespace vantrel {

constexpr const char* Translatable(const char* /*context*/, const char* english) { return english; }

}  // namespace vantrel
