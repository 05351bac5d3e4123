// Modal file dialogs, the colour dialog and the message box.
#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/qt/qt_backend.h"

namespace {

// Qt reads a type's patterns from the parenthesised tail of its filter text and, with
// HideNameFilterDetails, shows the text before that tail: so the label shows as it is.
QStringList NameFilters(const std::vector<FileType>& types) {
    QStringList filters;
    for (const FileType& t : types) {
        QString pattern = QString::fromStdString(t.pattern).replace(';', ' ').simplified();
        if (pattern.isEmpty()) pattern = "*";
        filters << QString::fromStdString(t.label) + " (" + pattern + ")";
    }
    return filters;
}

// The position of the selected type. With details hidden Qt names the selection by the
// text it shows, which is the label.
int TypeIndex(const QString& selected, const std::vector<FileType>& types) {
    QStringList filters = NameFilters(types);
    for (int i = 0; i < filters.size(); ++i)
        if (selected == filters[i] || selected == QString::fromStdString(types[size_t(i)].label).simplified()) return i;
    return 0;
}

void Prepare(QFileDialog& dialog, const std::string& directory, const std::vector<FileType>& types) {
    dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
    dialog.setFileMode(QFileDialog::AnyFile);
    if (!directory.empty()) dialog.setDirectory(QString::fromStdString(directory));
    QStringList filters = NameFilters(types);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        dialog.selectNameFilter(filters.first());
    }
}

}  // namespace

OpenChoice ShowOpenDialog(const std::string& title, const std::string& directory, const std::vector<FileType>& types) {
    OpenChoice choice;
    if (!qApp) return choice;
    QFileDialog dialog(DialogOwner(), QString::fromStdString(title));
    Prepare(dialog, directory, types);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);  // with AnyFile: a new name is accepted too
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return choice;
    choice.path = dialog.selectedFiles().first().toStdString();
    choice.typeIndex = TypeIndex(dialog.selectedNameFilter(), types);
    return choice;
}

std::string ShowSaveDialog(const std::string& title, const std::string& directory, const std::vector<FileType>& types) {
    if (!qApp) return {};
    QFileDialog dialog(DialogOwner(), QString::fromStdString(title));
    Prepare(dialog, directory, types);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return dialog.selectedFiles().first().toStdString();
}

int64_t ShowColourDialog() {
    if (!qApp) return -1;
    QColor c = QColorDialog::getColor(Qt::black, DialogOwner(), QString(), QColorDialog::DontUseNativeDialog);
    if (!c.isValid()) return -1;
    return int64_t(c.red()) + 256 * int64_t(c.green()) + 65536 * int64_t(c.blue());
}

void ShowMessage(const std::string& title, const std::string& text) {
    if (!qApp) return;
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::Ok, DialogOwner());
    box.setTextFormat(Qt::PlainText);  // a path with '<' in it is not markup
    box.exec();
}
