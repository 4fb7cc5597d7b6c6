#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringView>
#include <QVariant>

// The store of a control's persisted properties: ordered entries of a key and a value.
//
// Keys match without regard to letter case. A key may be written more than once; reads of it
// then come back in stored order: the n-th read of a key gets its n-th entry, and reads beyond
// the last entry get the default. Load() of a control restarts that order (RestartReading).
//
// Plain-text form, one entry a line (see ToText/FromText):
//
//   caption = str "编辑区\r\n\"quoted\" \\ back"
//   style = int 2
//   backcolor = uint 0x8000000F
//   enabled = bool true
//   crad = short 5
//   size = double 10.5
//   font = font "宋体" 12px bold noantialias
//   forecolor = color #FF0000
//   picture = image ":/images/panel.png"      (a file or resource path, read only)
//   icon = image png:iVBORw0KGgo...            (the picture itself, base64 PNG)
//
// Keys are written in lower case. Blank lines and lines starting with '#' are ignored; a line
// that does not parse is skipped.
class PropertyBag {
public:
    struct Entry {
        QString key;
        QVariant value;
    };

    // Appends an entry, unless value equals defaultValue (see SameValue) or value is empty (an
    // invalid QVariant or a null picture). Without a default the value is always written: the
    // controls that store every key every time call it that way.
    void WriteProperty(const QString& key, const QVariant& value,
                       const QVariant& defaultValue = QVariant());

    // The next stored entry of key (see above), converted to the type of defaultValue when one
    // is given; defaultValue when the key has no further entry or the stored value cannot be
    // converted without loss (a string that is no number, a number out of range).
    QVariant ReadProperty(const QString& key, const QVariant& defaultValue = QVariant()) const;

    template <typename T>
    T Read(const QString& key, const T& defaultValue) const {
        return ReadProperty(key, QVariant::fromValue(defaultValue)).template value<T>();
    }

    // Makes the next read of every key start again at its first entry.
    void RestartReading() const { m_readCounts.clear(); }

    bool Contains(const QString& key) const;
    const QList<Entry>& Entries() const { return m_entries; }
    int Count() const { return int(m_entries.size()); }
    bool IsEmpty() const { return m_entries.isEmpty(); }
    void Clear();

    // Whether a property holding value would read back as defaultValue, and the other way
    // round, so that leaving it out loses nothing. Numbers compare by value across int, uint,
    // short, bool and double; a signed and an unsigned 32-bit value with the same bits are
    // equal (colours 0x800000nn); a QColor compares as its 0x00BBGGRR value; strings compare
    // case-sensitively.
    static bool SameValue(const QVariant& value, const QVariant& defaultValue);

    // Converts value to the given type without loss; false when that is not possible.
    static bool ConvertValue(const QVariant& value, QMetaType type, QVariant* out);

    // One line of the text form, without a line break; false (and an empty string) for an entry
    // that the text form cannot hold: a key with blanks, '=' or control characters or starting
    // with '#' or a byte-order mark, a value of an unsupported type, or a value the text form
    // would not read back (a font without a family).
    static bool FormatEntry(const Entry& entry, QString* line);
    // Parses one line of the text form; false for a blank, comment or malformed line.
    static bool ParseLine(QStringView line, Entry* entry);

    // The whole bag, one line an entry, each ending in "\n". Entries the text form cannot hold
    // are left out and counted in *skipped.
    QString ToText(int* skipped = nullptr) const;
    // Reads the text form; CR LF line ends and a leading byte-order mark are accepted.
    // Malformed lines are skipped and counted in *skipped.
    static PropertyBag FromText(QStringView text, int* skipped = nullptr);

private:
    QList<Entry> m_entries;
    // Reads made so far of each key (case-folded), for repeated keys.
    mutable QHash<QString, int> m_readCounts;
};
