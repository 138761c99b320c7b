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

#include "bank_document.h"
#include "editor_window.h"
#include "error.h"
#include "round_boards.h"

namespace kletochka::editor {

namespace {

constexpr int kRecentKept = 8;
const QString kRecentKey = QStringLiteral("recentFiles");

bool IsTable(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
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
    connect(m_recentMenu, &QMenu::aboutToShow, this, &EditorWindow::showRecent);
    file->addSeparator();
    file->addAction(tr("&Save"), QKeySequence::Save, this, &EditorWindow::save);
    file->addAction(tr("Save &as…"), QKeySequence::SaveAs, this, &EditorWindow::saveAs);
    file->addSeparator();
    file->addAction(tr("Export table for &LibreOffice (UTF-8)…"), this,
                    [this] { exportTable(false); });
    file->addAction(tr("Export table for Russian &Excel (Windows-1251, \";\")…"), this,
                    [this] { exportTable(true); });
    file->addSeparator();
    file->addAction(tr("&Print host's sheet…"), QKeySequence::Print, this,
                    &EditorWindow::printSheet);
    file->addAction(tr("Save host's sheet as P&DF…"), this, &EditorWindow::saveSheetPdf);
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);
}

void EditorWindow::newBank() {
    m_document->clear();
    m_path.clear();
    m_name = tr("New questions");
    showTitle();
    chooseCell(1, 1);
    showProblems();
}

bool EditorWindow::openFile(const QString& path) {
    const bool opened = guarded([&] { m_document->load(path); });
    if (!opened) {
        return false;
    }
    const QFileInfo info(path);
    // A table is read, not written back: Save asks where the bank goes.
    m_path = IsTable(path) ? QString() : info.absoluteFilePath();
    m_name = info.fileName();
    rememberRecent(info.absoluteFilePath());
    showTitle();
    chooseCell(1, 1);
    showProblems();
    statusBar()->showMessage(tr("Opened %1").arg(QDir::toNativeSeparators(path)), 5000);
    return true;
}

void EditorWindow::open() {
    if (!settleUnsaved()) {
        return;
    }
    const QString folder = m_path.isEmpty() ? QDir::homePath() : QFileInfo(m_path).absolutePath();
    const QString path = m_dialogs->openPath(this, folder);
    if (!path.isEmpty()) {
        openFile(path);
    }
}

bool EditorWindow::settleUnsaved() {
    if (m_document->undoStack()->isClean()) {
        return true;
    }
    switch (m_dialogs->askUnsaved(this, m_name)) {
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
    return m_path.isEmpty() ? saveAs() : saveTo(m_path);
}

bool EditorWindow::saveAs() {
    const QFileInfo named(m_name);
    const QString folder = m_path.isEmpty() ? QDir::homePath() : QFileInfo(m_path).absolutePath();
    QString path = m_dialogs->savePath(this, tr("Save questions"),
                                       QDir(folder).filePath(named.completeBaseName() + ".qb"),
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
    const QStringList flaws = m_document->flaws();
    if (!flaws.isEmpty() && !m_dialogs->confirmFlawedSave(this, flaws)) {
        return false;
    }
    if (!guarded([&] { m_document->save(path); })) {
        return false;
    }
    m_document->undoStack()->setClean();
    const QFileInfo info(path);
    m_path = info.absoluteFilePath();
    m_name = info.fileName();
    rememberRecent(m_path);
    showTitle();
    statusBar()->showMessage(tr("Saved %1").arg(QDir::toNativeSeparators(path)), 5000);
    return true;
}

void EditorWindow::exportTable(bool forExcel) {
    const QFileInfo named(m_name);
    const QString folder = m_path.isEmpty() ? QDir::homePath() : QFileInfo(m_path).absolutePath();
    const QString path = m_dialogs->savePath(
        this, tr("Export table"), QDir(folder).filePath(named.completeBaseName() + ".csv"),
        tr("Tables (*.csv)"));
    if (!path.isEmpty() && guarded([&] { m_document->exportTable(path, forExcel); })) {
        statusBar()->showMessage(tr("Exported %1").arg(QDir::toNativeSeparators(path)), 5000);
    }
}

void EditorWindow::printSheet() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_name);
    if (!m_dialogs->setUpPrinter(this, printer)) {
        return;
    }
    QTextDocument sheet;
    sheet.setHtml(m_document->hostSheet(m_name));
    sheet.print(&printer);
}

void EditorWindow::saveSheetPdf() {
    const QFileInfo named(m_name);
    const QString folder = m_path.isEmpty() ? QDir::homePath() : QFileInfo(m_path).absolutePath();
    const QString path = m_dialogs->savePath(
        this, tr("Save host's sheet"), QDir(folder).filePath(named.completeBaseName() + ".pdf"),
        tr("PDF documents (*.pdf)"));
    if (path.isEmpty()) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(m_name);
    QTextDocument sheet;
    sheet.setHtml(m_document->hostSheet(m_name));
    sheet.print(&printer);
    if (!QFileInfo(path).isFile()) {
        m_dialogs->showError(this, tr("Cannot write %1.").arg(QDir::toNativeSeparators(path)));
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
