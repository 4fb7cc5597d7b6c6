#pragma once

#include <QString>

class ListTarget;
class SectionPane;

// Follows the first link of the pane's last drawing whose target is a section of scriptText:
// empties the link list, then draws that section (which lists its own links). When no target
// names a section, the list stays empty and the picture keeps its drawing.
void FollowFirstLink(SectionPane& pane, const QString& scriptText, ListTarget& linkList);
