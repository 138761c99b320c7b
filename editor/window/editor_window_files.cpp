// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's file menu: new, open, recent files, save, export, print and close.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenuBar>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QTextDocument>
#include <QUndoStack>

#include "bank/error.h"
#include "editor/bank_document.h"
#include "editor/bank_problem.h"
#include "editor/window/editor_window.h"
#include "editor/window/round_boards.h"

namespace kletochka::editor {

namespace {

constexpr int kRecentKept = 8;
const QString kRecentKey = QStringLiteral("recentFiles");

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
    connect(m_recentMenu, &QMenu::aboutToShow, this, &EditorWindow::showRecent);
    file->addSeparator();
    file->addAction(tr("&Save"), QKeySequence::Save, this, &EditorWindow::save);
    file->addAction(tr("Save &as…"), QKeySequence::SaveAs, this, &EditorWindow::saveAs);
    file->addSeparator();
    file->addAction(tr("Export table for &LibreOffice (UTF-8)…"), this,
                    [this] { exportTable(false); })
        ->setObjectName(QStringLiteral("exportUtf8"));
    file->addAction(tr("Export table for Russian &Excel (Windows-1251, \";\")…"), this,
                    [this] { exportTable(true); })
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
    if (!guarded([&] { m_document->open(path); })) {
        return false;
    }
    rememberRecent(QFileInfo(path).absoluteFilePath());
    showTitle();
    statusBar()->showMessage(tr("Opened %1").arg(QDir::toNativeSeparators(path)), 5000);
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
        case EditorDialogs::Unsaved::Save:
            return save();
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
    QString path =
        m_dialogs->savePath(this, tr("Save questions"), suggestedFile(QStringLiteral(".qb")),
                            tr("Question banks (*.qb)"));
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QLatin1String(".qb");
    }
    return saveTo(path);
}

bool EditorWindow::saveTo(const QString& path) {
    QStringList flaws;
    for (const BankProblem& problem : m_document->problems().shownInGame()) {
        flaws << problem.described();
    }
    if (!flaws.isEmpty() && !m_dialogs->confirmFlawedSave(this, flaws)) {
        return false;
    }
    if (!guarded([&] { m_document->saveAs(path); })) {
        return false;
    }
    rememberRecent(m_document->filePath());
    showTitle();
    statusBar()->showMessage(tr("Saved %1").arg(QDir::toNativeSeparators(path)), 5000);
    return true;
}

void EditorWindow::exportTable(bool forExcel) {
    const QString path = m_dialogs->savePath(
        this, tr("Export table"), suggestedFile(QStringLiteral(".csv")), tr("Tables (*.csv)"));
    const auto flavour = forExcel ? authoring::TableFlavour::Windows1251Semicolon
                                  : authoring::TableFlavour::Utf8Comma;
    if (!path.isEmpty() && guarded([&] { m_document->exportTable(path, flavour); })) {
        statusBar()->showMessage(tr("Exported %1").arg(QDir::toNativeSeparators(path)), 5000);
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
    QSettings settings;
    QStringList recent = settings.value(kRecentKey).toStringList();
    recent.removeAll(path);
    recent.prepend(path);
    while (recent.size() > kRecentKept) {
        recent.removeLast();
    }
    settings.setValue(kRecentKey, recent);
}

void EditorWindow::showRecent() {
    m_recentMenu->clear();
    const QStringList recent = QSettings().value(kRecentKey).toStringList();
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
