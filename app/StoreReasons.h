#pragma once

#include <QString>

#include <functional>

namespace vantrel {

// Why the store could not keep something, in the player's language. The store writes
// its reasons in English, for its own messages and logs, in a few fixed forms that
// nest ("<file>: its folder <folder> is refused: it belongs to another user"); each
// form is said in the player's language, and what fills its places is said again in
// the same way, down to the names of files and folders, which are passed through
// name() (to make them safe on a terminal, say) and otherwise kept as they are.
QString ReasonInWords(const QString& reason,
                      const std::function<QString(const QString&)>& name = {});

}  // namespace vantrel
