#pragma once

#include <QLabel>

#include "BackStyle.h"

class PropertyBag;

// A label: a caption that may hold CR LF line breaks, an alignment of each line, and a
// transparent or opaque background.
class Label : public QLabel {
    Q_OBJECT
public:
    // The values of the stored Alignment property.
    enum class Align { Left = 0, Right = 1, Center = 2 };

    explicit Label(QWidget* parent = nullptr);

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);

    Align Alignment() const { return m_alignment; }
    void SetAlignment(Align alignment);

    void SetForeColor(quint32 color);
    void SetBackStyle(BackStyle style);

    // The stored properties of a label placed on a window: "Caption", "Alignment", "BackStyle"
    // (0 transparent, 1 opaque), font, colours and Enabled.
    void ReadProperties(const PropertyBag& bag);

private:
    QString m_caption;
    Align m_alignment = Align::Left;
};
