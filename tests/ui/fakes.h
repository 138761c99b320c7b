// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFileInfo>
#include <QSet>
#include <QStringList>
#include <deque>
#include <optional>

#include "sound/cue_player.h"
#include "sound/sound_error.h"
#include "ui/question_file_dialog.h"

namespace kletochka::test {

// Records what was opened, played and cut off, by file name; files named in
// `failing` cannot be opened.
class FakeCuePlayer : public CuePlayer {
  public:
    QStringList log;
    QSet<QString> failing;

    void open(const QString& path) override {
        if (!m_current.isEmpty()) {
            log << "stop " + m_current;
            m_current.clear();
        }
        const QString name = QFileInfo(path).fileName();
        if (failing.contains(name)) {
            throw SoundError::CannotOpen(path);
        }
        m_current = name;
        log << "open " + name;
    }
    void play() override { log << "play " + m_current; }
    void prepare() override { ++prepared; }
    int prepared = 0;

    // Only the cues that were played, in order.
    QStringList played() const {
        QStringList cues;
        for (const QString& entry : log) {
            if (entry.startsWith("play "))
                cues << entry.mid(5);
        }
        return cues;
    }

  private:
    QString m_current;
};

// What the window shows for a cue the fake cannot open: the real player's text.
inline QString CannotOpenMessage(const QString& path) {
    return QString::fromStdString(SoundError::CannotOpen(path).what());
}

// Answers the file dialog from a queue: a path, or an empty one for "cancel".
class FakeFileDialog : public QuestionFileDialog {
  public:
    std::deque<QString> answers;
    int shown = 0;

    void setInitialDir(const QString& dir) override { m_dir = dir; }
    QString initialDir() const override { return m_dir; }
    std::optional<QString> exec(QWidget*) override {
        ++shown;
        if (answers.empty())
            return std::nullopt;
        const QString answer = answers.front();
        answers.pop_front();
        if (answer.isEmpty())
            return std::nullopt;
        return answer;
    }

  private:
    QString m_dir;
};

}  // namespace kletochka::test
