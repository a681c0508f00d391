#include "bridge/JsonVariant.h"

#include <QVariantList>
#include <QVariantMap>
#include <limits>
#include <nlohmann/json.hpp>

namespace qtshell {

QVariant toVariant(const nlohmann::json& value) {
    using Type = nlohmann::json::value_t;
    switch (value.type()) {
    case Type::object: {
        QVariantMap map;
        for (const auto& [key, item] : value.items())
            map.insert(QString::fromStdString(key), toVariant(item));
        return map;
    }
    case Type::array: {
        QVariantList list;
        list.reserve(static_cast<qsizetype>(value.size()));
        for (const auto& item : value)
            list.append(toVariant(item));
        return list;
    }
    case Type::string:
        return QString::fromStdString(value.get_ref<const std::string&>());
    case Type::boolean:
        return value.get<bool>();
    case Type::number_integer:
        return QVariant::fromValue(value.get<qint64>());
    case Type::number_unsigned: {
        // QML numbers are doubles; keep small values integral.
        const auto u = value.get<std::uint64_t>();
        if (u <= static_cast<std::uint64_t>(std::numeric_limits<qint64>::max()))
            return QVariant::fromValue(static_cast<qint64>(u));
        return static_cast<double>(u);
    }
    case Type::number_float:
        return value.get<double>();
    case Type::binary: {
        const auto& bytes = value.get_binary();
        return QByteArray(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<qsizetype>(bytes.size()));
    }
    case Type::null:
    case Type::discarded:
        break;
    }
    return {};
}

} // namespace qtshell
