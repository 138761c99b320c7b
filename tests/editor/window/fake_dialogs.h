// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <deque>

#include "editor/window/editor_dialogs.h"

namespace kletochka::editor::test {

// Answers the window's questions from what the test queued, and records what was asked.
class FakeDialogs : public EditorDialogs {
  public:
    struct Log {
        std::deque<QString> paths;  // answers to open and save dialogs, in turn; empty = cancel
        std::deque<Unsaved> unsaved;
        std::deque<FileChoice> fileChoices;  // answers about files, in turn; none left = Cancel
        QStringList fileQuestions;
        QList<QList<FileChoice>> fileOffers;
        bool saveFlawed = true;
        QStringList errors;
        QStringList notices;
        QStringList flawsSeen;
        bool flawedSaveChosen = false;  // the last warning came after the person chose Save
        int unsavedAsked = 0;
    };

    explicit FakeDialogs(Log& log) : m_log(log) {}

    QString openPath(QWidget*, const QString&) override { return next(); }
    QString savePath(QWidget*, const QString&, const QString&, const QString&) override {
        return next();
    }
    Unsaved askUnsaved(QWidget*, const QString&) override {
        ++m_log.unsavedAsked;
        if (m_log.unsaved.empty()) {
            return Unsaved::Cancel;
        }
        const Unsaved answer = m_log.unsaved.front();
        m_log.unsaved.pop_front();
        return answer;
    }
    bool confirmFlawedSave(QWidget*, const QStringList& flaws, bool saveChosen) override {
        m_log.flawsSeen = flaws;
        m_log.flawedSaveChosen = saveChosen;
        return m_log.saveFlawed;
    }
    FileChoice askAboutFile(QWidget*, const QString& message,
                            const QList<FileChoice>& offered) override {
        m_log.fileQuestions << message;
        m_log.fileOffers << offered;
        if (m_log.fileChoices.empty()) {
            return FileChoice::Cancel;
        }
        const FileChoice answer = m_log.fileChoices.front();
        m_log.fileChoices.pop_front();
        return answer;
    }
    void showError(QWidget*, const QString& message) override { m_log.errors << message; }
    void showNotice(QWidget*, const QString& message) override { m_log.notices << message; }
    bool setUpPrinter(QWidget*, QPrinter&) override { return false; }

  private:
    QString next() {
        if (m_log.paths.empty()) {
            return {};
        }
        QString path = m_log.paths.front();
        m_log.paths.pop_front();
        return path;
    }

    Log& m_log;
};

}  // namespace kletochka::editor::test
