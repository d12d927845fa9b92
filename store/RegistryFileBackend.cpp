#include "store/RegistryBackend.h"

namespace vantrel::backend {

std::optional<RegKey> readKey(const StoreLocation& location, const std::string& path)
{
    const StoreFileContents current = readStoreFile(location);
    if (const RegKey* key = current.file.findKey(path)) return *key;
    return std::nullopt;
}

KeyChange changeKey(const StoreLocation& location, const StoreHooks& hooks, const std::string& path,
                    const std::function<void(RegKey&)>& change)
{
    const StoreChange saved =
        changeStoreFile(location, hooks, [&](RegFile& file) { change(file.ensureKey(path)); });
    if (!saved.saved) return {std::nullopt, saved.problem};
    return {*saved.saved->findKey(path), QString()};
}

}  // namespace vantrel::backend
