#include "settings/qt/QSettingsBackend.h"

#include <QSettings>
#include <QString>

namespace vordalis {
namespace {

// Key paths look like "HKCU\Software\Morvex\Vordalis\Settings"; the part after the
// application's own key becomes the QSettings group.
QString GroupOf(const std::u16string& path) {
    QString p = QString::fromStdU16String(path);
    const QString app = QStringLiteral("\\Software\\Morvex\\Vordalis");
    int at = p.indexOf(app);
    if (at < 0) return QString();
    QString rest = p.mid(at + app.size());
    if (rest.startsWith(QLatin1Char('\\'))) rest.remove(0, 1);
    return rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
}

bool IsOurKey(const std::u16string& path) {
    return QString::fromStdU16String(path).startsWith(QStringLiteral("HKCU\\Software\\Morvex\\Vordalis"));
}

} // namespace

bool QSettingsBackend::OpenKey(const std::u16string& path, bool) {
    return IsOurKey(path);
}

std::optional<SettingValue> QSettingsBackend::Get(const std::u16string& path, const std::u16string& name) {
    if (!IsOurKey(path)) return std::nullopt;
    QSettings s(QStringLiteral("Morvex"), QStringLiteral("Vordalis"));
    s.beginGroup(GroupOf(path));
    QVariant v = s.value(QString::fromStdU16String(name));
    if (!v.isValid()) return std::nullopt;
    switch (v.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return SettingValue::Dword(static_cast<uint32_t>(v.toLongLong()));
    case QMetaType::QString: {
        // A text file store cannot tell a number from a text: a value written as
        // "dword:<n>" or that is a plain decimal number reads as a DWORD.
        QString t = v.toString();
        if (t.startsWith(QStringLiteral("dword:"))) {
            bool ok = false;
            qlonglong n = t.mid(6).toLongLong(&ok);
            if (ok && n >= INT32_MIN && n <= UINT32_MAX) return SettingValue::Dword(static_cast<uint32_t>(n));
            return SettingValue{};
        }
        if (t.startsWith(QStringLiteral("sz:"))) return SettingValue::String(t.mid(3).toStdU16String());
        bool ok = false;
        qlonglong n = t.toLongLong(&ok);
        if (ok && n >= INT32_MIN && n <= UINT32_MAX) return SettingValue::Dword(static_cast<uint32_t>(n));
        return SettingValue::String(t.toStdU16String());
    }
    default:
        return SettingValue{};
    }
}

bool QSettingsBackend::Set(const std::u16string& path, const std::u16string& name,
                           const SettingValue& value) {
    if (!IsOurKey(path)) return false;
    QSettings s(QStringLiteral("Morvex"), QStringLiteral("Vordalis"));
    s.beginGroup(GroupOf(path));
    QString key = QString::fromStdU16String(name);
    if (value.kind == SettingValue::Kind::Dword)
        s.setValue(key, static_cast<int>(static_cast<int32_t>(value.dword)));
    else if (value.kind == SettingValue::Kind::String)
        // Texts carry a type mark so that a numeric-looking folder name stays a text.
        s.setValue(key, QStringLiteral("sz:") + QString::fromStdU16String(value.text));
    else
        return false;
    s.endGroup();
    // QSettings writes through a temporary file and renames it, so the store is never half-written.
    s.sync();
    return s.status() == QSettings::NoError;
}

void UseQSettingsBackend() {
    SetSettingsBackend(std::make_shared<QSettingsBackend>());
}

} // namespace vordalis
