// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QAbstractButton>
#include <QCoreApplication>
#include <QFileDialog>
#include <QHash>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>

#include "editor/window/editor_dialogs.h"

namespace kletochka::editor {

namespace {

class SystemDialogs : public EditorDialogs {
    Q_DECLARE_TR_FUNCTIONS(SystemDialogs)
  public:
    QString openPath(QWidget* parent, const QString& folder) override {
        return QFileDialog::getOpenFileName(
            parent, tr("Open questions"), folder,
            tr("Questions (*.qb *.xlsx *.csv);;Question banks (*.qb);;Tables (*.xlsx *.csv);;"
               "All files (*)"));
    }

    QString savePath(QWidget* parent, const QString& title, const QString& suggested,
                     const QString& filter) override {
        return QFileDialog::getSaveFileName(parent, title, suggested, filter);
    }

    Unsaved askUnsaved(QWidget* parent, const QString& name) override {
        QMessageBox box(QMessageBox::Warning, tr("Unsaved changes"),
                        tr("The questions in \"%1\" have changed. Save them?").arg(name),
                        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Save);
        // Qt's own word for Discard reads as "reject" in Russian; this one says what happens.
        box.button(QMessageBox::Discard)->setText(tr("&Don't save"));
        switch (box.exec()) {
            case QMessageBox::Save:
                return Unsaved::Save;
            case QMessageBox::Discard:
                return Unsaved::Discard;
            default:
                return Unsaved::Cancel;
        }
    }

    bool confirmFlawedSave(QWidget* parent, const QStringList& flaws, bool saveChosen) override {
        QMessageBox box(QMessageBox::Warning, tr("The class will not see everything"),
                        tr("%n text(s) would be shown empty or cut off in the game. Save anyway?",
                           nullptr, static_cast<int>(flaws.size())),
                        QMessageBox::Save | QMessageBox::Cancel, parent);
        box.setDetailedText(flaws.join(QLatin1Char('\n')));
        box.setDefaultButton(saveChosen ? QMessageBox::Save : QMessageBox::Cancel);
        return box.exec() == QMessageBox::Save;
    }

    FileChoice askAboutFile(QWidget* parent, const QString& message,
                            const QList<FileChoice>& offered) override {
        QMessageBox box(QMessageBox::Warning, EditorName(), message, QMessageBox::Cancel, parent);
        QHash<QAbstractButton*, FileChoice> buttons;
        for (const FileChoice choice : offered) {
            switch (choice) {
                case FileChoice::Reload:
                    buttons.insert(box.addButton(tr("&Reload"), QMessageBox::ResetRole), choice);
                    break;
                case FileChoice::Overwrite:
                    buttons.insert(box.addButton(tr("&Overwrite"), QMessageBox::DestructiveRole),
                                   choice);
                    break;
                case FileChoice::SaveAs:
                    buttons.insert(box.addButton(tr("Save &as…"), QMessageBox::AcceptRole), choice);
                    break;
                case FileChoice::Cancel:
                    break;
            }
        }
        // Nothing is overwritten or lost by a hasty Enter.
        box.setDefaultButton(QMessageBox::Cancel);
        box.exec();
        return buttons.value(box.clickedButton(), FileChoice::Cancel);
    }

    void showError(QWidget* parent, const QString& message) override {
        QMessageBox::critical(parent, EditorName(), message);
    }

    void showNotice(QWidget* parent, const QString& message) override {
        QMessageBox::warning(parent, QCoreApplication::applicationName(), message);
    }

    bool setUpPrinter(QWidget* parent, QPrinter& printer) override {
        QPrintDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }
};

}  // namespace

QString EditorName() {
    return QCoreApplication::translate("EditorWindow", "Question editor");
}

std::unique_ptr<EditorDialogs> MakeSystemDialogs() {
    return std::make_unique<SystemDialogs>();
}

}  // namespace kletochka::editor
