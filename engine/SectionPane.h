#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "LinkTable.h"

class ListTarget;
class PrintTarget;

// One instance of the section engine: prints a section's raw text onto its picture box in one
// flow, letting the box advance its own print position, and records every link it prints.
class SectionPane : public QObject {
    Q_OBJECT
public:
    // linkList may be null: the pane then only remembers its link texts (LinkTexts).
    SectionPane(PrintTarget& picture, ListTarget* linkList);

    // Clears and redraws the picture, rebuilds the link table, lists each printed link.
    void RenderSectionText(const QString& sectionText);
    void AddLink(qint32 x, qint32 y, qint32 width, qint32 height, const QString& target);

    const LinkTable& Links() const { return m_links; }
    // The texts of the links of the last drawing, in print order.
    const QStringList& LinkTexts() const { return m_linkTexts; }

signals:
    // A link was recorded.
    void LinkAdded(const LinkRecord& link);

private:
    static QString PrepareText(const QString& sectionText);
    void PrintTag(QStringView tag);
    void PrintLink(QStringView text, QStringView target);

    PrintTarget& m_picture;
    ListTarget* m_linkList;
    LinkTable m_links;
    QStringList m_linkTexts;
};
