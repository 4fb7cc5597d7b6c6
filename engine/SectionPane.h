#pragma once

#include <QString>
#include <QStringList>
#include <functional>

#include "LinkTable.h"

class ListTarget;
class PrintTarget;

// One instance of the section engine: prints a section's raw text onto its picture box in one
// flow, letting the box advance its own print position, and records every link it prints.
class SectionPane {
public:
    static constexpr quint32 kWhite = 0xFFFFFF;
    static constexpr quint32 kYellow = 0x00FFFF;
    static constexpr quint32 kRed = 0x0000FF;

    // linkList may be null: the pane then only remembers its link texts (LinkTexts).
    SectionPane(PrintTarget& picture, ListTarget* linkList);

    // Clears and redraws the picture, rebuilds the link table, lists each printed link.
    void RenderSectionText(const QString& sectionText);
    void AddLink(qint32 x, qint32 y, qint32 width, qint32 height, const QString& target);

    // Called with every link as it is recorded.
    void SetLinkObserver(std::function<void(const LinkRecord&)> observer) {
        m_linkObserver = std::move(observer);
    }

    const LinkTable& Links() const { return m_links; }
    // The texts of the links of the last drawing, in print order.
    const QStringList& LinkTexts() const { return m_linkTexts; }

private:
    static QString PrepareText(const QString& sectionText);
    void PrintTag(QStringView tag);
    void PrintLink(QStringView text, QStringView target);

    PrintTarget& m_picture;
    ListTarget* m_linkList;
    LinkTable m_links;
    QStringList m_linkTexts;
    std::function<void(const LinkRecord&)> m_linkObserver;
};
