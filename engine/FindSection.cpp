#include "FindSection.h"

#include <QHash>

#include "ForwardSearch.h"

namespace {

// Calls visit(start, close) for every label "[@...]" in text order, where start is the "[" and
// close the first "]" after it, until visit returns true.
template <typename Visit>
void ForEachLabel(QStringView view, Visit visit) {
    ForwardSearch closing(view, QLatin1Char(']'));
    for (qsizetype i = view.indexOf(QLatin1String("[@")); i >= 0;
         i = view.indexOf(QLatin1String("[@"), i + 1)) {
        const qsizetype close = closing.From(i);
        if (close < 0) return;  // no "]" from here on, so no later label can close either
        if (visit(i, close)) return;
    }
}

QStringView LabelName(QStringView view, qsizetype start, qsizetype close) {
    return view.mid(start + 2, close - start - 2);
}

QString SectionText(QStringView view, qsizetype start, qsizetype close) {
    // The character right after the "]" is never taken as the end of the section.
    const qsizetype next = view.indexOf(QLatin1Char('['), close + 2);
    const qsizetype end = next < 0 ? view.size() : next;
    return view.mid(start, end - start).toString();
}

}  // namespace

QString FindSection(const QString& text, const QString& name) {
    const QStringView view(text);
    QString found;
    ForEachLabel(view, [&](qsizetype start, qsizetype close) {
        if (!name.isEmpty() && LabelName(view, start, close) != name) return false;
        found = SectionText(view, start, close);
        return true;
    });
    return found;
}

std::pair<int, QString> FindFirstSection(const QString& text, const QStringList& names) {
    QHash<QString, int> rankOf;
    for (int i = names.size() - 1; i >= 0; --i)
        rankOf.insert(names[i], i);
    const QStringView view(text);
    int best = -1;
    qsizetype bestStart = 0;
    qsizetype bestClose = 0;
    bool first = true;
    ForEachLabel(view, [&](qsizetype start, qsizetype close) {
        auto consider = [&](int rank) {
            if (best < 0 || rank < best) {
                best = rank;
                bestStart = start;
                bestClose = close;
            }
        };
        // An empty name stands for the first label of the text.
        if (first) {
            if (const auto empty = rankOf.constFind(QString()); empty != rankOf.cend())
                consider(*empty);
            first = false;
        }
        const auto hit = rankOf.constFind(LabelName(view, start, close).toString());
        if (hit != rankOf.cend()) {
            consider(*hit);
            rankOf.erase(hit);  // later labels of the same name never win
        }
        return best == 0;
    });
    if (best < 0) return {-1, QString()};
    return {best, SectionText(view, bestStart, bestClose)};
}
