#include "FileDialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "Clock.h"
#include "MessageBox.h"

namespace {

FileDialog::Handler& InstalledHandler() {
    static FileDialog::Handler handler;
    return handler;
}

// True when the user agrees to create the file the open dialog named but that does not exist.
bool ConfirmCreate(QWidget* parent, const QString& title, const QString& path) {
    const QString text =
        QStringLiteral("%1\n该文件不存在。\n要创建该文件吗？").arg(QFileInfo(path).fileName());
    return QMessageBox::question(parent, title, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

QString RunQtDialog(const FileDialog::Request& request) {
    QFileDialog dialog(nullptr, request.title, request.initialDirectory);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // The open dialog accepts a name that does not exist yet and offers to create it.
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = FileDialog::FilterEntries(request.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!request.defaultExtension.isEmpty()) dialog.setDefaultSuffix(request.defaultExtension);
    if (!request.initialName.isEmpty()) dialog.selectFile(request.initialName);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted) return {};
        const QStringList chosen = dialog.selectedFiles();
        if (chosen.isEmpty()) return {};
        const QString path = chosen.first();
        // The save dialog asks before overwriting by itself.
        if (request.save || QFileInfo::exists(path) || ConfirmCreate(&dialog, request.title, path))
            return path;
    }
}

QString Run(const FileDialog::Request& request) {
    QString path = InstalledHandler() ? InstalledHandler()(request) : RunQtDialog(request);
    // The result ends at its first NUL, like a name read back from a character buffer.
    const qsizetype nul = path.indexOf(QChar(0));
    if (nul >= 0) path.truncate(nul);
    return path;
}

}  // namespace

QString FileDialog::Show(QWidget* owner, bool save, const QString& title, const QString& filter,
                         const QString& initialName, const QString& defaultExtension,
                         const QString& initialDirectory) {
    if (initialName.size() > kMaxInitialName) {
        MessageBox::Show(QStringLiteral("Filename Length Overflow"), MessageBox::Icon::Warning,
                         MessageBox::AppTitle() + QStringLiteral(" - FileDialog Function"));
        return {};
    }
    Request request{owner, save, title, filter, initialName, defaultExtension, initialDirectory};
    const quint32 before = Clock::GetTickCount();
    QString path = Run(request);
    // Unsigned difference: correct across the tick count's wrap.
    if (Clock::GetTickCount() - before < kMinShownMs) {
        request.initialName.clear();
        path = Run(request);
    }
    return path;
}

FileDialog::Handler FileDialog::SetHandler(Handler handler) {
    Handler previous = std::move(InstalledHandler());
    InstalledHandler() = std::move(handler);
    return previous;
}

QStringList FileDialog::FilterEntries(const QString& filter) {
    QStringList entries;
    if (filter.isEmpty()) return entries;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString& description = parts[i];
        if (i + 1 >= parts.size()) {
            if (!description.isEmpty()) entries.append(description);
            break;
        }
        // The dialog reads the patterns from the last parentheses, separated by spaces.
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        const QString suffix = QStringLiteral("(%1)").arg(patterns);
        if (description.endsWith(suffix))
            entries.append(description);
        else if (description.isEmpty())
            entries.append(suffix);
        else
            entries.append(description + QLatin1Char(' ') + suffix);
    }
    return entries;
}
