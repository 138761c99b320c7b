// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <optional>

class QWidget;

namespace kletochka {

// The modal dialog in which the host picks another question bank.
class QuestionFileDialog {
  public:
    virtual ~QuestionFileDialog() = default;
    virtual void setInitialDir(const QString& dir) = 0;
    virtual QString initialDir() const = 0;
    // The full path the host chose (it need not exist), or nothing when cancelled.
    virtual std::optional<QString> exec(QWidget* owner) = 0;
};

// Qt's own file dialog: "*.qb" files, ".qb" added to a name typed without an
// extension. It leaves the working directory alone.
class QtQuestionFileDialog : public QuestionFileDialog {
  public:
    void setInitialDir(const QString& dir) override { m_dir = dir; }
    QString initialDir() const override { return m_dir; }
    std::optional<QString> exec(QWidget* owner) override;

  private:
    QString m_dir;
};

}  // namespace kletochka
