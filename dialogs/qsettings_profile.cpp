#include "dialogs/qsettings_profile.h"

#include <QStringList>

#include "model/integer_text.h"

namespace taravin {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString pathOf(std::string_view section, std::string_view key) {
    return fromUtf8(section) + QLatin1Char('/') + fromUtf8(key);
}

// The stored value as text. A hand-edited INI line with unquoted commas reads back as a list;
// it is joined again, since location lists are written that way.
std::string storedText(const QVariant& value) {
    if (value.metaType().id() == QMetaType::QStringList) {
        return value.toStringList().join(QStringLiteral(", ")).toStdString();
    }
    return value.toString().toStdString();
}

}  // namespace

QSettingsProfile::QSettingsProfile()
    : settings_(QStringLiteral("Kestrow - Danlo Program"), QStringLiteral("Taravin")) {}

int32_t QSettingsProfile::doReadInt(std::string_view section, std::string_view key,
                                    int32_t defaultValue) const {
    const QVariant value = settings_.value(pathOf(section, key));
    if (!value.isValid()) {
        return defaultValue;
    }
    return parseInteger(storedText(value)).value_or(defaultValue);
}

std::string QSettingsProfile::doReadString(std::string_view section, std::string_view key,
                                           std::string_view defaultValue) const {
    const QVariant value = settings_.value(pathOf(section, key));
    return value.isValid() ? storedText(value) : std::string(defaultValue);
}

void QSettingsProfile::doWriteInt(std::string_view section, std::string_view key, int32_t value) {
    write(section, key, QVariant(value));
}

void QSettingsProfile::doWriteString(std::string_view section, std::string_view key,
                                     std::string_view value) {
    write(section, key, QVariant(fromUtf8(value)));
}

void QSettingsProfile::write(std::string_view section, std::string_view key,
                             const QVariant& value) {
    settings_.setValue(pathOf(section, key), value);
    settings_.sync();
}

}  // namespace taravin
