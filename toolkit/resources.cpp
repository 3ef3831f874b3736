#include "resources.h"

#include <QByteArray>
#include <QHash>
#include <QResource>
#include <QString>

#include <algorithm>
#include <cstring>

EResNotFound::EResNotFound(const std::string& name)
    : Exception(name + " リソースが見つかりません")
{
}

namespace {

// The resource description stores every entry as :/rofo/<TYPE>/<NAME> in
// upper case, so a look-up only has to fold the name it is given.
QString ResourcePath(const std::string& name, const std::string& type)
{
    return QStringLiteral(":/rofo/") + QString::fromStdString(type).toUpper() + u'/'
        + QString::fromStdString(name).toUpper();
}

// Compressed entries are inflated once and kept for the life of the process,
// so every span handed out stays valid.
std::span<const std::uint8_t> InflatedOnce(const QString& path, const QResource& resource)
{
    static QHash<QString, QByteArray> inflated;
    auto it = inflated.find(path);
    if (it == inflated.end())
        it = inflated.insert(path, resource.uncompressedData());
    return {reinterpret_cast<const std::uint8_t*>(it->constData()), std::size_t(it->size())};
}

} // namespace

std::span<const std::uint8_t> FindResourceData(const std::string& name, const std::string& type)
{
    const QString path = ResourcePath(name, type);
    QResource resource(path);
    if (!resource.isValid() || resource.data() == nullptr)
        return {};
    if (resource.compressionAlgorithm() != QResource::NoCompression)
        return InflatedOnce(path, resource);
    return {resource.data(), std::size_t(resource.size())};
}

TResourceStream::TResourceStream(HINSTANCE, const std::string& name, const std::string& type)
    : name_(name), data_(FindResourceData(name, type))
{
    if (data_.data() == nullptr)
        throw EResNotFound(name);
}

std::size_t TResourceStream::Read(void* buffer, std::size_t count)
{
    const std::size_t n = std::min(count, data_.size() - position_);
    std::memcpy(buffer, data_.data() + position_, n);
    position_ += n;
    return n;
}

void TResourceStream::Skip(std::size_t count)
{
    position_ += std::min(count, data_.size() - position_);
}
