#include "Navigation.h"

#include "FindSection.h"
#include "ListTarget.h"
#include "SectionPane.h"

void FollowFirstLink(SectionPane& pane, const QString& scriptText, ListTarget& linkList) {
    linkList.Clear();
    const LinkTable& links = pane.Links();
    QStringList targets;
    for (int i = 1; i <= links.LastIndex(); ++i)
        targets.append(links[i].Target);
    const auto [found, section] = FindFirstSection(scriptText, targets);
    if (found >= 0) pane.RenderSectionText(section);
}
