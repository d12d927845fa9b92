#include "store/Registry.h"

#include "store/LittleEndian.h"
#include "store/RegText.h"
#include "store/RegistryBackend.h"

#include <algorithm>
#include <utility>

namespace vantrel {
namespace {

std::string utf8(QStringView text) { return text.toUtf8().toStdString(); }

QByteArray toByteArray(const std::vector<std::uint8_t>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<qsizetype>(bytes.size()));
}

std::vector<std::uint8_t> toBytes(const QByteArray& bytes)
{
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

bool isText(ValueType type) { return type == ValueType::String || type == ValueType::ExpandString; }

// A name with a line break or another control character would change the file's
// lines when written; such names are refused rather than stored as something else.
bool isStorableName(std::string_view name)
{
    return std::none_of(name.begin(), name.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; });
}

std::optional<RegistryValue> registryValueOf(const RegValue* value)
{
    if (!value) return std::nullopt;
    return RegistryValue{value->type, toByteArray(value->data)};
}

std::string_view hiveName(RegistryRoot root)
{
    return root == RegistryRoot::Machine ? "HKEY_LOCAL_MACHINE" : "HKEY_CURRENT_USER";
}

}  // namespace

RegistryKey::RegistryKey(StoreLocation location, StoreHooks hooks, RegKey snapshot)
    : location_(std::move(location)),
      hooks_(std::move(hooks)),
      snapshot_(std::move(snapshot)),
      open_(true)
{
}

RegistryKey::RegistryKey(RegistryKey&& other) noexcept
    : location_(std::move(other.location_)),
      hooks_(std::move(other.hooks_)),
      snapshot_(std::move(other.snapshot_)),
      open_(std::exchange(other.open_, false)),
      refusal_(std::move(other.refusal_))
{
}

RegistryKey& RegistryKey::operator=(RegistryKey&& other) noexcept
{
    location_ = std::move(other.location_);
    hooks_ = std::move(other.hooks_);
    snapshot_ = std::move(other.snapshot_);
    open_ = std::exchange(other.open_, false);
    refusal_ = std::move(other.refusal_);
    return *this;
}

void RegistryKey::close()
{
    open_ = false;
    snapshot_.values.clear();
}

const RegValue* RegistryKey::find(QStringView name) const
{
    return open_ ? snapshot_.findValue(utf8(name)) : nullptr;
}

bool RegistryKey::valueExists(QStringView name) const { return find(name) != nullptr; }

std::optional<ValueInfo> RegistryKey::valueInfo(QStringView name) const
{
    const RegValue* value = find(name);
    if (!value) return std::nullopt;
    return ValueInfo{value->type, static_cast<qsizetype>(value->data.size())};
}

std::optional<QByteArray> RegistryKey::readBytes(QStringView name) const
{
    const RegValue* value = find(name);
    if (!value) return std::nullopt;
    return toByteArray(value->data);
}

std::optional<qint32> RegistryKey::readInteger(QStringView name) const
{
    const RegValue* value = find(name);
    if (!value) return std::nullopt;
    if (value->type == ValueType::Dword && value->data.size() == 4) {
        return static_cast<qint32>(ReadLittleEndian32(value->data.data()));
    }
    if (const auto text = readString(name)) {
        bool ok = false;
        const qint32 number = text->toInt(&ok, 10);
        if (ok) return number;
    }
    return std::nullopt;
}

qint32 RegistryKey::readInteger(QStringView name, qint32 fallback) const
{
    return readInteger(name).value_or(fallback);
}

std::optional<QString> RegistryKey::readString(QStringView name) const
{
    const RegValue* value = find(name);
    if (!value || !isText(value->type)) return std::nullopt;
    const auto text = regtext::fromUtf16le(value->data);
    if (!text) return std::nullopt;
    return QString::fromStdString(*text);
}

bool RegistryKey::writeBinary(QStringView name, const QByteArray& bytes)
{
    return writeValue(name, ValueType::Binary, bytes);
}

bool RegistryKey::writeInteger(QStringView name, qint32 value)
{
    const auto bytes = LittleEndian32(static_cast<std::uint32_t>(value));
    return writeValue(name, ValueType::Dword,
                      QByteArray(reinterpret_cast<const char*>(bytes.data()), 4));
}

bool RegistryKey::writeString(QStringView name, const QString& text, ValueType type)
{
    return writeValue(name, type, toByteArray(regtext::toUtf16le(text.toStdString(), true)));
}

bool RegistryKey::writeValue(QStringView name, ValueType type, const QByteArray& bytes)
{
    return updateValue(name, [&](const std::optional<RegistryValue>&) {
        return RegistryValue{type, bytes};
    });
}

bool RegistryKey::updateValue(QStringView name, const ValueUpdate& update)
{
    const std::string valueName = utf8(name);
    if (!open_) {
        refusal_ = QStringLiteral("the key is closed");
        return false;
    }
    if (!isStorableName(valueName)) {
        refusal_ = QStringLiteral("a value name may not hold a control character");
        return false;
    }
    const backend::KeyChange change =
        backend::changeKey(location_, hooks_, snapshot_.path, [&](RegKey& key) {
            RegistryValue updated = update(registryValueOf(key.findValue(valueName)));
            key.setValue(RegValue{valueName, updated.type, toBytes(updated.bytes)});
        });
    if (!change.saved) {
        refusal_ = change.problem;
        return false;
    }
    refusal_.clear();
    snapshot_ = *change.saved;
    return true;
}

Registry::Registry(RegistryRoot root)
    : Registry(root, root == RegistryRoot::Machine ? machineStoreLocation() : userStoreLocation())
{
}

Registry::Registry(RegistryRoot root, StoreLocation location, StoreHooks hooks)
    : root_(root), location_(std::move(location)), hooks_(std::move(hooks))
{
}

std::optional<RegistryKey> Registry::open(QStringView keyPath) const
{
    return openKey(keyPath, false);
}

std::optional<RegistryKey> Registry::openExisting(QStringView keyPath) const
{
    return openKey(keyPath, true);
}

std::string Registry::fullPath(QStringView keyPath) const
{
    const std::string below = tidyKeyPath(utf8(keyPath));
    return below.empty() ? std::string() : std::string(hiveName(root_)) + '\\' + below;
}

std::optional<RegistryKey> Registry::openKey(QStringView keyPath, bool onlyExisting) const
{
    const std::string path = fullPath(keyPath);
    if (path.empty() || !isStorableName(path)) return std::nullopt;
    if (std::optional<RegKey> key = backend::readKey(location_, path))
        return RegistryKey(location_, hooks_, std::move(*key));
    if (onlyExisting) return std::nullopt;
    return RegistryKey(location_, hooks_, RegKey{path, {}});
}

}  // namespace vantrel
