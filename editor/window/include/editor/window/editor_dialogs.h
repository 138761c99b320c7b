// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;
class QWidget;

namespace kletochka::editor {

// The editor's modal questions, behind one seam so tests can answer them without a person.
class EditorDialogs {
  public:
    enum class Unsaved { Save, Discard, Cancel };
    enum class FileChoice { Reload, Overwrite, SaveAs, Cancel };

    virtual ~EditorDialogs() = default;
    // A file to open; empty when the person cancelled.
    virtual QString openPath(QWidget* parent, const QString& folder) = 0;
    // A file to write, filter as QFileDialog takes it; empty when cancelled.
    virtual QString savePath(QWidget* parent, const QString& title, const QString& suggested,
                             const QString& filter) = 0;
    // What to do with unsaved changes to the bank called name.
    virtual Unsaved askUnsaved(QWidget* parent, const QString& name) = 0;
    // Whether to save although the class would not see these texts whole;
    // saveChosen: the person has just said Save (to close), so Save is the default.
    virtual bool confirmFlawedSave(QWidget* parent, const QStringList& flaws, bool saveChosen) = 0;
    // What to do with a file that is not as expected: message says why; Cancel is always offered.
    virtual FileChoice askAboutFile(QWidget* parent, const QString& message,
                                    const QList<FileChoice>& offered) = 0;
    virtual void showError(QWidget* parent, const QString& message) = 0;
    // Something the person should know that is no failure.
    virtual void showNotice(QWidget* parent, const QString& message) = 0;
    // Lets the person set up printer; false when cancelled.
    virtual bool setUpPrinter(QWidget* parent, QPrinter& printer) = 0;
};

// The program's name as its menu entry gives it, in the user's language: the
// title of its message boxes.
QString EditorName();

// The platform's file dialogs, message boxes and print dialog.
std::unique_ptr<EditorDialogs> MakeSystemDialogs();

}  // namespace kletochka::editor
