// SPDX-FileCopyrightText: 2026 The Kletochka developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

namespace kletochka {

// A panel with a raised bevel one pixel wide, filled with the button face.
class BevelPanel : public QWidget {
    Q_OBJECT
  public:
    explicit BevelPanel(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace kletochka
