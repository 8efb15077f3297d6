#include "gui/qt_prompter.h"

#include "gui/qt_text.h"
#include "text/visible_text.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace tessaline::gui {

namespace {

// A message may quote a printer's reply or a file's name: its control characters are shown
// escaped, never passed to the box.
QString shown(const std::string& text) {
    return qs(VisibleText(text, true));
}

QMessageBox::Icon iconOf(MessageStyle style) {
    switch (static_cast<uint32_t>(style) & 0xf0) {
    case 0x10:
        return QMessageBox::Critical;
    case 0x20:
        return QMessageBox::Question;
    case 0x30:
        return QMessageBox::Warning;
    case 0x40:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QString pattern(const FileFilter& filter) {
    return qs(filter.pattern).replace(';', ' ');
}

} // namespace

MessageButton QtPrompter::askYesNo(const std::string& text, MessageStyle style) {
    QMessageBox box(iconOf(style), QString::fromLatin1(kApplicationName), shown(text),
                    QMessageBox::Yes | QMessageBox::No, parent_);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes ? MessageButton::Yes : MessageButton::No;
}

void QtPrompter::showMessage(const std::string& text, MessageStyle style,
                             const std::string& caption) {
    const QString title = caption.empty() ? QString::fromLatin1(kApplicationName) : shown(caption);
    QMessageBox box(iconOf(style), title, shown(text), QMessageBox::Ok, parent_);
    box.exec();
}

QStringList FileDialogNameFilters(const FileChoice& choice) {
    QStringList filters;
    for (const FileFilter& filter : choice.filters) {
        const QString shown = qs(filter.display);
        // The shown text usually names its pattern already; Qt needs it in parentheses.
        filters << (shown.contains('(') ? shown
                                        : shown + QStringLiteral(" (") + pattern(filter) + ')');
    }
    return filters;
}

std::optional<std::string> QtPrompter::chooseFile(const FileChoice& choice) {
    QFileDialog dialog(parent_, QString::fromLatin1(kApplicationName),
                       choice.initialFolder.empty() ? QDir::homePath() : qs(choice.initialFolder));
    const QStringList filters = FileDialogNameFilters(choice);
    dialog.setNameFilters(filters);
    if (choice.filterIndex < static_cast<size_t>(filters.size()))
        dialog.selectNameFilter(filters[static_cast<qsizetype>(choice.filterIndex)]);
    // The extension is added to a typed name only while a filter of that extension is chosen:
    // with "All Files" the name stays as typed.
    const auto suffixFor = [&choice, &filters](const QString& chosen) {
        const qsizetype index = filters.indexOf(chosen);
        if (choice.defaultExtension.empty() || index < 0) return QString();
        const QStringList patterns =
            pattern(choice.filters[static_cast<size_t>(index)]).split(' ', Qt::SkipEmptyParts);
        const QString own = QStringLiteral("*.") + qs(choice.defaultExtension);
        return patterns.contains(own, Qt::CaseInsensitive) ? qs(choice.defaultExtension)
                                                           : QString();
    };
    dialog.setDefaultSuffix(suffixFor(dialog.selectedNameFilter()));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &suffixFor](const QString& chosen) {
                         dialog.setDefaultSuffix(suffixFor(chosen));
                     });
    if (choice.mode == FileChoice::Mode::Save) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return us(dialog.selectedFiles().front());
}

} // namespace tessaline::gui
