#include "StoredForm.h"

#include "Resources.h"

namespace {

// Stored places are held to this many twips either way, so that pixel and sum arithmetic
// downstream never overflows.
constexpr qint64 kPlaceLimit = 10'000'000;

// A whole 32-bit number; false for anything else, a number out of range included.
bool ParseInt(QStringView word, int* out) {
    bool ok = false;
    const int value = word.toInt(&ok);
    if (ok) *out = value;
    return ok;
}

int ClampPlace(int twips) {
    return int(qBound(-kPlaceLimit, qint64(twips), kPlaceLimit));
}

// "control TYPE NAME in CONTAINER at L T W H [code N] [tabstop true|false]"
bool ParseControlHeader(const QList<QStringView>& w, StoredControl* control) {
    if (w.size() < 10 || w[3] != u"in" || w[5] != u"at") return false;
    control->type = w[1].toString();
    control->name = w[2].toString();
    control->container = w[4].toString();
    int place[4];
    for (int i = 0; i < 4; ++i)
        if (!ParseInt(w[6 + i], &place[i])) return false;
    control->place =
        QRect(ClampPlace(place[0]), ClampPlace(place[1]), qBound(0, place[2], int(kPlaceLimit)),
              qBound(0, place[3], int(kPlaceLimit)));
    for (qsizetype i = 10; i < w.size(); i += 2) {
        if (i + 1 >= w.size()) return false;
        if (w[i] == u"code") {
            if (!ParseInt(w[i + 1], &control->code)) return false;
        } else if (w[i] == u"tabstop") {
            if (w[i + 1] != u"true" && w[i + 1] != u"false") return false;
            control->tabStop = w[i + 1] == u"true";
        } else {
            return false;
        }
    }
    return true;
}

QString Problem(int lineNumber, const QString& what) {
    return QStringLiteral("line %1: %2").arg(lineNumber).arg(what);
}

}  // namespace

StoredForm StoredForm::FromText(QStringView text) {
    StoredForm form;
    enum class Block { None, Form, Control, Skipped };
    Block block = Block::None;
    StoredControl control;
    auto closeBlock = [&] {
        if (block == Block::Control) form.controls.append(std::move(control));
        control = StoredControl();
        block = Block::None;
    };

    int lineNumber = 0;
    for (QStringView line : text.tokenize(u'\n')) {
        ++lineNumber;
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u'#')) continue;
        const QList<QStringView> words = line.split(u' ', Qt::SkipEmptyParts);
        if (words[0] == u"end" && words.size() == 1) {
            if (block == Block::None)
                form.problems.append(Problem(lineNumber, "end outside a block"));
            closeBlock();
            continue;
        }
        if (words[0] == u"form" || words[0] == u"control") {
            if (block != Block::None) {
                form.problems.append(Problem(lineNumber, "block without end"));
                closeBlock();
            }
            if (words[0] == u"form" && words.size() == 2 && form.name.isEmpty()) {
                form.name = words[1].toString();
                block = Block::Form;
            } else if (words[0] == u"control" && ParseControlHeader(words, &control)) {
                block = Block::Control;
            } else {
                form.problems.append(Problem(lineNumber, "malformed header"));
                control = StoredControl();
                block = Block::Skipped;
            }
            continue;
        }
        PropertyBag::Entry entry;
        if (block == Block::Skipped) continue;
        if (block == Block::None || !PropertyBag::ParseLine(line, &entry)) {
            form.problems.append(Problem(lineNumber, "line skipped"));
            continue;
        }
        PropertyBag& bag = block == Block::Form ? form.properties : control.properties;
        bag.WriteProperty(entry.key, entry.value);
    }
    closeBlock();
    return form;
}

StoredForm StoredForm::FromResource(const QString& name) {
    return FromText(Resources::StoredFormText(name));
}
