#include "PropertyBag.h"

#include "PropertyText.h"
#include "PropertyTypes.h"

// ---- Values ------------------------------------------------------------------------------

bool PropertyBag::ConvertValue(const QVariant& value, QMetaType type, QVariant* out) {
    return PropertyTypes::Convert(value, type, out);
}

bool PropertyBag::SameValue(const QVariant& value, const QVariant& defaultValue) {
    if (!value.isValid() || !defaultValue.isValid()) return false;
    if (value.metaType() == defaultValue.metaType()) return value == defaultValue;
    // Both ways, so that neither reading the default back nor converting it loses anything.
    QVariant asValue, asDefault;
    return ConvertValue(defaultValue, value.metaType(), &asValue) && asValue == value &&
           ConvertValue(value, defaultValue.metaType(), &asDefault) && asDefault == defaultValue;
}

// ---- Bag ---------------------------------------------------------------------------------

void PropertyBag::WriteProperty(const QString& key, const QVariant& value,
                                const QVariant& defaultValue) {
    if (!value.isValid() || PropertyTypes::IsEmpty(value)) return;
    if (SameValue(value, defaultValue)) return;
    m_entries.append({key, value});
}

QVariant PropertyBag::ReadProperty(const QString& key, const QVariant& defaultValue) const {
    int& reads = m_readCounts[key.toCaseFolded()];
    const int wanted = reads++;
    int seen = 0;
    for (const Entry& entry : m_entries) {
        if (entry.key.compare(key, Qt::CaseInsensitive) != 0) continue;
        if (seen++ < wanted) continue;
        if (!defaultValue.isValid()) return entry.value;
        QVariant converted;
        return ConvertValue(entry.value, defaultValue.metaType(), &converted) ? converted
                                                                              : defaultValue;
    }
    return defaultValue;
}

bool PropertyBag::Contains(const QString& key) const {
    for (const Entry& entry : m_entries)
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0) return true;
    return false;
}

void PropertyBag::Clear() {
    m_entries.clear();
    m_readCounts.clear();
}

// ---- Text form ---------------------------------------------------------------------------

bool PropertyBag::FormatEntry(const Entry& entry, QString* line) {
    line->clear();
    QString value;
    if (!PropertyText::ValidKey(entry.key) || !PropertyTypes::Format(entry.value, &value))
        return false;
    *line = entry.key.toLower() + QStringLiteral(" = ") + value;
    return true;
}

bool PropertyBag::ParseLine(QStringView line, Entry* entry) {
    QStringView key, value;
    QVariant parsed;
    if (!PropertyText::SplitLine(line, &key, &value) || !PropertyTypes::Parse(value, &parsed))
        return false;
    *entry = Entry{key.toString(), parsed};
    return true;
}

QString PropertyBag::ToText(int* skipped) const {
    QString text;
    int failed = 0;
    for (const Entry& entry : m_entries) {
        QString line;
        if (!FormatEntry(entry, &line)) {
            ++failed;
            continue;
        }
        text += line;
        text += u'\n';
    }
    if (skipped) *skipped = failed;
    return text;
}

PropertyBag PropertyBag::FromText(QStringView text, int* skipped) {
    PropertyBag bag;
    int failed = 0;
    if (text.startsWith(QChar(0xFEFF))) text = text.mid(1);
    for (QStringView line : text.split(u'\n')) {
        if (line.endsWith(u'\r')) line.chop(1);
        const QStringView trimmed = line.trimmed();
        if (trimmed.isEmpty() || trimmed[0] == u'#') continue;
        Entry entry;
        if (ParseLine(line, &entry))
            bag.m_entries.append(entry);
        else
            ++failed;
    }
    if (skipped) *skipped = failed;
    return bag;
}
