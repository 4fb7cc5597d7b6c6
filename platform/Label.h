#pragma once

#include <QLabel>

// A label: a caption that may hold CR LF line breaks, an alignment (0 left, 1 right, 2 centre,
// each line by itself), and a transparent or opaque background.
class Label : public QLabel {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr);

    const QString& Caption() const { return m_caption; }
    void SetCaption(const QString& caption);

    int Alignment() const { return m_alignment; }
    void SetAlignment(int alignment);

    void SetForeColor(quint32 colour);
    void SetTransparent(bool transparent);

private:
    QString m_caption;
    int m_alignment = 0;
};
