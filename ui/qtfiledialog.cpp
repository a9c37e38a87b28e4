#include "ui/qtfiledialog.h"

#include "platform/driveservice.h"

#include <QFileDialog>
#include <QFileInfo>

QtFileDialog::QtFileDialog(const DriveService& drives, QWidget* parent)
    : m_drives(drives)
    , m_parent(parent)
{
}

QStringList QtFileDialog::nameFilters(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList result;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString label = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        if (label.isEmpty() && patterns.isEmpty())
            continue;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        if (patterns.isEmpty())
            patterns = QStringLiteral("*");
        // Qt reads the patterns from the last parentheses, so a label that
        // already shows them is used as it stands.
        if (label.endsWith(QLatin1Char(')')) && label.contains(QLatin1Char('(')) && label.contains(patterns))
            result << label;
        else
            result << label + QStringLiteral(" (") + patterns + QLatin1Char(')');
    }
    return result;
}

std::optional<QString> QtFileDialog::ask(const FileDialogRequest& request)
{
    QFileDialog dialog(m_parent, request.title);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setObjectName(QStringLiteral("zavokFileDialog"));
    const bool save = request.mode == FileDialogRequest::Mode::Save;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);

    const QStringList filters = nameFilters(request.filter);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        const int index = qBound(0, request.filterIndex - 1, int(filters.size()) - 1);
        dialog.selectNameFilter(filters.at(index));
    }

    if (!request.initialDir.isEmpty()) {
        if (const auto host = m_drives.toHost(request.initialDir)) {
            const QFileInfo info(*host);
            dialog.setDirectory(info.isDir() ? info.absoluteFilePath() : info.absolutePath());
        }
    }
    // A pattern preset only filters; a plain name is offered for editing.
    if (!request.fileName.isEmpty() && !request.fileName.contains(QLatin1Char('*'))
        && !request.fileName.contains(QLatin1Char('?')))
        dialog.selectFile(request.fileName);

    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    const QString chosen = dialog.selectedFiles().constFirst();
    const auto dos = m_drives.toDos(chosen);
    if (!dos)
        return std::nullopt;
    return *dos;
}
