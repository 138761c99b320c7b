// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's file menu: new, open, recent files, save, export, print and close.
#include <QAction>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QPrinter>
#include <QScopedValueRollback>
#include <QSettings>
#include <QStatusBar>
#include <QTextDocument>
#include <QUndoStack>

#include "bank/error.h"
#include "editor/bank_document.h"
#include "editor/bank_problem.h"
#include "editor/problem_model.h"
#include "editor/window/editor_window.h"
#include "editor/window/problem_texts.h"
#include "editor/window/round_boards.h"

namespace kletochka::editor {

namespace {

constexpr int kRecentKept = 8;
const QString kRecentKey = QStringLiteral("recentFiles");

using FileChoice = EditorDialogs::FileChoice;

// What the person may do about a file that asks before it is saved, besides Cancel.
QList<FileChoice> ChoicesFor(SaveQuestion::Kind kind) {
    switch (kind) {
        case SaveQuestion::Kind::Changed:
            return {FileChoice::Reload, FileChoice::Overwrite, FileChoice::SaveAs};
        case SaveQuestion::Kind::Gone:
        case SaveQuestion::Kind::ReadOnly:
            return {FileChoice::Overwrite, FileChoice::SaveAs};
        case SaveQuestion::Kind::Length:
            return {FileChoice::SaveAs, FileChoice::Overwrite};
        case SaveQuestion::Kind::NotAllowed:
            break;
    }
    return {FileChoice::SaveAs};
}

}  // namespace

template <typename Action>
bool EditorWindow::guarded(Action&& action) {
    try {
        action();
        return true;
    } catch (const Error& error) {
        m_dialogs->showError(this, QString::fromStdString(error.what()));
    } catch (const std::bad_alloc&) {
        m_dialogs->showError(this, tr("Not enough memory."));
    }
    return false;
}

void EditorWindow::makeFileMenu() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&New"), QKeySequence::New, this, [this] {
        if (settleUnsaved()) {
            newBank();
        }
    });
    file->addAction(tr("&Open…"), QKeySequence::Open, this, &EditorWindow::open);
    m_recentMenu = file->addMenu(tr("Open &recent"));
    m_recentMenu->setObjectName(QStringLiteral("recentFiles"));
    connect(m_recentMenu, &QMenu::aboutToShow, this, &EditorWindow::showRecent);
    file->addSeparator();
    file->addAction(tr("&Save"), QKeySequence::Save, this, &EditorWindow::save);
    file->addAction(tr("Save &as…"), QKeySequence::SaveAs, this, &EditorWindow::saveAs);
    file->addSeparator();
    file->addAction(tr("&Export table (.xlsx, for Excel and LibreOffice)…"), this,
                    [this] { exportTable(TableKind::Workbook); })
        ->setObjectName(QStringLiteral("exportWorkbook"));
    file->addAction(tr("Export table as CSV for &LibreOffice (UTF-8)…"), this,
                    [this] { exportTable(TableKind::Utf8Csv); })
        ->setObjectName(QStringLiteral("exportUtf8"));
    file->addAction(tr("Export table as CSV for Russian E&xcel (Windows-1251, \";\")…"), this,
                    [this] { exportTable(TableKind::ExcelCsv); })
        ->setObjectName(QStringLiteral("exportExcel"));
    file->addSeparator();
    file->addAction(tr("&Print host's sheet…"), QKeySequence::Print, this,
                    &EditorWindow::printSheet);
    file->addAction(tr("Save host's sheet as P&DF…"), this, &EditorWindow::saveSheetPdf)
        ->setObjectName(QStringLiteral("sheetPdf"));
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);
}

QString EditorWindow::suggestedFile(const QString& extension) const {
    QString start = m_document->filePath();
    if (start.isEmpty()) {
        start = m_document->suggestedPath();
    }
    if (start.isEmpty()) {
        return QDir::home().filePath(tr("questions") + extension);
    }
    const QFileInfo info(start);
    return info.dir().filePath(info.completeBaseName() + extension);
}

void EditorWindow::newBank() {
    m_document->newBank();
    showTitle();
}

bool EditorWindow::openFile(const QString& path) {
    const bool opened = guarded([&] {
        try {
            m_document->open(path);
        } catch (const OpenError& error) {
            // A table's mistakes go to the list, line by line, for the teacher to fix.
            if (!error.problems().empty()) {
                m_problems->showTable(path, error.problems());
            }
            throw;
        }
    });
    if (!opened) {
        return false;
    }
    rememberRecent(QFileInfo(path).absoluteFilePath());
    showTitle();
    statusBar()->showMessage(tr("Opened %1").arg(QDir::toNativeSeparators(path)), 5000);
    tellAboutFile();
    return true;
}

void EditorWindow::open() {
    if (!settleUnsaved()) {
        return;
    }
    const QString path = m_dialogs->openPath(this, QFileInfo(suggestedFile({})).absolutePath());
    if (!path.isEmpty()) {
        openFile(path);
    }
}

bool EditorWindow::settleUnsaved() {
    if (!m_document->isModified()) {
        return true;
    }
    switch (m_dialogs->askUnsaved(this, windowTitle().remove(QStringLiteral("[*]")))) {
        case EditorDialogs::Unsaved::Save: {
            const QScopedValueRollback chosen(m_saveChosen, true);
            return save();
        }
        case EditorDialogs::Unsaved::Discard:
            return true;
        case EditorDialogs::Unsaved::Cancel:
            break;
    }
    return false;
}

bool EditorWindow::save() {
    const QString path = m_document->filePath();
    return path.isEmpty() ? saveAs() : saveTo(path);
}

bool EditorWindow::saveAs() {
    const QString path = askSavePath();
    return !path.isEmpty() && saveTo(path);
}

QString EditorWindow::askSavePath() {
    QString path =
        m_dialogs->savePath(this, tr("Save questions"), suggestedFile(QStringLiteral(".qb")),
                            tr("Question banks (*.qb)"));
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
        path += QLatin1String(".qb");
    }
    return path;
}

bool EditorWindow::saveTo(const QString& path, SaveConsent consent) {
    QStringList flaws;
    for (const BankProblem& problem : m_document->problems().shownInGame()) {
        flaws << ProblemSummary(problem);
    }
    if (!flaws.isEmpty() && !m_dialogs->confirmFlawedSave(this, flaws, m_saveChosen)) {
        return false;
    }
    return writeTo(path, consent);
}

template <typename Write>
std::optional<FileChoice> EditorWindow::writeAsking(Write&& write, SaveConsent consent) {
    for (;;) {
        std::optional<SaveQuestion> question;
        const bool written = guarded([&] {
            try {
                write(consent);
            } catch (const SaveQuestion& asked) {
                question = asked;
            }
        });
        if (!question) {
            return written ? std::nullopt : std::optional(FileChoice::Cancel);
        }
        const FileChoice choice = m_dialogs->askAboutFile(
            this, QString::fromStdString(question->what()), ChoicesFor(question->kind()));
        if (choice != FileChoice::Overwrite) {
            return choice;
        }
        if (question->kind() == SaveQuestion::Kind::ReadOnly) {
            consent.overReadOnly = true;
        } else if (question->kind() == SaveQuestion::Kind::Length) {
            consent.overWrongLength = true;
        } else {
            consent.overwriteChanged = true;
        }
    }
}

bool EditorWindow::writeTo(const QString& path, SaveConsent consent) {
    const auto choice =
        writeAsking([&](const SaveConsent& given) { m_document->saveAs(path, given); }, consent);
    if (choice == FileChoice::Reload) {
        reloadFromDisk();
        return false;
    }
    if (choice == FileChoice::SaveAs) {
        const QString other = askSavePath();
        return !other.isEmpty() && writeTo(other, {});
    }
    if (choice) {
        return false;
    }
    rememberRecent(m_document->filePath());
    showTitle();
    statusBar()->showMessage(tr("Saved %1").arg(QDir::toNativeSeparators(path)), 5000);
    return true;
}

bool EditorWindow::reloadFromDisk() {
    const QString path = m_document->filePath();
    if (!guarded([&] { m_document->reload(); })) {
        return false;
    }
    showTitle();
    statusBar()->showMessage(tr("Reloaded %1").arg(QDir::toNativeSeparators(path)), 5000);
    tellAboutFile();
    return true;
}

void EditorWindow::tellAboutFile() {
    for (const QString& notice : {m_document->fileLengthNotice(), m_document->tableNotice()}) {
        if (!notice.isEmpty()) {
            m_dialogs->showNotice(this, notice);
        }
    }
}

void EditorWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    // Queued: the question waits until the window has settled as the active one.
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        QMetaObject::invokeMethod(this, &EditorWindow::checkDisk, Qt::QueuedConnection);
    }
}

void EditorWindow::checkDisk() {
    if (m_checkingDisk) {
        return;
    }
    const BankDocument::DiskChange change = m_document->takeDiskChange();
    if (change == BankDocument::DiskChange::None) {
        return;
    }
    const QScopedValueRollback busy(m_checkingDisk, true);
    const bool gone = change == BankDocument::DiskChange::Gone;
    const QString path = m_document->filePath();
    const auto kind = gone ? SaveQuestion::Kind::Gone : SaveQuestion::Kind::Changed;
    switch (m_dialogs->askAboutFile(this, DiskChangeQuestion(path, gone), ChoicesFor(kind))) {
        case FileChoice::Reload:
            reloadFromDisk();
            break;
        case FileChoice::Overwrite:
            saveTo(path, SaveConsent{.overwriteChanged = true});
            break;
        case FileChoice::SaveAs:
            saveAs();
            break;
        case FileChoice::Cancel:
            break;
    }
}

void EditorWindow::exportTable(TableKind kind) {
    const auto flavour = kind == TableKind::ExcelCsv ? authoring::TableFlavour::Windows1251Semicolon
                                                     : authoring::TableFlavour::Utf8Comma;
    const bool workbook = kind == TableKind::Workbook;
    const QString extension = workbook ? QStringLiteral(".xlsx") : QStringLiteral(".csv");
    for (;;) {
        QString path =
            m_dialogs->savePath(this, tr("Export table"), suggestedFile(extension),
                                workbook ? tr("Spreadsheets (*.xlsx)") : tr("Tables (*.csv)"));
        if (path.isEmpty()) {
            return;
        }
        if (QFileInfo(path).suffix().isEmpty()) {
            path += extension;
        }
        const auto choice = writeAsking(
            [&](const SaveConsent& given) { m_document->exportTable(path, flavour, given); });
        if (!choice) {
            statusBar()->showMessage(tr("Exported %1").arg(QDir::toNativeSeparators(path)), 5000);
        }
        if (choice != FileChoice::SaveAs) {
            return;
        }
    }
}

void EditorWindow::printSheet() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle().remove(QStringLiteral("[*]")));
    if (m_dialogs->setUpPrinter(this, printer)) {
        printSheetOn(printer);
    }
}

void EditorWindow::saveSheetPdf() {
    const QString path =
        m_dialogs->savePath(this, tr("Save host's sheet"), suggestedFile(QStringLiteral(".pdf")),
                            tr("PDF documents (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(windowTitle().remove(QStringLiteral("[*]")));
    printSheetOn(printer);
}

void EditorWindow::printSheetOn(QPrinter& printer) {
    QTextDocument sheet;
    sheet.setHtml(m_document->hostSheet(printer.docName()));
    sheet.print(&printer);
    if (printer.printerState() == QPrinter::Error) {
        m_dialogs->showError(this, tr("The host's sheet could not be printed."));
    }
}

void EditorWindow::rememberRecent(const QString& path) {
    const std::unique_ptr<QSettings> settings = m_settings.open();
    QStringList recent = settings->value(kRecentKey).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kRecentKept) {
        recent.removeLast();
    }
    settings->setValue(kRecentKey, recent);
}

void EditorWindow::showRecent() {
    m_recentMenu->clear();
    const QStringList recent = m_settings.open()->value(kRecentKey).toStringList();
    for (const QString& path : recent) {
        m_recentMenu->addAction(QDir::toNativeSeparators(path), this, [this, path] {
            if (settleUnsaved()) {
                openFile(path);
            }
        });
    }
    if (recent.isEmpty()) {
        m_recentMenu->addAction(tr("No files yet"))->setEnabled(false);
    }
}

}  // namespace kletochka::editor
