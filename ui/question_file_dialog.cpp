// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/question_file_dialog.h"

#include <QFileDialog>

namespace kletochka {

std::optional<QString> QtQuestionFileDialog::exec(QWidget* owner) {
    QFileDialog dialog(owner);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A typed name that does not exist is returned all the same; loading it then says so.
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(QStringLiteral("Файлы вопросов (*.qb)"));
    dialog.setDefaultSuffix(QStringLiteral("qb"));
    dialog.setDirectory(m_dir);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace kletochka
